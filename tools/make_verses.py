#!/usr/bin/env python3
"""Writes data/sources/poetry/classics.tar.xz: the verses of eight classics in simplified characters.

    tools/make_verses.py --corpus DIR [--check] [--report]

DIR is the unpacked npm package `chinese-poetry` (MIT licence; `npm pack chinese-poetry` in a scratch folder outside
the repository, then `tar xzf chinese-poetry-*.tgz`, DIR is the folder `package`). The tool reads from it, in this
order, the order of the classics in which the verses rank (the Four Books first, as 四书五经 lists them, then the 诗经,
the 楚辞, the 唐诗 and the 宋词):

  大学  dist/sishuwujing/daxue.json           春秋, author 曾子 (as tradition has it), title 大学
  中庸  dist/sishuwujing/zhongyong.json       战国, author 子思 (as tradition has it), title 中庸
  论语  dist/lunyu/lunyu.json                 春秋, author 孔子弟子, title the chapter (学而篇)
  孟子  dist/sishuwujing/mengzi.json          战国, author 孟子, title the chapter (梁惠王上)
  诗经  dist/shijing/shijing.json             先秦, author 佚名, title 国风·周南·关雎
  楚辞  dist/chuci/chuci.json                 战国 (屈原, 宋玉, 景差) or 汉 (the later authors), title 九歌·湘君
  唐诗  dist/quantangshi/poet.tang.N.json     唐, in the order of the files (the 全唐诗, then its supplements)
  宋词  dist/songci/ci.song.N.json            宋, title the tune name (词牌), in the order of the files

and converts every text to simplified characters with OpenCC (Debian's `opencc`, configuration t2s.json). A verse is
one sentence of a poem, up to its 。！？ or ；, usually a couplet. Only verse lines are kept (`--report` counts what is
left out, and why):

- the editors' notes: every bracketed group （…） (…) 〖…〗, nested or running over several lines, as the supplements
  of the 全唐诗 print their notes (an unclosed one runs to the end of the poem); a sentence left in the open that cites
  like a note (按：…, 见《…》卷五, 以上各句…, 《全唐诗》…);
- a sentence with a missing, described or uncertain character: □, {氵寉}, ●, a numbered mark [一三] (a footnote or a
  restored numeral, which cannot be told apart), a short note of a gap （下缺）, or any character that is neither a
  Chinese character nor the punctuation ，。！？；、：《》 (digits, letters, kana, broken bytes);
- the editors' own texts printed as poems (前言, 后记, 自序, an essay 考释); an entry without a title that holds no
  couplet of two equal lines of four, five or seven characters (a poet's biography); an entry announced with a preface
  (幷序) that holds no such couplet of five or seven and is mostly prose (the preface of a poem printed elsewhere);
- a sentence that only repeats the title, or one of fewer than two characters (空, the mark of an empty entry).

The brackets of restored characters ([爽] reads 爽), quotation marks and footnote numbers (猶1, "1. …" at the end of a
paragraph of 孟子) are dropped. A poem of the 全唐诗 or the 宋词 that shares a sentence with a poem of the same author
in 唐诗三百首 (dist/quantangshi/唐诗三百首.json) or 宋词三百首 (dist/songci/宋词三百首.json), or two sentences with a
poem the anthology gives to another author, is marked famous, as is every text of the six classics before the Tang:
these are the texts every parent knows. For each verse of a famous
text the tool counts how many poems of the later poetry in the package (全宋诗 dist/quantangshi/poet.song.N.json, 元曲
dist/yuanqu/yuanqu.json) repeat one of its lines of four or more characters word for word: how often later poets
quoted it (千里共婵娟 is quoted, 皓月婵娟 is not), which orders the famous verses among themselves.

The archive holds one file, classics.tsv: a header line, then one line per poem with work, title, author, dynasty,
famous (1 or 0), the quotations of each verse of a famous text (separated by "|"; empty for the others) and its verses
separated by "|" (tab-separated). The build (tools/knowledge_db) indexes the verses of every pair of name characters
from it. The archive is written byte for byte the same for the same input (no time stamps), so --check, which compares
the text of a fresh run with the committed archive's, can run wherever the package is.
"""

import argparse
import collections
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
CLASSICS_BEFORE_TANG = {"诗经", "论语", "孟子", "大学", "中庸", "楚辞"}
EDITORS_TEXTS = {"前言", "後記", "后记", "自序", "凡例"}

HAN = "\u3400-\u4dbf\u4e00-\u9fff\uf900-\ufaff\U00020000-\U0003ffff"
SENTENCE = re.compile(r"[^。！？；]+[。！？；]*")
LINE = re.compile(r"[^，、：。！？；]+")
VERSE_TEXT = re.compile(f"[{HAN}，。！？；、：《》]+")
OPENING, CLOSING = "（(〖", "）)〗"
GAP = re.compile(r"（[^（）]{0,8}[缺闕阙泐][^（）]{0,8}）|\([^()]{0,8}[缺闕阙泐][^()]{0,8}\)")
NUMBERED_MARK = re.compile(r"\[[一二三四五六七八九十○〇]+\]")
RESTORED = re.compile(f"[\\[［]([{HAN}]+)[\\]］]")
FOOTNOTE = re.compile(r"\s*\d+\.\s.*$")
FOOTNOTE_NUMBER = re.compile(f"(?<=[{HAN}])\\d+")
ASCII_PUNCTUATION = str.maketrans({",": "，", ":": "：", ";": "；", "!": "！", "?": "？"})
DROPPED_MARKS = str.maketrans("", "", "[]［］〔〕“”‘’「」『』\"'<>/ \u3000\t")
FORM_LABEL = re.compile(r"^[四五六七杂雜]言[。！？；]*$")
# The words of an editor's note that a verse does not use: citing a book with its chapter, the editor's 按, the
# collections themselves. Both scripts, as the corpus mixes them.
NOTE = re.compile("|".join([
    r"^[又今谨謹望]*[按案][：:]", r"^[又今谨謹望]+[按案]",
    r"全唐[诗詩文]", r"[见見据據][于於]?《", r"[录錄辑輯][自出]", r"以上[各均诸諸]",
    r"》卷", r"》[一二三四五六七八九十百]+[《卷首]", r"》[^《]*[一二三四五六七八九十百]+卷",
    r"^其《", r"[兹茲]编|[兹茲]編", r"原[注校]|校[记記]",
]))


def numbered_files(pattern):
    files = [p for p in glob.glob(pattern) if re.search(r"\.\d+\.json$", p)]
    return sorted(files, key=lambda p: int(re.search(r"\.(\d+)\.json$", p).group(1)))


def load(path):
    with open(path, encoding="utf-8") as file:
        return json.load(file)


def poems_of(corpus):
    """Yields (work, title, author, dynasty, paragraphs) in rank order."""
    dist = Path(corpus) / "dist"
    yield "大学", "大学", "曾子", "春秋", load(dist / "sishuwujing" / "daxue.json")["paragraphs"]
    yield "中庸", "中庸", "子思", "战国", load(dist / "sishuwujing" / "zhongyong.json")["paragraphs"]
    for chapter in load(dist / "lunyu" / "lunyu.json"):
        yield "论语", chapter["chapter"], "孔子弟子", "春秋", chapter["paragraphs"]
    for chapter in load(dist / "sishuwujing" / "mengzi.json"):
        yield "孟子", chapter["chapter"], "孟子", "战国", chapter["paragraphs"]
    for poem in load(dist / "shijing" / "shijing.json"):
        yield "诗经", f"{poem['chapter']}·{poem['section']}·{poem['title']}", "佚名", "先秦", poem["content"]
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


def anthologies_of(corpus):
    """Yields (work, author, paragraphs) of the poems of 唐诗三百首 and 宋词三百首."""
    dist = Path(corpus) / "dist"
    for poem in load(dist / "quantangshi" / "唐诗三百首.json"):
        yield "唐诗", poem["author"], poem["paragraphs"]
    for poem in load(dist / "songci" / "宋词三百首.json"):
        yield "宋词", poem["author"], poem["paragraphs"]


def without_notes(text):
    """The text without its bracketed groups, nested or over several lines. An unclosed group runs to the end; a
    closing bracket without its opening one takes its line's text before it along (its group began above, unmarked)."""
    out, depth = [], 0
    for c in text:
        if c in OPENING:
            depth += 1
        elif c in CLOSING:
            if depth:
                depth -= 1
            else:
                while out and out[-1] != "\n":
                    out.pop()
        elif depth == 0:
            out.append(c)
    return "".join(out)


def sentences_of(paragraphs):
    """Every sentence of a poem with its notes and marks removed, before the checks of left_out()."""
    text = without_notes(GAP.sub("□", "\n".join(paragraphs)))
    for paragraph in text.split("\n"):
        paragraph = FOOTNOTE_NUMBER.sub("", FOOTNOTE.sub("", paragraph))
        paragraph = RESTORED.sub(r"\1", NUMBERED_MARK.sub("□", paragraph))
        paragraph = paragraph.translate(ASCII_PUNCTUATION).translate(DROPPED_MARKS)
        for sentence in SENTENCE.findall(paragraph):
            if sentence.strip("，。！？；、："):
                yield sentence


def han_count(text):
    return len(re.findall(f"[{HAN}]", text))


def bare(text):
    return re.sub(f"[^{HAN}]", "", text)


def left_out(sentence, work, title):
    """Why a sentence is no verse line, or None. (A tune name (词牌) may open a 宋词 as its first line.)"""
    if "□" in sentence or "{" in sentence or "}" in sentence or "●" in sentence:
        return "missing or described character"
    if not VERSE_TEXT.fullmatch(sentence):
        return "not a Chinese character"
    if NOTE.search(sentence):
        return "editors' note"
    if han_count(sentence) < 2:
        return "one character alone (空 marks an empty entry)"
    if (work != "宋词" and bare(sentence) == bare(without_notes(title))) or FORM_LABEL.match(sentence.split("，")[-1]):
        return "title"
    return None


def has_couplet(sentences, lengths):
    """Whether a sentence is two lines of one of `lengths` characters each."""
    for sentence in sentences:
        lines = LINE.findall(sentence)
        if len(lines) == 2 and len(lines[0]) == len(lines[1]) and len(lines[0]) in lengths:
            return True
    return False


def mostly_prose(sentences):
    """Whether at least half of the sentences have lines of unequal length, as prose has and verse rarely."""
    uneven = sum(1 for s in sentences if len({len(line) for line in LINE.findall(s)}) > 1)
    return uneven * 2 >= len(sentences)


def editors_entry(title, sentences):
    """Why a whole entry is no poem, or None."""
    plain = without_notes(title).strip()
    if plain in EDITORS_TEXTS or plain.endswith("考釋") or plain.endswith("考释"):
        return "editors' text"
    if not plain and not has_couplet(sentences, (4, 5, 7)):
        return "untitled note (a biography)"
    announced_preface = re.search(r"[幷並并补補]序|（序|^序", title) is not None
    if announced_preface and not has_couplet(sentences, (5, 7)) and mostly_prose(sentences):
        return "preface alone"
    return None


def field(text):
    return " ".join(str(text).replace("|", " ").split())


def opencc(text):
    converted = subprocess.run(["opencc", "-c", "t2s.json"], input=text.encode("utf-8"), capture_output=True,
                               check=True).stdout.decode("utf-8")
    if converted.count("\n") != text.count("\n"):
        raise ValueError("opencc changed the number of lines")
    return converted


def build_text(corpus, report):
    rows = []
    for work, title, author, dynasty, paragraphs in poems_of(corpus):
        sentences = list(sentences_of(paragraphs))
        entry = editors_entry(title, sentences)
        verses = []
        for sentence in sentences:
            reason = entry or left_out(sentence, work, title)
            report[reason or "kept"] += 1
            if not reason:
                verses.append(sentence)
        if verses:
            rows.append((work, field(title), field(author), dynasty, "|".join(verses)))
    converted = opencc("\n".join("\t".join(row) for row in rows) + "\n").split("\n")[:-1]
    anthology = anthology_index(corpus)
    echoes = echoes_of(corpus)
    lines = ["work\ttitle\tauthor\tdynasty\tfamous\techoes\tverses"]
    for line in converted:
        work, title, author, dynasty, verses = line.split("\t")
        verses = verses.split("|")
        known = work in CLASSICS_BEFORE_TANG or in_anthology(anthology, work, author, verses)
        report["famous poems"] += known and work not in CLASSICS_BEFORE_TANG
        quoted = "|".join(str(max((echoes[bare(line)] for line in LINE.findall(verse)), default=0))
                          for verse in verses) if known else ""
        lines.append("\t".join((work, title, author, dynasty, "1" if known else "0", quoted, "|".join(verses))))
    return "\n".join(lines) + "\n"


def anthology_index(corpus):
    """{(work, sentence without punctuation): [(poem number, author)]} of the sentences of four or more characters of
    the two anthologies, simplified."""
    rows = ["\t".join((work, field(author), "|".join(bare(s) for s in sentences_of(paragraphs))))
            for work, author, paragraphs in anthologies_of(corpus)]
    index = collections.defaultdict(list)
    for number, row in enumerate(opencc("\n".join(rows) + "\n").split("\n")[:-1]):
        work, author, sentences = row.split("\t")
        for sentence in set(sentences.split("|")):
            if han_count(sentence) >= 4:
                index[(work, sentence)].append((number, author))
    return index


def in_anthology(index, work, author, verses):
    """Whether a poem is one of the anthologies': it shares a sentence with an anthology poem of the same author, or
    two sentences with one the anthology gives to another author (金昌绪's 春怨 stands there under 释明辩)."""
    shared = collections.Counter()
    for verse in set(verses):
        for number, anthology_author in index.get((work, bare(verse)), []):
            if anthology_author == author:
                return True
            shared[number] += 1
    return any(count >= 2 for count in shared.values())


def echoes_of(corpus):
    """How many poems of the later poetry the package ships (全宋诗, 元曲) hold each line of four or more characters
    (without punctuation, simplified): how often later poets quoted it."""
    dist = Path(corpus) / "dist"
    poems = [poem["paragraphs"] for path in numbered_files(str(dist / "quantangshi" / "poet.song.*.json"))
             for poem in load(path)]
    poems += [poem["paragraphs"] for poem in load(dist / "yuanqu" / "yuanqu.json")]
    text = "\n".join("".join(paragraphs).replace("\n", "") for paragraphs in poems) + "\n"
    counts = collections.Counter()
    for poem in opencc(text).split("\n"):
        counts.update({bare(line) for line in LINE.findall(poem) if han_count(line) >= 4})
    return counts


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
    parser.add_argument("--report", action="store_true", help="print how many sentences were kept or left out, why")
    args = parser.parse_args()
    report = collections.Counter()
    try:
        text = build_text(args.corpus, report)
    except (OSError, KeyError, ValueError, subprocess.CalledProcessError) as error:
        print(f"make_verses: {error}", file=sys.stderr)
        return 2
    if args.report:
        for reason, count in report.most_common():
            print(f"{count}\t{reason}")
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
