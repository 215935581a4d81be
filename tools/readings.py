"""The readings of characters, shared by tools/make_word_tables.py and tools/make_knowledge.py.

Three readings of a character matter:
  * the usual reading: kMandarin's first value (the one preferred for the mainland) where the 通用规范汉字字典 of 2013
    (kTGHZ2013) records it or records no reading at all, else that dictionary's first reading. Unihan's kMandarin
    keeps some old or other-standard readings first (子 zi, 罗 luō, 卓 zhuō, 绩 jī, 珩 háng), which the 2013 standard
    corrects;
  * the name reading, the reading of a character in a given name: the curated reading of
    data/sources/name_readings.tsv, else the usual reading. Every given-name character of data/sources/
    name_characters.tsv with more than one reading in the modern dictionaries (kMandarin, kTGHZ2013, kXHC1983) must
    have a curated row, so that no name character is read by whichever reading Unihan happens to list first;
  * the family reading, the reading a family name takes: every surname of 百家姓 (data/sources/bai_jia_xing.tsv, the
    text in its order) and the other family names of data/sources/surname_readings.tsv. Each row's reading must be one
    that Unihan records for the character; a character with more than one modern reading carries a note saying why.
"""

import unicodedata
from pathlib import Path

SOURCES = Path(__file__).resolve().parent.parent / "data" / "sources"
TONE_MARKS = {"\u0304": 1, "\u0301": 2, "\u030c": 3, "\u0300": 4}
BAI_JIA_XING_END = "百家姓终"


class DataError(Exception):
    pass


def source_lines(path):
    """Yields (line number, tab-separated fields) of the non-empty, non-comment lines of a source file."""
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if line.strip() and not line.startswith("#"):
                yield number, line.split("\t")


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
        raise DataError(f"not a pinyin syllable: {reading!r}")
    return syllable, tone


def numbered(reading):
    syllable, tone = split_reading(reading)
    return f"{syllable}{tone}"


def _dictionary_readings(entry, field):
    """The readings of a dictionary field ("489.180:zhuó 490.010:zhuō,zhuo") in the order listed."""
    found = []
    for item in entry.get(field, "").split():
        found.extend(item.split(":")[1].split(","))
    return found


def modern_readings(entry):
    """The readings of the modern dictionaries (kMandarin, kTGHZ2013, kXHC1983), without repeats."""
    found = entry.get("kMandarin", "").split()
    found += _dictionary_readings(entry, "kTGHZ2013") + _dictionary_readings(entry, "kXHC1983")
    return list(dict.fromkeys(r for r in found if r))


def recorded_readings(entry):
    """Every reading Unihan records (the modern dictionaries and kHanyuPinyin), without repeats."""
    found = modern_readings(entry) + _dictionary_readings(entry, "kHanyuPinyin")
    return list(dict.fromkeys(r for r in found if r))


def usual_reading(entry):
    """The usual reading as stated at the top of this file; "" for a character without any recorded reading."""
    mandarin = entry.get("kMandarin", "").split()
    standard = _dictionary_readings(entry, "kTGHZ2013")
    if mandarin and (not standard or mandarin[0] in standard):
        return mandarin[0]
    if standard:
        return standard[0]
    recorded = recorded_readings(entry)
    return recorded[0] if recorded else ""


def readings_in_order(entry, first):
    """Every recorded reading, `first` (the reading used) leading."""
    return list(dict.fromkeys(([first] if first else []) + recorded_readings(entry)))


def check_reading(text, reading, unihan, where):
    """Each syllable of `reading` must be a reading Unihan records for its character of `text`."""
    syllables = reading.split(" ")
    if len(syllables) != len(text):
        raise DataError(f"{where}: {len(text)} characters but {len(syllables)} syllables")
    for zi, syllable in zip(text, syllables):
        split_reading(syllable)
        if syllable not in recorded_readings(unihan.get(zi, {})):
            raise DataError(f"{where}: {syllable} is not a recorded reading of {zi}")


def is_polyphonic(text, unihan):
    return any(len(modern_readings(unihan.get(zi, {}))) > 1 for zi in text)


def _read_name_readings(unihan):
    chosen = {}
    for number, fields in source_lines(SOURCES / "name_readings.tsv"):
        where = f"name_readings.tsv:{number}"
        if len(fields) != 3 or len(fields[0]) != 1 or not fields[2].strip():
            raise DataError(f"{where}: expected character, reading, reason")
        zi, reading, _ = fields
        if zi in chosen:
            raise DataError(f"{where}: {zi} listed twice")
        check_reading(zi, reading, unihan, where)
        chosen[zi] = reading
    return chosen


def _bai_jia_xing_rows():
    """(surname, reading, note, line) of bai_jia_xing.tsv in the order of the text, repeats included."""
    rows = []
    for number, fields in source_lines(SOURCES / "bai_jia_xing.tsv"):
        where = f"bai_jia_xing.tsv:{number}"
        if fields == [BAI_JIA_XING_END]:
            return rows
        if len(fields) not in (2, 3) or not 1 <= len(fields[0]) <= 2:
            raise DataError(f"{where}: expected surname (one or two characters), reading, note")
        family, reading, note = fields[0], fields[1], fields[2].strip() if len(fields) == 3 else ""
        rows.append((family, reading, note, where))
    raise DataError(f"bai_jia_xing.tsv: the text must end with the line {BAI_JIA_XING_END}")


def _surname_table(unihan):
    """{family: (reading, note)} of both family-name sources, each reading checked."""
    table = {}
    for family, reading, note, where in _bai_jia_xing_rows():
        check_reading(family, reading, unihan, where)
        if family in table:
            if table[family][0] != reading:
                raise DataError(f"{where}: {family} repeats with another reading")
            continue
        if is_polyphonic(family, unihan) and not note:
            raise DataError(f"{where}: {family} has several readings: say why it reads {reading}")
        table[family] = (reading, "百家姓" + (f"; {note}" if note else ""))
    for number, fields in source_lines(SOURCES / "surname_readings.tsv"):
        where = f"surname_readings.tsv:{number}"
        if len(fields) != 3 or not fields[2].strip():
            raise DataError(f"{where}: expected family name, reading, note")
        family, reading, note = fields
        if family in table:
            raise DataError(f"{where}: {family} is listed already (百家姓 or above)")
        check_reading(family, reading, unihan, where)
        table[family] = (reading, note)
    return table


class Readings:
    """The usual, name and family readings of the characters of Unihan (the entries of make_word_tables.read_unihan)
    for the curated given-name characters `name_characters` (an iterable of characters)."""

    def __init__(self, unihan, name_characters):
        self.unihan = unihan
        self.curated = _read_name_readings(unihan)
        self.surnames = _surname_table(unihan)
        missing = [zi for zi in name_characters
                   if zi not in self.curated and len(modern_readings(unihan.get(zi, {}))) > 1]
        if missing:
            raise DataError("name_readings.tsv: name characters with several readings need a curated reading: " +
                            " ".join(missing))

    def usual(self, zi):
        return usual_reading(self.unihan.get(zi, {}))

    def name(self, zi):
        """The reading of `zi` in a given name ("" when none is recorded)."""
        return self.curated.get(zi) or self.usual(zi)

    def family(self, zi):
        """The reading of `zi` standing alone as a family name, None when it is no listed family name."""
        row = self.surnames.get(zi)
        return row[0] if row else None

    def surname_rows(self):
        """(family, pinyin, numbered syllables, note), single names first, each in code point order."""
        rows = [(family, reading, " ".join(map(numbered, reading.split(" "))), note)
                for family, (reading, note) in self.surnames.items()]
        return sorted(rows, key=lambda row: (len(row[0]), [ord(c) for c in row[0]]))
