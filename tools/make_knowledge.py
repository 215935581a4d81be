#!/usr/bin/env python3
"""Writes the character knowledge tables: data/knowledge/characters.tsv, surnames.tsv, unfortunate_words.tsv,
character_meanings.tsv, everyday_words.tsv and place_characters.tsv.

    tools/make_knowledge.py [--unihan DIR] [--check]

The build turns these tables (with data/knowledge/verses, see tools/make_verses.py) into characters.db beside hun.mdb.

Inputs
  * Unicode's Unihan database as Debian's `unicode-data` package installs it (DIR/Unihan_*.txt.bz2): the fields that
    tools/make_word_tables.py reads.
  * the readings of tools/readings.py: data/sources/name_readings.tsv (the readings of name characters),
    bai_jia_xing.tsv (百家姓 with the reading of every surname) and surname_readings.tsv (other family names).
  * data/sources/unfortunate_words.tsv: words a name must not sound like, with their readings, kinds and whether
    they are heard in another tone too.
  * the sources of tools/make_word_tables.py (traditional forms, radical strokes, name characters).

characters.tsv: one row per `word` character (every GBK ideograph U+4E00..U+9FA5, in code point order):
  zi, pinyin (the name reading of tools/readings.py, with tone mark), syllable (that reading without tone, ASCII, ü
  written v), tone (1-4, 5 for the neutral tone, 0 for no recorded reading), readings (every recorded reading, the
  name reading first), level (通用规范汉字表 of 2013 from kTGH: 1 for its numbers 1-3500, 2 for 3501-6500, 3 for
  6501-8105, 0 outside it), traditional (the form whose strokes count), radical (Kangxi radical number of that form),
  radical_form (the radical's full form), radical_strokes, residual (the strokes beside the radical that count),
  strokes (equal to `bh` of word.tsv), rule (numeral, radical, reduced or alone), working (the stroke working, in
  Chinese), element (by the name reading; equal to `yongtu` of word1.tsv and word2.tsv), element_reason (in Chinese),
  glyph_strokes (the traditional form's own stroke count, kTotalStrokes), family_element and family_element_reason
  (by the family reading, for a character that is a listed family name on its own; equal to `yongtu` of word.tsv;
  empty for other characters).

Stroke rules (tools/make_word_tables.py states them in full): `numeral` 一 to 十 count their value; `radical` the
full radical's strokes plus the residual; `reduced` the same where the form writes the radical in a reduced shape (氵
counted as 水 4, 艹 as 艸 6, 阝 left as 阜 8, 阝 right as 邑 7, 王 as 玉 5 ...); `alone` a variant shape of a radical
standing alone counts its own strokes. The residual is the dictionary's, raised to the glyph's where the glyph has
more strokes beside the radical (the working then says so). Workings read "水 4 + 3，氵按水计 4", "数字三按其值计 3";
element reasons "水：部首氵（水）", "金：声母 sh", "土：无声母（ān）", a family element by another reading than the
name reading "金：声母 sh（姓读 shàn）".

surnames.tsv: family, pinyin (syllables separated by spaces), syllables (e.g. "yu4 chi2"), note.
unfortunate_words.tsv: word, pinyin, syllables, kind, other_tones (1 where the source marks the word 近音: crude or
ominous enough that a name with one of its syllables in another tone is teased with it too; else 0), note. Every
reading is checked against the readings Unihan records for the character (a neutral tone is accepted for any reading
of the syllable).

character_meanings.tsv: zi, tone (褒 中 贬), tier (1 much used in given names today, 2 ordinary, 3 rare in names, 0
for a character that is only a family name), gloss: the rows of data/sources/character_meanings.tsv in its order,
after tools/check_character_meanings.py found no fault in it.
everyday_words.tsv: word, kind (词 or 地名), note (empty where the source has "-"): data/sources/everyday_words.tsv.
place_characters.tsv: zi, place, note: data/sources/place_characters.tsv.

With --check nothing is written: the tables are regenerated in memory and compared with the committed files (exit
status 1 when they differ). Bad input data gives exit status 2.
"""

import argparse
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import check_character_meanings as meanings  # noqa: E402
import make_word_tables as words  # noqa: E402
import readings as reading_rules  # noqa: E402
from readings import numbered, split_reading, recorded_readings as readings_of  # noqa: E402

ROOT = words.ROOT
SOURCES = words.SOURCES
KNOWLEDGE = ROOT / "data" / "knowledge"

KINDS = ("不祥", "粗俗", "可笑", "地名")
# How a word is heard: 同调 only with its own tones, 近音 also with one of its syllables in another tone.
HEARD = {"同调": 0, "近音": 1}

# Reduced radical shapes named in the element reason, by (radical number, strokes of the shape in the simplified
# character): only where the count tells the shape apart (灬 and 火, 刂 and 刀 have the same count).
ELEMENT_SHAPES = {(85, 3): "氵", (140, 3): "艹", (167, 5): "钅"}


def level_of(entry):
    if "kTGH" not in entry:
        return 0
    number = int(entry["kTGH"].split()[0].split(":")[1])
    return 1 if number <= 3500 else 2 if number <= 6500 else 3


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


def read_character_meanings():
    """The rows of the hand-written meanings, refused unless tools/check_character_meanings.py finds no fault."""
    path = SOURCES / "character_meanings.tsv"
    findings, _ = meanings.check(path, meanings.name_characters(ROOT / "data" / "tables"),
                                 meanings.family_characters())
    if findings:
        raise words.DataError(f"{len(findings)} faults, the first: {findings[0]}")
    return [(zi, tone, 0 if tier == meanings.FAMILY_TIER else int(tier), gloss)
            for _, (zi, tone, tier, gloss) in words.source_lines(path)]


def read_pairs_list(name, width, check_key):
    """The rows of a hand-written list of `width` fields whose first field `check_key` accepts, each key once; a
    note "-" becomes empty."""
    rows, seen = [], {}
    for number, fields in words.source_lines(SOURCES / name):
        where = f"{name}:{number}"
        if len(fields) != width or not all(fields):
            raise words.DataError(f"{where}: expected {width} non-empty fields")
        if not check_key(fields):
            raise words.DataError(f"{where}: bad entry {fields[0]}")
        if fields[0] in seen:
            raise words.DataError(f"{where}: {fields[0]} already listed on line {seen[fields[0]]}")
        seen[fields[0]] = number
        rows.append((*fields[:-1], "" if fields[-1] == "-" else fields[-1]))
    return rows


def is_ideographs(text, count):
    return len(text) == count and all(words.FIRST <= ord(c) <= words.LAST for c in text)


def stroke_working(dictionary, character):
    """The stroke working of a character in Chinese, as the details show it after the count."""
    work = dictionary.working(character)
    radical_form = dictionary.radical_ideographs[work.radical]
    radical_strokes = dictionary.radical_strokes[work.radical]
    if work.rule == "numeral":
        return work, f"数字{character}按其值计 {work.strokes}"
    if work.rule == "alone":
        return work, f"{work.form}为部首{radical_form}的变体单独成字，按本字计 {work.strokes} 画"
    text = f"{radical_form} {radical_strokes} + {work.residual}"
    if work.rule == "reduced":
        text += f"，{work.shape}按{radical_form}计 {radical_strokes}"
    if work.residual > work.listed:
        text += f"，部首外按字形计，字典作 {work.listed}"
    return work, text


def element_reason(dictionary, character, reading, family_reading=None):
    """(element, reason in Chinese) of a character read `reading`; `family_reading` where the character stands as a
    family name (named in the reason where the element follows it and it differs from `reading`)."""
    used = family_reading or reading
    element, by_radical = dictionary.element_of(character, used)
    entry = dictionary.unihan[character]
    if by_radical:
        radical, residual = words.radical_and_residual(entry)
        full = dictionary.radical_ideographs[radical]
        shape = ELEMENT_SHAPES.get((radical, int(entry["kTotalStrokes"].split()[0]) - residual))
        return element, f"{element}：部首{shape}（{full}）" if shape else f"{element}：部首{full}"
    if not used:
        return element, f"{element}：无读音记录"
    note = f"（姓读 {used}）" if family_reading and family_reading != reading else ""
    initial = words.initial_of(used)
    if not initial:
        return element, f"{element}：无声母" + (note or f"（{used}）")
    return element, f"{element}：声母 {initial}{note}"


def build_characters(dictionary, readings):
    header = ("zi", "pinyin", "syllable", "tone", "readings", "level", "traditional", "radical", "radical_form",
              "radical_strokes", "residual", "strokes", "rule", "working", "element", "element_reason",
              "glyph_strokes", "family_element", "family_element_reason")
    rows = []
    for code in range(words.FIRST, words.LAST + 1):
        zi = chr(code)
        try:
            zi.encode("gbk")
        except UnicodeEncodeError:
            continue
        entry = dictionary.unihan[zi]
        pinyin = readings.name(zi)
        syllable, tone = split_reading(pinyin) if pinyin else ("", 0)
        work, working = stroke_working(dictionary, zi)
        element, reason = element_reason(dictionary, zi, pinyin)
        family = readings.family(zi)
        family_element, family_reason = element_reason(dictionary, zi, pinyin, family) if family else ("", "")
        rows.append((zi, pinyin, syllable, tone, " ".join(reading_rules.readings_in_order(entry, pinyin)),
                     level_of(entry), work.form, work.radical, dictionary.radical_ideographs[work.radical],
                     dictionary.radical_strokes[work.radical], work.residual, work.strokes, work.rule, working,
                     element, reason, work.glyph, family_element, family_reason))
    return words.tsv(header, rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--unihan", default="/usr/share/unicode", help="directory of the Unihan_*.txt.bz2 files")
    parser.add_argument("--check", action="store_true", help="compare with the committed tables, write nothing")
    args = parser.parse_args()
    try:
        radical_strokes, radical_ideographs = words.read_radicals()
        unihan = words.read_unihan(args.unihan)
        dictionary = words.Dictionary(unihan, radical_strokes, radical_ideographs, words.read_overrides())
        readings = reading_rules.Readings(unihan, [zi for zi, _, _ in words.read_name_characters(unihan)])
        tables = {
            "characters": build_characters(dictionary, readings),
            "surnames": words.tsv(("family", "pinyin", "syllables", "note"), readings.surname_rows()),
            "unfortunate_words": words.tsv(("word", "pinyin", "syllables", "kind", "other_tones", "note"),
                                           read_unfortunate_words(unihan)),
            "character_meanings": words.tsv(("zi", "tone", "tier", "gloss"), read_character_meanings()),
            "everyday_words": words.tsv(("word", "kind", "note"), read_pairs_list(
                "everyday_words.tsv", 3, lambda f: is_ideographs(f[0], 2) and f[1] in ("词", "地名"))),
            "place_characters": words.tsv(("zi", "place", "note"), read_pairs_list(
                "place_characters.tsv", 3, lambda f: is_ideographs(f[0], 1))),
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
