#!/usr/bin/env python3
"""Writes the character tables of the naming database: data/tables/word.tsv, word1.tsv and word2.tsv.

    tools/make_word_tables.py [--unihan DIR] [--check] [--report]

Inputs
  * Unicode's Unihan database as Debian's `unicode-data` package installs it (DIR/Unihan_*.txt.bz2, default
    /usr/share/unicode): kTraditionalVariant, kBigFive, kFrequency, kRSKangXi, kRSUnicode, kTotalStrokes, kMandarin,
    and kTGH (the character's place in the 通用规范汉字表 of 2013).
  * data/sources/kangxi_radical_strokes.tsv: the 214 Kangxi radicals with their full stroke counts.
  * data/sources/traditional_forms.tsv: the traditional form chosen by hand where a simplified character stands for
    several traditional ones and the automatic choice is not the one names mean.
  * data/sources/name_characters.tsv: the curated given-name characters with gender mark and position.

`word` holds every CJK unified ideograph U+4E00..U+9FA5 that GBK encodes, in code point order.

Stroke count `bh` (the count of five-grid naming practice):
  1. The numerals 一 二 三 四 五 六 七 八 九 十 count their value (1 to 10).
  2. Otherwise the character is replaced by its traditional form: the hand-chosen form of traditional_forms.tsv if
     listed; else, from kTraditionalVariant, the only candidate, or with several candidates the character itself if
     Big5 encodes it, else the most frequent Big5 candidate (kFrequency, then Big5 level 1 before level 2, then
     the order listed); a character without kTraditionalVariant is its own traditional form.
  3. The form's indexing radical and residual strokes come from kRSKangXi, else from the first kRSUnicode value.
     The count is the radical's full Kangxi stroke count plus the residual (氵 counts as 水 4, 艹 as 艸 6, 辶 as 辵 7,
     月 meaning flesh as 肉 6, 钅 as 金 8 ...).
  4. A form with residual 0 or less that is not the radical's own ideograph is a variant shape of the radical
     standing alone (王 for 玉, 才 for 手); it counts its own strokes (kTotalStrokes, the traditional value).

Element `yongtu` (one rule for every character, decided in `element_of`):
  1. By the character's own indexing radical (kRSKangXi, else the first kRSUnicode value):
     水 氵 雨 -> 水;  火 灬 日 -> 火;  木 艹 竹 -> 木;  土 山 石 -> 土;  金 钅 刀 刂 -> 金.
  2. Otherwise by the initial of its first Mandarin reading (kMandarin), the five-sounds grouping:
     b p m f h -> 水;  d t n l -> 火;  g k j q -> 木;  z c s zh ch sh r x -> 金;
     y w, a reading without initial, or no recorded reading -> 土.

`word1` / `word2`: the curated characters marked for the first / second position, in curated order, `ID` from 1;
`bh` and `yongtu` are those of the character's `word` row. Every curated character must be a CJK unified ideograph
U+4E00..U+9FA5 that GBK encodes (so it has its `word` row) and that the 通用规范汉字表 lists (Unihan kTGH), the
characters names can be registered with. A curated character that breaks this, is listed twice, is one of the
refused characters, or has a gender mark other than 男 女 中 or a position other than 1 2 12 stops the tool with
its file and line.

With --check nothing is written: the tables are regenerated in memory and compared with the committed files; the exit
status is 1 when they differ. --report prints counts, shares and the hand-chosen forms to standard error. Bad input
data gives exit status 2. The committed tables were generated from the Unihan data of Unicode 15.0 (Debian 12's
unicode-data); another Unihan version may change a few counts, which --check then reports.
"""

import argparse
import bz2
import sys
import unicodedata
from collections import Counter
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SOURCES = ROOT / "data" / "sources"
TABLES = ROOT / "data" / "tables"

FIRST, LAST = 0x4E00, 0x9FA5
UNIHAN_FIELDS = {
    "kTraditionalVariant",
    "kBigFive",
    "kFrequency",
    "kRSKangXi",
    "kRSUnicode",
    "kTotalStrokes",
    "kMandarin",
    "kTGH",
}
NUMERALS = {c: i + 1 for i, c in enumerate("一二三四五六七八九十")}
GENDERS = ("男", "女", "中")
POSITIONS = ("1", "2", "12")

# The element rule. Radical numbers: 85 水/氵, 173 雨, 86 火/灬, 72 日, 75 木, 140 艸/艹, 118 竹, 32 土, 46 山,
# 112 石, 167 金/钅, 18 刀/刂.
RADICAL_ELEMENTS = {
    85: "水", 173: "水",
    86: "火", 72: "火",
    75: "木", 140: "木", 118: "木",
    32: "土", 46: "土", 112: "土",
    167: "金", 18: "金",
}
INITIAL_ELEMENTS = {
    **dict.fromkeys(("b", "p", "m", "f", "h"), "水"),
    **dict.fromkeys(("d", "t", "n", "l"), "火"),
    **dict.fromkeys(("g", "k", "j", "q"), "木"),
    **dict.fromkeys(("z", "c", "s", "zh", "ch", "sh", "r", "x"), "金"),
    **dict.fromkeys(("y", "w", ""), "土"),
}

# Characters no parent would choose, refused in the curated list as a guard against slips.
REFUSED = set("死亡丧病疾凶苦贱屎尿屁粪鬼魔妖尸棺墓坟葬哭泣悲哀愁忧怨恨仇怒贫穷残废败破衰弱傻呆笨蠢愚丑奴婢妾娼妓"
              "淫奸贼盗杀毒灾祸痛疼疮癌瘟猪狗蛆蛇蝇蛙鼠狼狈蛋秃瞎聋哑瘸跛囚罪刑狱孽惨惧怕恐慌乱骗诈")


class DataError(Exception):
    pass


def read_unihan(directory):
    data = {}
    for path in sorted(Path(directory).glob("Unihan_*.txt.bz2")):
        with bz2.open(path, "rt", encoding="utf-8") as lines:
            for line in lines:
                if line.startswith("#") or not line.strip():
                    continue
                code, field, value = line.rstrip("\n").split("\t", 2)
                if field in UNIHAN_FIELDS:
                    data.setdefault(chr(int(code[2:], 16)), {})[field] = value
    if not data:
        raise DataError(f"no Unihan data in {directory} (install Debian's unicode-data package)")
    return data


def source_lines(path):
    """Yields (line number, tab-separated fields) of the non-empty, non-comment lines of a source file."""
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if line.strip() and not line.startswith("#"):
                yield number, line.split("\t")


def read_radicals():
    strokes, ideographs = {}, {}
    for number, fields in source_lines(SOURCES / "kangxi_radical_strokes.tsv"):
        if fields[0] == "number":
            continue
        strokes[int(fields[0])] = int(fields[2])
        ideographs[int(fields[0])] = fields[1]
    if sorted(strokes) != list(range(1, 215)):
        raise DataError("kangxi_radical_strokes.tsv must list the radicals 1 to 214")
    return strokes, ideographs


def read_overrides():
    """The hand-chosen traditional forms: {character: (form, reason)}."""
    overrides = {}
    for number, fields in source_lines(SOURCES / "traditional_forms.tsv"):
        where = f"traditional_forms.tsv:{number}"
        if len(fields) != 3 or len(fields[0]) != 1 or len(fields[1]) != 1 or not fields[2].strip():
            raise DataError(f"{where}: expected character, traditional form, reason")
        if not FIRST <= ord(fields[0]) <= LAST:
            raise DataError(f"{where}: {fields[0]} is not a CJK unified ideograph of the dictionary")
        if fields[0] in overrides:
            raise DataError(f"{where}: {fields[0]} listed twice")
        overrides[fields[0]] = (fields[1], fields[2])
    return overrides


def read_name_characters(unihan):
    rows, seen = [], {}
    for number, fields in source_lines(SOURCES / "name_characters.tsv"):
        where = f"name_characters.tsv:{number}"
        if len(fields) != 3:
            raise DataError(f"{where}: expected character, gender, position")
        zi, xb, position = fields
        if len(zi) != 1:
            raise DataError(f"{where}: {zi!r} is not one character")
        if zi in seen:
            raise DataError(f"{where}: {zi} already listed on line {seen[zi]}")
        if xb not in GENDERS or position not in POSITIONS:
            raise DataError(f"{where}: gender must be one of {GENDERS}, position one of {POSITIONS}")
        if zi in REFUSED:
            raise DataError(f"{where}: {zi} is not a name character")
        if not FIRST <= ord(zi) <= LAST:
            raise DataError(f"{where}: {zi} is not a CJK unified ideograph U+4E00..U+9FA5")
        try:
            zi.encode("gbk")
        except UnicodeEncodeError:
            raise DataError(f"{where}: {zi} is not encoded by GBK") from None
        if "kTGH" not in unihan.get(zi, {}):
            raise DataError(f"{where}: {zi} is not in the 通用规范汉字表 (no kTGH in Unihan)")
        seen[zi] = number
        rows.append((zi, xb, position))
    return rows


def code_points(value):
    return [chr(int(item.split("<")[0][2:], 16)) for item in value.split()]


def radical_and_residual(entry):
    value = entry.get("kRSKangXi") or entry["kRSUnicode"].split()[0]
    radical, residual = value.split(".")
    return int(radical.rstrip("'")), int(residual)


class Dictionary:
    def __init__(self, unihan, radical_strokes, radical_ideographs, overrides):
        self.unihan = unihan
        self.radical_strokes = radical_strokes
        self.radical_ideographs = radical_ideographs
        self.overrides = overrides
        for character, (form, _) in overrides.items():
            if form not in unihan or not ("kRSKangXi" in unihan[form] or "kRSUnicode" in unihan[form]):
                raise DataError(f"traditional_forms.tsv: the form {form} of {character} has no radical in Unihan")

    def _frequency_rank(self, character):
        entry = self.unihan.get(character, {})
        big5 = int(entry["kBigFive"], 16)
        return (int(entry.get("kFrequency", "6")), 0 if big5 < 0xC940 else 1)

    def traditional_form(self, character):
        if character in self.overrides:
            return self.overrides[character][0]
        candidates = code_points(self.unihan[character].get("kTraditionalVariant", "")) or [character]
        if len(candidates) == 1:
            return candidates[0]
        in_big5 = [c for c in candidates if "kBigFive" in self.unihan.get(c, {})]
        if character in in_big5:
            return character
        if not in_big5:
            return candidates[0]
        return min(in_big5, key=lambda c: (self._frequency_rank(c), candidates.index(c)))

    def strokes(self, character):
        if character in NUMERALS:
            return NUMERALS[character]
        form = self.traditional_form(character)
        entry = self.unihan[form]
        radical, residual = radical_and_residual(entry)
        if residual <= 0 and form != self.radical_ideographs[radical]:
            return int(entry["kTotalStrokes"].split()[-1])
        return self.radical_strokes[radical] + residual

    def element_of(self, character):
        """Returns (element, decided by radical?) by the element rule stated at the top of this file."""
        entry = self.unihan[character]
        radical, _ = radical_and_residual(entry)
        if radical in RADICAL_ELEMENTS:
            return RADICAL_ELEMENTS[radical], True
        return INITIAL_ELEMENTS[initial_of(entry.get("kMandarin", ""))], False


def initial_of(readings):
    reading = "".join(c for c in unicodedata.normalize("NFD", readings.split()[0] if readings else "")
                      if not unicodedata.combining(c))
    for initial in (reading[:2], reading[:1]):
        if initial in INITIAL_ELEMENTS:
            return initial
    return ""


def tsv(header, rows):
    return "".join("\t".join(str(field) for field in row) + "\n" for row in [header, *rows])


def build_tables(dictionary, name_characters):
    word, by_radical = {}, 0
    for code in range(FIRST, LAST + 1):
        character = chr(code)
        try:
            character.encode("gbk")
        except UnicodeEncodeError:
            continue
        element, radical_rule = dictionary.element_of(character)
        strokes = dictionary.strokes(character)
        if not 1 <= strokes <= 64:
            raise DataError(f"{character} U+{code:04X}: stroke count {strokes} out of range")
        by_radical += radical_rule
        word[character] = (strokes, element)
    tables = {"word": tsv(("zi", "bh", "yongtu"), ((zi, bh, yt) for zi, (bh, yt) in word.items()))}
    for table, position in (("word1", "1"), ("word2", "2")):
        chosen = [(zi, xb) for zi, xb, where in name_characters if position in where]
        rows = ((i, zi, *word[zi], xb) for i, (zi, xb) in enumerate(chosen, 1))
        tables[table] = tsv(("ID", "zi", "bh", "yongtu", "xb"), rows)
    return tables, word, by_radical


def report(dictionary, tables, word, by_radical, name_characters):
    out = sys.stderr
    for name, text in tables.items():
        print(f"{name}: {text.count(chr(10)) - 1} rows", file=out)
    print(f"word elements by radical: {by_radical} ({100 * by_radical / len(word):.1f}%), by reading: "
          f"{len(word) - by_radical} ({100 * (len(word) - by_radical) / len(word):.1f}%)", file=out)
    for position in ("1", "2"):
        split = Counter(xb for _, xb, where in name_characters if position in where)
        print(f"word{position} genders: " + " ".join(f"{g} {split[g]}" for g in GENDERS), file=out)
    print("hand-chosen traditional forms:", file=out)
    automatic = Dictionary(dictionary.unihan, dictionary.radical_strokes, dictionary.radical_ideographs, {})
    for zi, (form, reason) in dictionary.overrides.items():
        was = automatic.traditional_form(zi)
        change = "" if was == form else f" (automatic: {was} {automatic.strokes(zi)})"
        print(f"  {zi} -> {form} {word[zi][0]}{change}: {reason}", file=out)
    print("curated characters with several traditional candidates:", file=out)
    for zi, _, _ in name_characters:
        candidates = code_points(dictionary.unihan[zi].get("kTraditionalVariant", ""))
        if len(candidates) > 1:
            chosen = dictionary.traditional_form(zi)
            mark = " (override)" if zi in dictionary.overrides else ""
            print(f"  {zi}: {' '.join(candidates)} -> {chosen} {word[zi][0]}{mark}", file=out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--unihan", default="/usr/share/unicode", help="directory of the Unihan_*.txt.bz2 files")
    parser.add_argument("--check", action="store_true", help="compare with the committed tables, write nothing")
    parser.add_argument("--report", action="store_true", help="print counts and shares to standard error")
    args = parser.parse_args()
    try:
        radical_strokes, radical_ideographs = read_radicals()
        dictionary = Dictionary(read_unihan(args.unihan), radical_strokes, radical_ideographs, read_overrides())
        name_characters = read_name_characters(dictionary.unihan)
        tables, word, by_radical = build_tables(dictionary, name_characters)
    except (DataError, OSError, KeyError, ValueError) as error:
        print(f"make_word_tables: {error}", file=sys.stderr)
        return 2
    if args.report:
        report(dictionary, tables, word, by_radical, name_characters)
    stale = []
    for name, text in tables.items():
        path = TABLES / f"{name}.tsv"
        if args.check:
            committed = path.read_text(encoding="utf-8") if path.exists() else None
            if committed != text:
                stale.append(path.relative_to(ROOT))
        else:
            path.write_text(text, encoding="utf-8", newline="\n")
    if stale:
        print("make_word_tables: out of date, rerun tools/make_word_tables.py: " + ", ".join(map(str, stale)),
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
