#!/usr/bin/env python3
"""Writes data/sources/poetry/classics.tar.xz: the verses of five classics in simplified characters.

    tools/make_verses.py --corpus DIR [--check]

DIR is the unpacked npm package `chinese-poetry` (MIT licence; `npm pack chinese-poetry` in a scratch folder outside
the repository, then `tar xzf chinese-poetry-*.tgz`, DIR is the folder `package`). The tool reads from it, in this
order, which is the order of rank of the verses (the earlier classic first):

  诗经  dist/shijing/shijing.json             先秦, author 佚名, title 国风·周南·关雎
  论语  dist/lunyu/lunyu.json                 春秋, author 孔子弟子, title the chapter (学而篇)
  楚辞  dist/chuci/chuci.json                 战国 (屈原, 宋玉, 景差) or 汉 (the later authors), title 九歌·湘君
  唐诗  dist/quantangshi/poet.tang.N.json     唐, in the order of the files (the 全唐诗 order)
  宋词  dist/songci/ci.song.N.json            宋, title the tune name (词牌), in the order of the files

and converts every text to simplified characters with OpenCC (Debian's `opencc`, configuration t2s.json). A verse is
one sentence of a poem, up to its 。！？ or ；, usually a couplet; the editors' notes in parentheses （一作…） are
dropped, and so are the brackets of restored characters ([爽] reads 爽) and quotation marks; a sentence with a
missing character (□) or a described one ({氵寉}) is left out.

The archive holds one file, classics.tsv: a header line, then one line per poem with work, title, author, dynasty
and its verses separated by "|" (tab-separated). The build (tools/make_knowledge_db.cpp) indexes the verses of every
pair of name characters from it. The archive is written byte for byte the same for the same input (no time stamps),
so --check, which compares the text of a fresh run with the committed archive's, can run wherever the package is.
"""

import argparse
import glob
import io
import json
import lzma
import re
import subprocess
import sys
import tarfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
ARCHIVE = ROOT / "data" / "sources" / "poetry" / "classics.tar.xz"
MEMBER = "classics.tsv"

WARRING_STATES = {"屈原", "宋玉", "景差"}
NOTES = re.compile(r"（[^（）]*）|\([^()]*\)")
DROPPED_MARKS = str.maketrans("", "", "[]〔〕“”‘’「」『』\"' \u3000\t")
SENTENCE = re.compile(r"[^。！？；]+[。！？；]*")


def numbered_files(pattern):
    files = [p for p in glob.glob(pattern) if re.search(r"\.\d+\.json$", p)]
    return sorted(files, key=lambda p: int(re.search(r"\.(\d+)\.json$", p).group(1)))


def load(path):
    with open(path, encoding="utf-8") as file:
        return json.load(file)


def poems_of(corpus):
    """Yields (work, title, author, dynasty, paragraphs) in rank order."""
    dist = Path(corpus) / "dist"
    for poem in load(dist / "shijing" / "shijing.json"):
        yield "诗经", f"{poem['chapter']}·{poem['section']}·{poem['title']}", "佚名", "先秦", poem["content"]
    for chapter in load(dist / "lunyu" / "lunyu.json"):
        yield "论语", chapter["chapter"], "孔子弟子", "春秋", chapter["paragraphs"]
    for poem in load(dist / "chuci" / "chuci.json"):
        title = poem["title"] if poem["section"] == poem["title"] else f"{poem['section']}·{poem['title']}"
        dynasty = "战国" if poem["author"] in WARRING_STATES else "汉"
        yield "楚辞", title, poem["author"], dynasty, poem["content"]
    for path in numbered_files(str(dist / "quantangshi" / "poet.tang.*.json")):
        for poem in load(path):
            yield "唐诗", poem["title"], poem["author"], "唐", poem["paragraphs"]
    for path in numbered_files(str(dist / "songci" / "ci.song.*.json")):
        for poem in load(path):
            yield "宋词", poem["rhythmic"], poem["author"], "宋", poem["paragraphs"]


def verses_of(paragraphs):
    verses = []
    for paragraph in paragraphs:
        text = NOTES.sub("", paragraph).translate(DROPPED_MARKS)
        for sentence in SENTENCE.findall(text):
            if "□" in sentence or "{" in sentence or "}" in sentence or not sentence.strip("，。！？；、："):
                continue
            verses.append(sentence)
    return verses


def field(text):
    return " ".join(str(text).replace("|", " ").split())


def build_text(corpus):
    rows = ["work\ttitle\tauthor\tdynasty\tverses"]
    for work, title, author, dynasty, paragraphs in poems_of(corpus):
        verses = verses_of(paragraphs)
        if verses:
            rows.append("\t".join((work, field(title), field(author), dynasty, "|".join(verses))))
    traditional = "\n".join(rows) + "\n"
    converted = subprocess.run(["opencc", "-c", "t2s.json"], input=traditional.encode("utf-8"), capture_output=True,
                               check=True).stdout.decode("utf-8")
    if converted.count("\n") != traditional.count("\n"):
        raise ValueError("opencc changed the number of lines")
    return converted


def archive_bytes(text):
    data = text.encode("utf-8")
    buffer = io.BytesIO()
    with lzma.open(buffer, "wb", format=lzma.FORMAT_XZ, preset=9 | lzma.PRESET_EXTREME) as xz:
        with tarfile.open(fileobj=xz, mode="w", format=tarfile.USTAR_FORMAT) as tar:
            info = tarfile.TarInfo(MEMBER)
            info.size, info.mtime, info.mode = len(data), 0, 0o644
            tar.addfile(info, io.BytesIO(data))
    return buffer.getvalue()


def committed_text():
    with tarfile.open(ARCHIVE, "r:xz") as tar:
        return tar.extractfile(MEMBER).read().decode("utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--corpus", required=True, help="the unpacked chinese-poetry npm package (its folder package)")
    parser.add_argument("--check", action="store_true", help="compare with the committed archive, write nothing")
    args = parser.parse_args()
    try:
        text = build_text(args.corpus)
    except (OSError, KeyError, ValueError, subprocess.CalledProcessError) as error:
        print(f"make_verses: {error}", file=sys.stderr)
        return 2
    if args.check:
        if not ARCHIVE.exists() or committed_text() != text:
            print(f"make_verses: out of date, rerun tools/make_verses.py: {ARCHIVE.relative_to(ROOT)}",
                  file=sys.stderr)
            return 1
        return 0
    ARCHIVE.parent.mkdir(parents=True, exist_ok=True)
    ARCHIVE.write_bytes(archive_bytes(text))
    return 0


if __name__ == "__main__":
    sys.exit(main())
