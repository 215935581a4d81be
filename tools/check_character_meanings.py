#!/usr/bin/env python3
"""Checks data/sources/character_meanings.tsv, what each character means in a name (字义).

    tools/check_character_meanings.py [FILE] [--tables DIR]

The file covers, in this order:
  * every given-name character of the tables word1 and word2 (the distinct `zi` of DIR/word1.tsv and DIR/word2.tsv,
    default data/tables) once, in code point order, with a tier of 1, 2 or 3;
  * then every single family character that is not a name character, once, with the tier "-": the single surnames of
    百家姓 (the text below) in the order of the text, then the single family characters of
    data/knowledge/surnames.tsv and data/sources/surname_readings.tsv in the order of those files.

Each line after the "#" header: zi, tone, tier, gloss (tab-separated).
  tone   褒, 中 or 贬;
  gloss  at most 24 code points, full-width punctuation only, one or more senses ("；" between senses, "，" inside
         one, none empty), ending in one example in full-width parentheses that holds the character. An example is
         a word or phrase of at least two characters; a character listed on the header's "alone:" lines stands by
         itself in its parentheses instead. Every name listed on the header's "names:" lines must be an example.

Prints one line per finding and exits 1 when there is any, 2 when a file cannot be read; else prints the counts by
tone and tier, name characters and family-only characters apart, and exits 0.
"""

import argparse
import re
import sys
from collections import Counter
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

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

TONES = ("褒", "中", "贬")
NAME_TIERS = ("1", "2", "3")
FAMILY_TIER = "-"
MAX_GLOSS = 24
GLOSS_SHAPE = re.compile(r"^([^（）]+)（([^（）]+)）$")
HEADER_LIST = re.compile(r"^#\s+(names|alone):(.*)$")


def name_characters(tables: Path) -> list[str]:
    """Distinct `zi` of word1 and word2, sorted by code point."""
    found = set()
    for name in ("word1.tsv", "word2.tsv"):
        lines = (tables / name).read_text(encoding="utf-8").splitlines()
        column = lines[0].split("\t").index("zi")
        found.update(line.split("\t")[column] for line in lines[1:] if line)
    return sorted(found)


def family_characters() -> list[str]:
    """Single family characters in the order of 百家姓 (main text, then its pairs) and of the surname tables."""
    found = [c for c in BAIJIAXING_MAIN + BAIJIAXING_PAIRS if not c.isspace()]
    for path in (ROOT / "data" / "knowledge" / "surnames.tsv", ROOT / "data" / "sources" / "surname_readings.tsv"):
        for line in path.read_text(encoding="utf-8").splitlines():
            if not line.strip() or line.startswith(("#", "family\t")):
                continue
            family = line.split("\t")[0]
            if len(family) == 1:
                found.append(family)
    return list(dict.fromkeys(found))


def gloss_findings(zi: str, gloss: str, alone: set[str]) -> tuple[list[str], str | None]:
    """The faults of one gloss, and its example when the shape allows reading it."""
    findings = []
    if len(gloss) > MAX_GLOSS:
        findings.append(f"gloss has {len(gloss)} code points, more than {MAX_GLOSS}")
    if any(ord(c) < 0x80 for c in gloss):
        findings.append("gloss holds an ASCII character (use full-width punctuation)")
    match = GLOSS_SHAPE.match(gloss)
    if not match:
        findings.append("gloss must end in exactly one example in full-width parentheses")
        return findings, None
    senses, example = match.groups()
    if any(not part for part in re.split("[；，]", senses)) or senses[-1] in "。、：":
        findings.append("gloss has an empty sense or ends its senses in punctuation")
    if zi not in example:
        findings.append(f"example 「{example}」 does not hold {zi}")
    elif zi in alone and example != zi:
        findings.append(f"{zi} is listed as alone, so its example is the character itself")
    elif zi not in alone and len(example) < 2:
        findings.append(f"example 「{example}」 is a single character but {zi} is not listed as alone")
    return findings, example


def check(path: Path, names: list[str], families: list[str]) -> tuple[list[str], dict[str, Counter]]:
    lines = path.read_text(encoding="utf-8").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    findings = []
    if not lines or not lines[0].startswith("#"):
        findings.append(f"{path}:1: the file does not open with its '#' header")

    listed = {"names": [], "alone": []}
    entries = []  # (line number, fields)
    for number, line in enumerate(lines, 1):
        if line.startswith("#"):
            if entries:
                findings.append(f"{path}:{number}: comment after the first entry")
            elif match := HEADER_LIST.match(line):
                listed[match.group(1)].extend(match.group(2).split())
            continue
        entries.append((number, line.split("\t")))
    alone = set(listed["alone"])

    name_set, family_set = set(names), set(families) - set(names)
    family_order = [c for c in families if c in family_set]
    seen, order, examples = {}, [], set()
    counts = {"name": Counter(), "family": Counter()}
    for number, fields in entries:
        where = f"{path}:{number}"
        if len(fields) != 4:
            findings.append(f"{where}: {len(fields)} tab-separated fields, not 4")
            continue
        zi, tone, tier, gloss = fields
        if len(zi) != 1:
            findings.append(f"{where}: '{zi}' is not one character")
            continue
        where = f"{where} ({zi})"
        if zi in seen:
            findings.append(f"{where}: listed again (first on line {seen[zi]})")
            continue
        seen[zi] = number
        order.append(zi)
        if zi in name_set:
            kind = "name"
            if tier not in NAME_TIERS:
                findings.append(f"{where}: tier '{tier}' of a name character is not 1, 2 or 3")
        elif zi in family_set:
            kind = "family"
            if tier != FAMILY_TIER:
                findings.append(f"{where}: tier '{tier}' of a family-only character is not '-'")
        else:
            findings.append(f"{where}: neither a character of word1/word2 nor a single family character")
            continue
        if tone not in TONES:
            findings.append(f"{where}: tone '{tone}' is not 褒, 中 or 贬")
        faults, example = gloss_findings(zi, gloss, alone)
        findings.extend(f"{where}: {fault}" for fault in faults)
        examples.add(example)
        counts[kind][tone] += 1
        counts[kind]["tier " + tier] += 1

    missing_names = [c for c in names if c not in seen]
    missing_families = [c for c in family_order if c not in seen]
    if missing_names:
        findings.append(f"{path}: {len(missing_names)} name characters missing: {''.join(missing_names)}")
    if missing_families:
        findings.append(f"{path}: {len(missing_families)} family characters missing: {''.join(missing_families)}")
    expected = [c for c in names if c in seen] + [c for c in family_order if c in seen]
    if order != expected:
        first = next(i for i, (a, b) in enumerate(zip(order, expected + [""] * len(order))) if a != b)
        findings.append(f"{path}: entries out of order from {order[first]} on: the name characters by code point, "
                        "then the family characters in the order of 百家姓 and of the surname tables")
    for name in listed["names"]:
        if name not in examples:
            findings.append(f"{path}: the header lists 「{name}」 among the names, but no entry has it as example")
    for zi in alone - name_set - family_set:
        findings.append(f"{path}: the header lists {zi} as alone, but it is no character of the file")
    return findings, counts


def summary(counts: Counter, tiers: tuple[str, ...]) -> str:
    total = sum(counts[t] for t in TONES)
    tones = " ".join(f"{t} {counts[t]}" for t in TONES)
    return f"{total} ({tones}; " + ", ".join(f"tier {t} {counts['tier ' + t]}" for t in tiers) + ")"


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("file", type=Path, nargs="?", default=ROOT / "data" / "sources" / "character_meanings.tsv")
    parser.add_argument("--tables", type=Path, default=ROOT / "data" / "tables")
    args = parser.parse_args()
    try:
        findings, counts = check(args.file, name_characters(args.tables), family_characters())
    except (OSError, UnicodeDecodeError, ValueError) as error:
        print(error, file=sys.stderr)
        return 2
    for finding in findings:
        print(finding)
    if findings:
        return 1
    print("name characters:", summary(counts["name"], NAME_TIERS))
    print("family-only characters:", summary(counts["family"], (FAMILY_TIER,)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
