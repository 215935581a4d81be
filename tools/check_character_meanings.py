#!/usr/bin/env python3
"""Checks a table of character meanings against the given-name characters of word1 and word2.

    tools/check_character_meanings.py FILE [--tables DIR] [--first N] [--count M]

The characters checked are the distinct `zi` values of DIR/word1.tsv and DIR/word2.tsv (default data/tables), sorted
by code point; --first and --count pick a slice of that order (default: all of them), so a table written in parts can
be checked part by part.

FILE holds comment lines starting with "#" and one line per character, tab-separated:
    zi  tone  tier  gloss
  * every character of the slice exactly once, and no other character;
  * tone one of 褒 中 贬; tier one of 1 2 3;
  * gloss at most 24 characters (code points, punctuation included), ending with one example word in full-width
    parentheses "（…）" that contains the character; no other parentheses, no ASCII brackets, a sense before it.

Prints one line per fault (file:line: message) and exits 1 when there is any, 2 when a file cannot be read, else
prints the counts by tone and tier and exits 0.
"""

import argparse
import sys
from collections import Counter
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TONES = ("褒", "中", "贬")
TIERS = ("1", "2", "3")
MAX_GLOSS = 24


def table_characters(tables: Path) -> list[str]:
    """Distinct `zi` of word1 and word2, sorted by code point."""
    found = set()
    for name in ("word1.tsv", "word2.tsv"):
        lines = (tables / name).read_text(encoding="utf-8").splitlines()
        column = lines[0].split("\t").index("zi")
        for line in lines[1:]:
            if line:
                found.add(line.split("\t")[column])
    return sorted(found)


def gloss_faults(zi: str, gloss: str) -> list[str]:
    faults = []
    if len(gloss) > MAX_GLOSS:
        faults.append(f"gloss has {len(gloss)} characters, more than {MAX_GLOSS}")
    if any(c in gloss for c in "()[]{}\t"):
        faults.append("gloss holds ASCII brackets or a tab")
    if gloss.count("（") != 1 or gloss.count("）") != 1 or not gloss.endswith("）"):
        faults.append("gloss must end with exactly one example word in （…）")
        return faults
    sense, word = gloss[:-1].split("（")
    if not sense or sense[-1] in "，；。、":
        faults.append("gloss needs a sense before the example, not ending in punctuation")
    if len(word) < 2 or zi not in word:
        faults.append(f"example word 「{word}」 must be a word holding {zi}")
    return faults


def check(path: Path, wanted: list[str]) -> tuple[list[str], Counter]:
    faults = []
    counts = Counter()
    seen = {}
    expected = set(wanted)
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        where = f"{path}:{number}"
        if line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 4:
            faults.append(f"{where}: expected 4 tab-separated fields, found {len(fields)}")
            continue
        zi, tone, tier, gloss = fields
        if zi in seen:
            faults.append(f"{where}: {zi} listed again (first on line {seen[zi]})")
            continue
        seen[zi] = number
        if zi not in expected:
            faults.append(f"{where}: {zi} is not a character of this range of word1/word2")
        if tone not in TONES:
            faults.append(f"{where}: tone {tone!r} is not one of {' '.join(TONES)}")
        if tier not in TIERS:
            faults.append(f"{where}: tier {tier!r} is not one of {' '.join(TIERS)}")
        faults.extend(f"{where}: {zi}: {fault}" for fault in gloss_faults(zi, gloss))
        counts[tone] += 1
        counts["tier " + tier] += 1
    missing = [zi for zi in wanted if zi not in seen]
    if missing:
        faults.append(f"{path}: {len(missing)} characters missing: {''.join(missing)}")
    return faults, counts


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("file", type=Path)
    parser.add_argument("--tables", type=Path, default=ROOT / "data" / "tables")
    parser.add_argument("--first", type=int, default=0)
    parser.add_argument("--count", type=int, default=None)
    args = parser.parse_args()
    try:
        characters = table_characters(args.tables)
        end = len(characters) if args.count is None else args.first + args.count
        if args.first < 0 or end > len(characters) or end <= args.first:
            print(f"range {args.first}..{end} is outside the {len(characters)} characters", file=sys.stderr)
            return 2
        faults, counts = check(args.file, characters[args.first:end])
    except (OSError, UnicodeDecodeError, ValueError) as error:
        print(error, file=sys.stderr)
        return 2
    for fault in faults:
        print(fault)
    if faults:
        return 1
    print(" ".join(f"{key} {counts[key]}" for key in (*TONES, *(f"tier {t}" for t in TIERS))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
