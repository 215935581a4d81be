#!/usr/bin/env python3
"""Holds the verses namewright-cli describe shows against the raw chinese-poetry package they were taken from.

    verses_against_corpus.py --corpus DIR --cli PATH --knowledge PATH --word1 TSV --word2 TSV

For the pairs of name characters below and a seeded sample of word1 x word2 pairs, runs `namewright-cli describe` and
checks every verse line it prints: it is a real text of the raw package (its characters, punctuation aside, stand in
that order in a text of the same work, author and title, converted to simplified characters with OpenCC), it holds
the first character before the second, there are at most five, and where any holds the pair side by side the first
does. For the names below the line a parent knows comes first. Exits 77 (skipped) without the package.
"""

import argparse
import json
import random
import re
import subprocess
import sys
from pathlib import Path

HAN = re.compile("[\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff\U00020000-\U0003ffff]")
SAMPLE = 240

# The name, the work its first verse comes from, and words of that verse: the line the name is known from where the
# corpus holds it (宁静致远 and 上善若水 are not in it; 论语's 致远恐泥 and 楚辞's 若水 are the classics' lines).
FAMOUS = [
    ("婵娟", "宋词", "千里共婵娟"), ("浩然", "孟子", "浩然之气"), ("明德", "大学", "在明明德"),
    ("思齐", "论语", "见贤思齐"), ("致远", "论语", "致远恐泥"), ("若水", "楚辞", "若水"),
    ("子衿", "诗经", "青青子衿"), ("静姝", "诗经", "静女其姝"), ("清扬", "诗经", "清扬婉兮"),
    ("修远", "楚辞", "路漫漫其修远兮"), ("怀瑾", "楚辞", "怀瑾握瑜"), ("思远", "诗经", "无思远人"),
    ("弘毅", "论语", "士不可以不弘毅"), ("如玉", "诗经", "温其如玉"), ("嘉禾", "唐诗", "嘉禾"),
]


def bare(text):
    return "".join(HAN.findall(text))


def load(path):
    with open(path, encoding="utf-8") as file:
        return json.load(file)


def numbered(folder, prefix):
    """The numbered files of a collection in their order (ci.song.2019y.json, a list of its own, is none of them)."""
    files = [p for p in folder.glob(prefix + ".*.json") if p.name.split(".")[-2].isdigit()]
    return sorted(files, key=lambda p: int(p.name.split(".")[-2]))


def raw_texts(dist):
    """(work, author, title, text) of every text of the raw package the verses may come from."""
    yield "大学", "曾子", "大学", load(dist / "sishuwujing" / "daxue.json")["paragraphs"]
    yield "中庸", "子思", "中庸", load(dist / "sishuwujing" / "zhongyong.json")["paragraphs"]
    for chapter in load(dist / "lunyu" / "lunyu.json"):
        yield "论语", "孔子弟子", chapter["chapter"], chapter["paragraphs"]
    for chapter in load(dist / "sishuwujing" / "mengzi.json"):
        yield "孟子", "孟子", chapter["chapter"], chapter["paragraphs"]
    for poem in load(dist / "shijing" / "shijing.json"):
        yield "诗经", "佚名", poem["chapter"] + poem["section"] + poem["title"], poem["content"]
    for poem in load(dist / "chuci" / "chuci.json"):
        title = poem["title"] if poem["section"] == poem["title"] else poem["section"] + poem["title"]
        yield "楚辞", poem["author"], title, poem["content"]
    for path in numbered(dist / "quantangshi", "poet.tang"):
        for poem in load(path):
            yield "唐诗", poem["author"], poem["title"], poem["paragraphs"]
    for path in numbered(dist / "songci", "ci.song"):
        for poem in load(path):
            yield "宋词", poem["author"], poem["rhythmic"], poem["paragraphs"]


def simplified_corpus(dist):
    """{(work, bare author): [(bare title, bare text)]}, in simplified characters."""
    rows = ["\t".join((work, bare(author), bare(title), bare("".join(text)))) for work, author, title, text in
            raw_texts(dist)]
    converted = subprocess.run(["opencc", "-c", "t2s.json"], input="\n".join(rows).encode("utf-8"),
                               capture_output=True, check=True).stdout.decode("utf-8").split("\n")
    corpus = {}
    for row in converted:
        work, author, title, text = row.split("\t")
        corpus.setdefault((work, author), []).append((title, text))
    return corpus


def name_characters(table):
    with open(table, encoding="utf-8") as file:
        rows = [line.rstrip("\n").split("\t") for line in file][1:]
    return [row[1] for row in rows if len(row[1]) == 1]


def shown_verses(cli, knowledge, given):
    out = subprocess.run([cli, "describe", "--family", "李", "--given", given, "--knowledge", knowledge],
                         capture_output=True, check=True, text=True).stdout
    return [line.split("\t")[1:] for line in out.splitlines() if line.startswith("verse\t")]


def side_by_side(text, pair):
    return pair in text


def in_order(text, pair):
    first = text.find(pair[0])
    return first >= 0 and text.find(pair[1], first + 1) > first


def check_pair(pair, verses, corpus):
    faults = []
    if len(verses) > 5:
        faults.append(f"{len(verses)} verses")
    for fields in verses:
        if len(fields) != 4:
            faults.append(f"verse line of {len(fields)} fields")
            continue
        work, title, author, text = fields
        line = bare(text)
        if not any(bare(title) == raw_title and line in raw_text
                   for raw_title, raw_text in corpus.get((work, bare(author)), [])):
            faults.append(f"not a line of the package: {work} {title} {author} {text}")
        if not in_order(line, pair):
            faults.append(f"does not hold {pair}: {text}")
    # Side by side within a line: a line mark between the two parts them.
    texts = [fields[3] for fields in verses if len(fields) == 4]
    if any(side_by_side(text, pair) for text in texts) and not side_by_side(texts[0], pair):
        faults.append(f"a verse holds {pair} side by side but the first does not: {texts[0]}")
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    for option in ("--corpus", "--cli", "--knowledge", "--word1", "--word2"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    dist = Path(args.corpus) / "dist"
    if not args.corpus or not dist.is_dir():
        print("verses_against_corpus: no unpacked chinese-poetry package (NAMEWRIGHT_POETRY_PACKAGE); skipped")
        return 77
    corpus = simplified_corpus(dist)
    first, second = name_characters(args.word1), name_characters(args.word2)
    random.seed(20240607)
    pairs = [name for name, _, _ in FAMOUS] + [random.choice(first) + random.choice(second) for _ in range(SAMPLE)]
    faults, shown = [], 0
    for pair in pairs:
        verses = shown_verses(args.cli, args.knowledge, pair)
        shown += len(verses)
        faults += [f"{pair}: {fault}" for fault in check_pair(pair, verses, corpus)]
    for pair, work, words in FAMOUS:
        verses = shown_verses(args.cli, args.knowledge, pair)
        if not verses or verses[0][0] != work or words not in verses[0][3]:
            faults.append(f"{pair}: the first verse is not the {work} line with {words}: {verses[:1]}")
    for fault in faults:
        print(fault)
    print(f"verses_against_corpus: {len(pairs)} pairs, {shown} verses shown, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
