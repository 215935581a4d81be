#!/usr/bin/env python3
"""Writes the character knowledge tables: data/knowledge/characters.tsv, surnames.tsv and unfortunate_words.tsv.

    tools/make_knowledge.py [--unihan DIR] [--check]

The build turns these tables (with data/knowledge/verses, see tools/make_verses.py) into characters.db beside hun.mdb.

Inputs
  * Unicode's Unihan database as Debian's `unicode-data` package installs it (DIR/Unihan_*.txt.bz2): the fields that
    tools/make_word_tables.py reads, and the readings kMandarin, kTGHZ2013, kXHC1983 and kHanyuPinyin.
  * data/sources/name_readings.tsv: the reading of a name character where names read it otherwise than kMandarin.
  * data/sources/surname_readings.tsv: family names whose reading differs from the character's usual one, and
    compound family names.
  * data/sources/unfortunate_words.tsv: words a name must not sound like, with their readings, kinds and whether
    they are heard in another tone too.
  * the sources of tools/make_word_tables.py (traditional forms, radical strokes, name characters).

characters.tsv: one row per `word` character (every GBK ideograph U+4E00..U+9FA5, in code point order):
  zi, pinyin (the reading used in names, with tone mark), syllable (that reading without tone, ASCII, ü written v),
  tone (1-4, 5 for the neutral tone, 0 for no recorded reading), readings (every recorded reading, the usual one
  first), level (通用规范汉字表 of 2013 from kTGH: 1 for its numbers 1-3500, 2 for 3501-6500, 3 for 6501-8105, 0
  outside it), traditional (the form whose strokes count), radical (Kangxi radical number of that form), radical_form
  (the radical's full form), radical_strokes, residual, strokes (equal to `bh` of word.tsv), rule (numeral, radical,
  reduced or alone), working (the stroke working in words), element (equal to `yongtu`), element_reason.

Stroke rules: `numeral` 一 to 十 count their value; `radical` the full radical's strokes plus the residual; `reduced`
the same where the form writes the radical in a reduced shape (氵 counted as 水 4, 艹 as 艸 6, 阝 left as 阜 8, 阝
right as 邑 7, 王 as 玉 5 ...); `alone` a variant shape of a radical standing alone counts its own strokes.

surnames.tsv: family, pinyin (syllables separated by spaces), syllables (e.g. "yu4 chi2"), note.
unfortunate_words.tsv: word, pinyin, syllables, kind, other_tones (1 where the source marks the word 近音: crude or
ominous enough that a name with one of its syllables in another tone is teased with it too; else 0), note. Every
reading is checked against the readings Unihan records for the character (a neutral tone is accepted for any reading
of the syllable).

With --check nothing is written: the tables are regenerated in memory and compared with the committed files (exit
status 1 when they differ). Bad input data gives exit status 2.
"""

import argparse
import bz2
import sys
import unicodedata
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import make_word_tables as words  # noqa: E402

ROOT = words.ROOT
SOURCES = words.SOURCES
KNOWLEDGE = ROOT / "data" / "knowledge"

READING_FIELDS = {"kMandarin", "kTGHZ2013", "kXHC1983", "kHanyuPinyin"}
SHAPE_FIELDS = {"kRSAdobe_Japan1_6"}
TONE_MARKS = {"\u0304": 1, "\u0301": 2, "\u030c": 3, "\u0300": 4}
KINDS = ("不祥", "粗俗", "可笑", "地名")
# How a word is heard: 同调 only with its own tones, 近音 also with one of its syllables in another tone.
HEARD = {"同调": 0, "近音": 1}

# Reduced shapes of radicals by (radical number, strokes of the shape as written, the form's total strokes less the
# residual): the shape named in the working. Other differences come from counting the rest otherwise and are no rule.
REDUCED_SHAPES = {
    (61, 3): "忄", (64, 3): "扌", (85, 3): "氵", (90, 3): "丬", (94, 3): "犭", (96, 4): "王", (113, 4): "礻",
    (122, 5): "罒", (125, 4): "耂", (130, 4): "月", (140, 3): "艹", (140, 4): "艹", (145, 5): "衤", (162, 3): "辶",
    (162, 4): "辶", (163, 2): "阝 right", (163, 3): "阝 right",
    (170, 2): "阝 left", (170, 3): "阝 left", (184, 8): "飠",
}
# Reduced radical shapes named in the element reason, by (radical number, strokes of the shape in the simplified
# character): only where the count tells the shape apart (灬 and 火, 刂 and 刀 have the same count).
ELEMENT_SHAPES = {(85, 3): "氵", (140, 3): "艹", (167, 5): "钅"}


def read_readings(directory, unihan):
    """Adds the reading fields and the Adobe-Japan1 radical shapes to the entries of make_word_tables.read_unihan."""
    for name, fields in (("Readings", READING_FIELDS), ("RadicalStrokeCounts", SHAPE_FIELDS)):
        with bz2.open(Path(directory) / f"Unihan_{name}.txt.bz2", "rt", encoding="utf-8") as lines:
            for line in lines:
                if line.startswith("#") or not line.strip():
                    continue
                code, field, value = line.rstrip("\n").split("\t", 2)
                if field in fields:
                    unihan.setdefault(chr(int(code[2:], 16)), {})[field] = value


def split_reading(reading):
    """'zhōng' -> ('zhong', 1); 'lǜ' -> ('lv', 4); a reading without a mark has tone 5 (neutral)."""
    tone, letters = 5, []
    for c in unicodedata.normalize("NFD", reading):
        if c in TONE_MARKS:
            tone = TONE_MARKS[c]
        elif c == "\u0308":
            letters[-1] = "v"
        else:
            letters.append(c)
    syllable = "".join(letters)
    if not syllable.isascii() or not syllable.isalpha() or not syllable.islower():
        raise words.DataError(f"not a pinyin syllable: {reading!r}")
    return syllable, tone


def numbered(reading):
    syllable, tone = split_reading(reading)
    return f"{syllable}{tone}"


def readings_of(entry):
    """Every recorded reading with tone marks, the usual one (kMandarin) first, without repeats."""
    found = entry.get("kMandarin", "").split()
    for item in entry.get("kTGHZ2013", "").split() + entry.get("kXHC1983", "").split():
        found.extend(item.split(":")[1].split(","))
    for item in entry.get("kHanyuPinyin", "").split():
        found.extend(item.split(":")[1].split(","))
    return list(dict.fromkeys(r for r in found if r))


def level_of(entry):
    if "kTGH" not in entry:
        return 0
    number = int(entry["kTGH"].split()[0].split(":")[1])
    return 1 if number <= 3500 else 2 if number <= 6500 else 3


def read_name_readings(unihan):
    chosen = {}
    for number, fields in words.source_lines(SOURCES / "name_readings.tsv"):
        where = f"name_readings.tsv:{number}"
        if len(fields) != 3 or len(fields[0]) != 1 or not fields[2].strip():
            raise words.DataError(f"{where}: expected character, reading, reason")
        zi, reading, _ = fields
        if zi in chosen:
            raise words.DataError(f"{where}: {zi} listed twice")
        if reading not in readings_of(unihan.get(zi, {})):
            raise words.DataError(f"{where}: {reading} is not a recorded reading of {zi}")
        chosen[zi] = reading
    return chosen


def check_word_reading(word, reading, unihan, where):
    syllables = reading.split(" ")
    if len(syllables) != len(word):
        raise words.DataError(f"{where}: {len(word)} characters but {len(syllables)} syllables")
    for zi, syllable in zip(word, syllables):
        known = readings_of(unihan.get(zi, {}))
        plain, tone = split_reading(syllable)
        if syllable in known or (tone == 5 and any(split_reading(r)[0] == plain for r in known)):
            continue
        raise words.DataError(f"{where}: {syllable} is not a recorded reading of {zi} ({' '.join(known)})")


def read_surnames(unihan):
    rows, seen = [], set()
    for number, fields in words.source_lines(SOURCES / "surname_readings.tsv"):
        where = f"surname_readings.tsv:{number}"
        if len(fields) != 3 or not fields[2].strip():
            raise words.DataError(f"{where}: expected family name, reading, note")
        family, reading, note = fields
        if family in seen:
            raise words.DataError(f"{where}: {family} listed twice")
        check_word_reading(family, reading, unihan, where)
        seen.add(family)
        rows.append((family, reading, " ".join(map(numbered, reading.split(" "))), note))
    return sorted(rows, key=lambda row: (len(row[0]), [ord(c) for c in row[0]]))


def read_unfortunate_words(unihan):
    rows, seen = [], {}
    for number, fields in words.source_lines(SOURCES / "unfortunate_words.tsv"):
        where = f"unfortunate_words.tsv:{number}"
        if len(fields) != 5 or not fields[4].strip():
            raise words.DataError(f"{where}: expected word, reading, kind, heard, note")
        word, reading, kind, heard, note = fields
        if not 2 <= len(word) <= 4:
            raise words.DataError(f"{where}: a word of 2 to 4 characters expected")
        if kind not in KINDS:
            raise words.DataError(f"{where}: kind must be one of {KINDS}")
        if heard not in HEARD:
            raise words.DataError(f"{where}: heard must be one of {tuple(HEARD)}")
        if word in seen:
            raise words.DataError(f"{where}: {word} already listed on line {seen[word]}")
        check_word_reading(word, reading, unihan, where)
        seen[word] = number
        rows.append((word, reading, " ".join(map(numbered, reading.split(" "))), kind, HEARD[heard], note))
    return rows


class Working:
    """The stroke working of one character, by the rules of make_word_tables.Dictionary.strokes."""

    def __init__(self, dictionary, character):
        self.form = dictionary.traditional_form(character)
        entry = dictionary.unihan[self.form]
        self.radical, self.residual = words.radical_and_residual(entry)
        self.radical_form = dictionary.radical_ideographs[self.radical]
        self.radical_strokes = dictionary.radical_strokes[self.radical]
        own = int(entry["kTotalStrokes"].split()[-1])
        full = f"{self.radical_form} {self.radical_strokes}"
        if character in words.NUMERALS:
            self.strokes, self.rule = words.NUMERALS[character], "numeral"
            self.working = f"numeral: {character} counts its value {self.strokes}"
        elif self.residual <= 0 and self.form != self.radical_form:
            self.strokes, self.rule = own, "alone"
            self.working = f"{self.form} stands for the radical {self.radical_form} alone: its own {own} strokes"
        else:
            self.strokes = self.radical_strokes + self.residual
            self.working = f"{full} + {self.residual}"
            written = [int(value) - self.residual for value in entry["kTotalStrokes"].split()]
            written += [int(value.split("+")[-1].split(".")[1]) for value in entry.get("kRSAdobe_Japan1_6", "").split()
                        if int(value.split("+")[-1].split(".")[0]) == self.radical]
            shape = next((REDUCED_SHAPES[(self.radical, n)] for n in written if (self.radical, n) in REDUCED_SHAPES),
                         None)
            if self.residual > 0 and shape:
                self.rule = "reduced"
                self.working += f", {shape} as {full}"
            else:
                self.rule = "radical"


def element_reason(dictionary, character):
    element, by_radical = dictionary.element_of(character)
    entry = dictionary.unihan[character]
    if by_radical:
        radical, residual = words.radical_and_residual(entry)
        full = dictionary.radical_ideographs[radical]
        shape = ELEMENT_SHAPES.get((radical, int(entry["kTotalStrokes"].split()[0]) - residual))
        return element, f"{element}: radical {shape} ({full})" if shape else f"{element}: radical {full}"
    reading = entry.get("kMandarin", "").split()
    if not reading:
        return element, f"{element}: no reading recorded"
    initial = words.initial_of(entry["kMandarin"])
    if not initial:
        return element, f"{element}: no initial ({reading[0]})"
    return element, f"{element}: initial {initial}"


def build_characters(dictionary, name_readings):
    header = ("zi", "pinyin", "syllable", "tone", "readings", "level", "traditional", "radical", "radical_form",
              "radical_strokes", "residual", "strokes", "rule", "working", "element", "element_reason")
    rows = []
    for code in range(words.FIRST, words.LAST + 1):
        zi = chr(code)
        try:
            zi.encode("gbk")
        except UnicodeEncodeError:
            continue
        entry = dictionary.unihan[zi]
        readings = readings_of(entry)
        pinyin = name_readings.get(zi, readings[0] if readings else "")
        syllable, tone = split_reading(pinyin) if pinyin else ("", 0)
        work = Working(dictionary, zi)
        element, reason = element_reason(dictionary, zi)
        rows.append((zi, pinyin, syllable, tone, " ".join(readings), level_of(entry), work.form, work.radical,
                     work.radical_form, work.radical_strokes, work.residual, work.strokes, work.rule, work.working,
                     element, reason))
    return words.tsv(header, rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--unihan", default="/usr/share/unicode", help="directory of the Unihan_*.txt.bz2 files")
    parser.add_argument("--check", action="store_true", help="compare with the committed tables, write nothing")
    args = parser.parse_args()
    try:
        radical_strokes, radical_ideographs = words.read_radicals()
        unihan = words.read_unihan(args.unihan)
        read_readings(args.unihan, unihan)
        dictionary = words.Dictionary(unihan, radical_strokes, radical_ideographs, words.read_overrides())
        tables = {
            "characters": build_characters(dictionary, read_name_readings(unihan)),
            "surnames": words.tsv(("family", "pinyin", "syllables", "note"), read_surnames(unihan)),
            "unfortunate_words": words.tsv(("word", "pinyin", "syllables", "kind", "other_tones", "note"),
                                           read_unfortunate_words(unihan)),
        }
    except (words.DataError, OSError, KeyError, ValueError) as error:
        print(f"make_knowledge: {error}", file=sys.stderr)
        return 2
    stale = []
    for name, text in tables.items():
        path = KNOWLEDGE / f"{name}.tsv"
        if args.check:
            committed = path.read_text(encoding="utf-8") if path.exists() else None
            if committed != text:
                stale.append(path.relative_to(ROOT))
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text, encoding="utf-8", newline="\n")
    if stale:
        print("make_knowledge: out of date, rerun tools/make_knowledge.py: " + ", ".join(map(str, stale)),
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
