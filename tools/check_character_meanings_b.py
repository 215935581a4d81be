#!/usr/bin/env python3
"""Checks data/sources/character_meanings_b.tsv, the second half of the character meanings (字义).

    tools/check_character_meanings_b.py [FILE]

The file covers
  * the given-name characters of the tables word1 and word2 (the distinct `zi` of data/tables/word1.tsv and
    word2.tsv) from the 801st to the last in code point order (the first 800 are in the other half), and
  * after them, every single family character that is not a name character: the single surnames of 百家姓
    (the text below) and the single family characters of data/knowledge/surnames.tsv and
    data/sources/surname_readings.tsv.

Each line after the "#" header: zi, tone, tier, gloss (tab-separated).
  tone   褒, 中 or 贬;
  tier   1, 2 or 3 for a name character, "-" for a character that is only a family name;
  gloss  at most 24 code points, ending in one example word in full-width parentheses that holds the character.

Prints every finding and exits with status 1 if there is one, 0 otherwise.
"""

import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FIRST_OF_HALF = 800  # index, in code point order, of the first name character of this half

# 百家姓 (Song dynasty, public domain): the single surnames of the main text, then the pairs of single surnames set
# among the compound surnames at its end (the compound surnames are in data/sources/compound_surnames.tsv).
BAIJIAXING_MAIN = """
赵钱孙李 周吴郑王 冯陈褚卫 蒋沈韩杨 朱秦尤许 何吕施张 孔曹严华 金魏陶姜
戚谢邹喻 柏水窦章 云苏潘葛 奚范彭郎 鲁韦昌马 苗凤花方 俞任袁柳 酆鲍史唐
费廉岑薛 雷贺倪汤 滕殷罗毕 郝邬安常 乐于时傅 皮卞齐康 伍余元卜 顾孟平黄
和穆萧尹 姚邵湛汪 祁毛禹狄 米贝明臧 计伏成戴 谈宋茅庞 熊纪舒屈 项祝董梁
杜阮蓝闵 席季麻强 贾路娄危 江童颜郭 梅盛林刁 钟徐邱骆 高夏蔡田 樊胡凌霍
虞万支柯 昝管卢莫 经房裘缪 干解应宗 丁宣贲邓 郁单杭洪 包诸左石 崔吉钮龚
程嵇邢滑 裴陆荣翁 荀羊於惠 甄曲家封 芮羿储靳 汲邴糜松 井段富巫 乌焦巴弓
牧隗山谷 车侯宓蓬 全郗班仰 秋仲伊宫 宁仇栾暴 甘钭厉戎 祖武符刘 景詹束龙
叶幸司韶 郜黎蓟薄 印宿白怀 蒲邰从鄂 索咸籍赖 卓蔺屠蒙 池乔阴郁 胥能苍双
闻莘党翟 谭贡劳逄 姬申扶堵 冉宰郦雍 却璩桑桂 濮牛寿通 边扈燕冀 郏浦尚农
温别庄晏 柴瞿阎充 慕连茹习 宦艾鱼容 向古易慎 戈廖庾终 暨居衡步 都耿满弘
匡国文寇 广禄阙东 欧殳沃利 蔚越夔隆 师巩厍聂 晁勾敖融 冷訾辛阚 那简饶空
曾毋沙乜 养鞠须丰 巢关蒯相 查后荆红 游竺权逯 盖益桓公
"""
BAIJIAXING_PAIRS = "仉督 晋楚 闫法 汝鄢 涂钦 岳帅 缑亢 况后 有琴 佘佴 墨哈 谯笪 年爱 阳佟 言福"

TONES = {"褒", "中", "贬"}
NAME_TIERS = {"1", "2", "3"}
MAX_GLOSS = 24
GLOSS_SHAPE = re.compile(r"^[^（）]+（([^（）]+)）$")


def baijiaxing_singles():
    """The single surnames of 百家姓 in the order of the text (a character may stand twice: 郁, 后)."""
    return [c for c in BAIJIAXING_MAIN + BAIJIAXING_PAIRS if not c.isspace()]


def name_characters():
    chars = set()
    for table in ("word1.tsv", "word2.tsv"):
        with open(ROOT / "data" / "tables" / table, encoding="utf-8") as f:
            next(f)
            for line in f:
                chars.add(line.split("\t")[1])
    return sorted(chars)


def listed_family_characters():
    found = []
    for path in (ROOT / "data" / "knowledge" / "surnames.tsv", ROOT / "data" / "sources" / "surname_readings.tsv"):
        with open(path, encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or line.startswith("family\t") or not line.strip():
                    continue
                family = line.split("\t")[0]
                if len(family) == 1:
                    found.append(family)
    return found


def check_gloss(zi, gloss):
    findings = []
    if len(gloss) > MAX_GLOSS:
        findings.append(f"gloss has {len(gloss)} characters, more than {MAX_GLOSS}")
    match = GLOSS_SHAPE.match(gloss)
    if not match:
        findings.append("gloss does not end in one example word in full-width parentheses")
    elif zi not in match.group(1):
        findings.append(f"example word {match.group(1)} does not hold {zi}")
    if any(ord(c) < 0x80 for c in gloss):
        findings.append("gloss holds an ASCII character (use full-width punctuation)")
    senses = gloss.split("（")[0]
    if not senses or senses.startswith(("；", "，")) or "；；" in senses or "，，" in senses or senses.endswith(("；", "，")):
        findings.append("gloss has an empty sense")
    return findings


def main(argv):
    path = Path(argv[1]) if len(argv) > 1 else ROOT / "data" / "sources" / "character_meanings_b.tsv"
    names = name_characters()
    name_set = set(names)
    half = names[FIRST_OF_HALF:]
    half_set = set(half)
    family_only = []
    for c in baijiaxing_singles() + listed_family_characters():
        if c not in name_set and c not in family_only:
            family_only.append(c)
    family_set = set(family_only)

    findings = []
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or not lines[0].startswith("#"):
        findings.append("line 1: the file does not open with its '#' header")

    seen = {}
    order = []
    in_header = True
    for number, line in enumerate(lines, 1):
        if line.startswith("#"):
            if not in_header:
                findings.append(f"line {number}: comment after the first entry")
            continue
        in_header = False
        where = f"line {number}"
        fields = line.split("\t")
        if len(fields) != 4:
            findings.append(f"{where}: {len(fields)} fields, not 4")
            continue
        zi, tone, tier, gloss = fields
        if len(zi) != 1:
            findings.append(f"{where}: '{zi}' is not one character")
            continue
        where = f"line {number} ({zi})"
        if zi in seen:
            findings.append(f"{where}: listed again (first on line {seen[zi]})")
            continue
        seen[zi] = number
        order.append(zi)
        if zi in half_set:
            if tier not in NAME_TIERS:
                findings.append(f"{where}: tier '{tier}' of a name character is not 1, 2 or 3")
        elif zi in family_set:
            if tier != "-":
                findings.append(f"{where}: tier '{tier}' of a family-only character is not '-'")
        elif zi in name_set:
            findings.append(f"{where}: a name character of the other half")
        else:
            findings.append(f"{where}: neither a name character of this half nor a single family character")
        if tone not in TONES:
            findings.append(f"{where}: tone '{tone}' is not 褒, 中 or 贬")
        findings.extend(f"{where}: {finding}" for finding in check_gloss(zi, gloss))

    missing_names = [c for c in half if c not in seen]
    missing_families = [c for c in family_only if c not in seen]
    if missing_names:
        findings.append(f"{len(missing_names)} name characters missing: {''.join(missing_names)}")
    if missing_families:
        findings.append(f"{len(missing_families)} family characters missing: {''.join(missing_families)}")
    expected_order = [c for c in half if c in seen] + [c for c in family_only if c in seen]
    if order != expected_order:
        findings.append("entries out of order: the name characters by code point, then the family characters in the "
                        "order of 百家姓 and of the surname tables")

    for finding in findings:
        print(finding)
    name_lines = sum(1 for c in order if c in half_set)
    print(f"{len(order)} entries: {name_lines} name characters, {len(order) - name_lines} family-only characters; "
          f"{len(findings)} findings")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
