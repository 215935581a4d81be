#!/usr/bin/env python3
"""Writes the character tables of the naming database: data/tables/word.tsv, word1.tsv and word2.tsv.

    tools/make_word_tables.py [--unihan DIR] [--check] [--report]

Inputs
  * Unicode's Unihan database as Debian's `unicode-data` package installs it (DIR/Unihan_*.txt.bz2, default
    /usr/share/unicode): kTraditionalVariant, kBigFive, kFrequency, kRSKangXi, kRSUnicode, kRSAdobe_Japan1_6 (the
    strokes of the radical as a glyph writes it), kTotalStrokes, kTGH (the character's place in the 通用规范汉字表 of
    2013) and the readings kMandarin, kTGHZ2013, kXHC1983 and kHanyuPinyin.
  * the readings of tools/readings.py: data/sources/name_readings.tsv, bai_jia_xing.tsv and surname_readings.tsv.
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
  3. The form's indexing radical counts with its full Kangxi strokes (氵 counts as 水 4, 艹 as 艸 6, 辶 as 辵 7, 月
     meaning flesh as 肉 6, 钅 as 金 8 ...), the rest of the form with its own strokes. That rest is counted twice and
     the larger count holds:
       - by the dictionary: the residual strokes of kRSKangXi, else of the first kRSUnicode value (the place of the
         character in the Kangxi dictionary);
       - by the glyph: the form's own stroke count (kTotalStrokes, its traditional value) less the strokes of the
         radical as the form writes it (the reduced shape's strokes where it is written reduced).
     The dictionary's residual is sometimes one short of the glyph (露 is placed at 雨 + 12 but writes 雨 + 路 13,
     so it counts 21, not 20); the glyph count is lower where the modern glyph writes a part with fewer strokes than
     the Kangxi form (建 writes 廴 with 2), and the Kangxi count stays. So no count is below the form's own stroke
     count. For a curated name character the two counts may differ by at most 2; more stops the tool, to be looked
     at (usually a wrong traditional form).
  4. A form with residual 0 or less that is not the radical's own ideograph is a variant shape of the radical
     standing alone (王 for 玉, 才 for 手); it counts its own strokes (kTotalStrokes, the traditional value).

Element `yongtu` (one rule for every character, decided in `element_of`):
  1. By the character's own indexing radical (kRSKangXi, else the first kRSUnicode value):
     水 氵 雨 -> 水;  火 灬 日 -> 火;  木 艹 竹 -> 木;  土 山 石 -> 土;  金 钅 刀 刂 -> 金.
  2. Otherwise by the initial of the reading the character is read with (tools/readings.py): in `word`, which serves
     the family character, the family reading where the character is a listed family name (单 shàn, 区 ōu, 仇 qiú),
     else the name reading; in `word1` and `word2` the name reading. The five-sounds grouping:
     b p m f h -> 水;  d t n l -> 火;  g k j q -> 木;  z c s zh ch sh r x -> 金;
     y w, a reading without initial, or no recorded reading -> 土.

`word1` / `word2`: the curated characters marked for the first / second position, in curated order, `ID` from 1;
`bh` is that of the character's `word` row, `yongtu` follows the name reading. Every curated character must be a CJK unified ideograph
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
from typing import NamedTuple

sys.path.insert(0, str(Path(__file__).resolve().parent))
import readings as reading_rules  # noqa: E402
from readings import DataError, source_lines  # noqa: E402,F401  (make_knowledge.py uses them from here)

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
    "kTGHZ2013",
    "kXHC1983",
    "kHanyuPinyin",
    "kRSAdobe_Japan1_6",
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


# Reduced shapes of radicals by (radical number, strokes of the shape as the glyph writes it). A shape is recognised
# where the form's total strokes less its dictionary residual, or the radical strokes of its Adobe-Japan1 glyph, equal
# such a count.
REDUCED_SHAPES = {
    (61, 3): "忄", (64, 3): "扌", (85, 3): "氵", (90, 3): "丬", (94, 3): "犭", (96, 4): "王", (113, 4): "礻",
    (122, 5): "罒", (125, 4): "耂", (130, 4): "月", (140, 3): "艹", (140, 4): "艹", (145, 5): "衤", (162, 3): "辶",
    (162, 4): "辶", (163, 2): "右阝", (163, 3): "右阝", (170, 2): "左阝", (170, 3): "左阝", (184, 8): "飠",
}
# How far the two counts of a curated name character may differ before the tool stops (rule 3 above).
NAME_COUNT_TOLERANCE = 2


class StrokeWorking(NamedTuple):
    """How the count of one character comes about (the stroke rules above)."""

    form: str  # the traditional form whose strokes count
    radical: int  # its Kangxi radical number
    rule: str  # numeral, radical, reduced (the radical written in a reduced shape) or alone
    strokes: int  # the count
    residual: int  # the strokes beside the radical that count: the larger of the next two
    listed: int  # the dictionary's residual (kRSKangXi, else kRSUnicode)
    glyph_residual: int  # the glyph's strokes beside the radical
    glyph: int  # the form's own stroke count (kTotalStrokes, its traditional value)
    shape: str  # the reduced shape of the radical ("氵"), "" where it is written in full

    @property
    def by_glyph(self):
        """The count by the glyph alone: its strokes beside the radical with the radical's full strokes."""
        return self.strokes - self.residual + self.glyph_residual


def _adobe_radical_strokes(entry, radical):
    """The strokes of `radical` as the Adobe-Japan1 glyphs of `entry` write it."""
    return [int(value.split("+")[-1].split(".")[1]) for value in entry.get("kRSAdobe_Japan1_6", "").split()
            if int(value.split("+")[-1].split(".")[0]) == radical]


def reduced_shape(entry, radical, listed):
    """The reduced shape of a radical written so in the form of `entry` ("氵"), or ""."""
    written = [int(value) - listed for value in entry["kTotalStrokes"].split()] + _adobe_radical_strokes(entry, radical)
    return next((REDUCED_SHAPES[(radical, n)] for n in written if (radical, n) in REDUCED_SHAPES), "")


def glyph_residual(entry, radical, listed, full):
    """The strokes of the form beside its radical, from each of its stroke counts (kTotalStrokes gives the mainland's
    and Taiwan's where they differ, 范 8 and 9: 艹 written with 3 or 4 strokes) less the radical as that glyph writes
    it: a reduced shape where the count less the dictionary's residual is one (范 8 - 5 and 9 - 5: 艹 3 and 艹 4), else
    the reduced shape of the Adobe-Japan1 glyph (璐: 王 4), else the full radical (露: 雨 8). The largest holds."""
    adobe = [n for n in _adobe_radical_strokes(entry, radical) if (radical, n) in REDUCED_SHAPES]
    found = []
    for total in (int(value) for value in entry["kTotalStrokes"].split()):
        if (radical, total - listed) in REDUCED_SHAPES:
            found.append(listed)
        else:
            found.append(total - (adobe[0] if adobe else full))
    return max(found)


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

    def working(self, character):
        """The StrokeWorking of a character by the stroke rules stated at the top of this file."""
        form = self.traditional_form(character)
        entry = self.unihan[form]
        radical, listed = radical_and_residual(entry)
        glyph = int(entry["kTotalStrokes"].split()[-1])
        full = self.radical_strokes[radical]
        if character in NUMERALS:
            return StrokeWorking(form, radical, "numeral", NUMERALS[character], listed, listed, listed, glyph, "")
        if listed <= 0 and form != self.radical_ideographs[radical]:
            return StrokeWorking(form, radical, "alone", glyph, listed, listed, listed, glyph, "")
        shape = reduced_shape(entry, radical, listed)
        from_glyph = glyph_residual(entry, radical, listed, full)
        residual = max(listed, from_glyph)
        rule = "reduced" if shape and residual > 0 else "radical"
        return StrokeWorking(form, radical, rule, full + residual, residual, listed, from_glyph, glyph, shape)

    def strokes(self, character):
        return self.working(character).strokes

    def element_of(self, character, reading):
        """Returns (element, decided by radical?) by the element rule stated at the top of this file, `reading` being
        the reading the character is read with."""
        radical, _ = radical_and_residual(self.unihan[character])
        if radical in RADICAL_ELEMENTS:
            return RADICAL_ELEMENTS[radical], True
        return INITIAL_ELEMENTS[initial_of(reading)], False


def initial_of(reading):
    """The initial of one reading ("zh" of "zhōng"), "" for a reading without one."""
    plain = "".join(c for c in unicodedata.normalize("NFD", reading) if not unicodedata.combining(c))
    for initial in (plain[:2], plain[:1]):
        if initial in INITIAL_ELEMENTS:
            return initial
    return ""


def tsv(header, rows):
    return "".join("\t".join(str(field) for field in row) + "\n" for row in [header, *rows])


def build_tables(dictionary, name_characters, readings):
    word, by_radical, names = {}, 0, {zi for zi, _, _ in name_characters}
    for code in range(FIRST, LAST + 1):
        character = chr(code)
        try:
            character.encode("gbk")
        except UnicodeEncodeError:
            continue
        element, radical_rule = dictionary.element_of(character, readings.family(character) or
                                                      readings.name(character))
        working = dictionary.working(character)
        if not 1 <= working.strokes <= 64:
            raise DataError(f"{character} U+{code:04X}: stroke count {working.strokes} out of range")
        if working.rule != "numeral" and working.strokes < working.glyph:
            raise DataError(f"{character} U+{code:04X}: count {working.strokes} below the {working.glyph} strokes of "
                            f"{working.form}")
        if (character in names and working.rule != "numeral" and
                abs(working.strokes - working.by_glyph) > NAME_COUNT_TOLERANCE):
            raise DataError(f"{character}: the dictionary counts {working.form} {working.strokes}, its glyph "
                            f"{working.by_glyph}; check its traditional form")
        by_radical += radical_rule
        word[character] = (working.strokes, element)
    tables = {"word": tsv(("zi", "bh", "yongtu"), ((zi, bh, yt) for zi, (bh, yt) in word.items()))}
    for table, position in (("word1", "1"), ("word2", "2")):
        chosen = [(zi, xb) for zi, xb, where in name_characters if position in where]
        rows = ((i, zi, word[zi][0], dictionary.element_of(zi, readings.name(zi))[0], xb)
                for i, (zi, xb) in enumerate(chosen, 1))
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
    workings = {zi: dictionary.working(zi) for zi in word}
    raised = [zi for zi, w in workings.items() if w.residual > w.listed and w.rule in ("radical", "reduced")]
    lower = [zi for zi, w in workings.items() if w.by_glyph < w.strokes and w.rule in ("radical", "reduced")]
    names = {zi for zi, _, _ in name_characters}
    print(f"counts raised to the glyph above the dictionary's residual: {len(raised)}, of them name characters: "
          + " ".join(f"{zi} {workings[zi].listed + dictionary.radical_strokes[workings[zi].radical]}->"
                   f"{workings[zi].strokes}" for zi in raised if zi in names), file=out)
    print(f"glyph counts below the dictionary's (the Kangxi count stays): {len(lower)}, of them name characters "
          f"{sum(zi in names for zi in lower)}", file=out)


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
        readings = reading_rules.Readings(dictionary.unihan, [zi for zi, _, _ in name_characters])
        tables, word, by_radical = build_tables(dictionary, name_characters, readings)
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
