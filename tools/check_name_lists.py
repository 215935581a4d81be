#!/usr/bin/env python3
"""Checks the hand-written name and word lists against each other and against the given-name tables.

    tools/check_name_lists.py [--root DIR]

The lists (all UTF-8, tab-separated, "#" lines are comments, no header row):
  tests/data/popular_given_names.tsv   given, gender, note, listable, marks
  tests/data/clumsy_names.tsv          given, reason
  data/sources/everyday_words.tsv      word, kind, note
  data/sources/word_like_names.tsv     given, note
  data/sources/place_characters.tsv    zi, place, note

A two-character given name is listable when its first character is in data/tables/word1.tsv and its second in
data/tables/word2.tsv; a one-character given name when its character is in word1.tsv. The checks:
  * every line has the right number of non-empty fields, only CJK ideographs where characters are expected, and the
    fixed vocabularies (gender 男 女 中, listable 是 否, kind 词 地名, the reason kinds of the clumsy names);
  * no entry twice within a list;
  * popular names: the listable and marks columns equal what the tables give (marks: each character's xb, - when
    the character is not in its table);
  * clumsy names, everyday words and word-like names: two characters and listable;
  * no popular name is a clumsy name or an everyday word, and no word-like name is an everyday word or a clumsy
    name (a popular name may be a word-like name: 宇航, 文豪);
  * place characters: one character each, and the note carries "（字表无此字）" exactly when neither table holds it.

Exit status 0 when every check passes, 1 with one line per fault on standard error otherwise, 2 when a file is
missing or unreadable.
"""

import argparse
import sys
from pathlib import Path

NOT_IN_TABLES = "（字表无此字）"
GENDERS = {"男", "女", "中"}
CLUMSY_KINDS = {"词", "地名", "简称", "不祥", "粗俗", "谐音", "土气", "品牌", "复姓", "名人"}


def is_ideographs(text):
    return bool(text) and all(0x4E00 <= ord(c) <= 0x9FFF for c in text)


def read_table(path):
    """Maps each character of a word table to its gender mark (columns ID, zi, bh, yongtu, xb)."""
    marks = {}
    with open(path, encoding="utf-8") as f:
        header = f.readline().rstrip("\n").split("\t")
        zi, xb = header.index("zi"), header.index("xb")
        for line in f:
            fields = line.rstrip("\n").split("\t")
            marks[fields[zi]] = fields[xb]
    return marks


def read_list(path, columns, faults):
    """Returns (line number, fields) for every data line; a line with the wrong shape becomes a fault."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != columns or any(not x.strip() or x != x.strip() for x in fields):
                faults.append(f"{path.name}:{number}: expected {columns} non-empty tab-separated fields: {line!r}")
                continue
            rows.append((number, fields))
    return rows


class Checker:
    def __init__(self, root):
        self.root = root
        self.faults = []
        tables = root / "data" / "tables"
        self.word1 = read_table(tables / "word1.tsv")
        self.word2 = read_table(tables / "word2.tsv")

    def fault(self, path, number, message):
        self.faults.append(f"{path.name}:{number}: {message}")

    def listable(self, given):
        if len(given) == 1:
            return given in self.word1
        return len(given) == 2 and given[0] in self.word1 and given[1] in self.word2

    def marks(self, given):
        if len(given) == 1:
            return self.word1.get(given, "-")
        return self.word1.get(given[0], "-") + self.word2.get(given[1], "-")

    def load(self, relative, columns):
        path = self.root / relative
        rows = read_list(path, columns, self.faults)
        seen = {}
        for number, fields in rows:
            key = fields[0]
            if key in seen:
                self.fault(path, number, f"{key} is listed twice (first on line {seen[key]})")
            else:
                seen[key] = number
        return path, rows

    def two_listable(self, path, number, given):
        if len(given) != 2 or not is_ideographs(given):
            self.fault(path, number, f"{given} is not two Chinese characters")
        elif not self.listable(given):
            self.fault(path, number, f"{given} is not listable: first character in word1 and second in word2")

    def run(self):
        popular_path, popular = self.load("tests/data/popular_given_names.tsv", 5)
        clumsy_path, clumsy = self.load("tests/data/clumsy_names.tsv", 2)
        words_path, words = self.load("data/sources/everyday_words.tsv", 3)
        names_path, word_like = self.load("data/sources/word_like_names.tsv", 2)
        places_path, places = self.load("data/sources/place_characters.tsv", 3)

        for number, (given, gender, _note, listable, marks) in popular:
            if len(given) not in (1, 2) or not is_ideographs(given):
                self.fault(popular_path, number, f"{given} is not one or two Chinese characters")
                continue
            if gender not in GENDERS:
                self.fault(popular_path, number, f"gender {gender} is not 男, 女 or 中")
            expected = "是" if self.listable(given) else "否"
            if listable != expected:
                self.fault(popular_path, number, f"{given}: listable says {listable}, the tables give {expected}")
            if marks != self.marks(given):
                self.fault(popular_path, number, f"{given}: marks say {marks}, the tables give {self.marks(given)}")

        for number, (given, reason) in clumsy:
            self.two_listable(clumsy_path, number, given)
            kind = reason.split("：", 1)[0]
            if kind not in CLUMSY_KINDS:
                self.fault(clumsy_path, number, f"{given}: reason kind {kind} is not one of the listed kinds")

        for number, (word, kind, _note) in words:
            self.two_listable(words_path, number, word)
            if kind not in ("词", "地名"):
                self.fault(words_path, number, f"{word}: kind {kind} is not 词 or 地名")

        for number, (given, note) in word_like:
            self.two_listable(names_path, number, given)
            if note not in ("词", "地名"):
                self.fault(names_path, number, f"{given}: note {note} is not 词 or 地名")

        for number, (zi, _place, note) in places:
            if len(zi) != 1 or not is_ideographs(zi):
                self.fault(places_path, number, f"{zi} is not one Chinese character")
                continue
            absent = zi not in self.word1 and zi not in self.word2
            if absent != (NOT_IN_TABLES in note):
                state = "neither table holds it" if absent else "a table holds it"
                self.fault(places_path, number, f"{zi}: {state}, so the note must say so ({NOT_IN_TABLES})")

        self.disjoint(popular_path, popular, clumsy_path, clumsy)
        self.disjoint(popular_path, popular, words_path, words)
        self.disjoint(names_path, word_like, words_path, words)
        self.disjoint(names_path, word_like, clumsy_path, clumsy)
        return self.faults

    def disjoint(self, path, rows, other_path, other_rows):
        others = {fields[0] for _, fields in other_rows}
        for number, fields in rows:
            if fields[0] in others:
                self.fault(path, number, f"{fields[0]} is also in {other_path.name}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", type=Path, default=Path(__file__).resolve().parent.parent)
    args = parser.parse_args()
    try:
        faults = Checker(args.root).run()
    except (OSError, UnicodeDecodeError, ValueError) as error:
        print(f"check_name_lists: {error}", file=sys.stderr)
        return 2
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
