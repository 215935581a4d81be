-- Schema of the character knowledge file characters.db, built beside hun.mdb by tools/make_knowledge_db from
-- data/knowledge/*.tsv (tools/make_knowledge.py), the verses of data/sources/poetry (tools/make_verses.py) and the
-- name characters of data/tables/word1.tsv and word2.tsv. The program opens it read-only.
--
-- Every table ends in `checksum`: the CRC-32 of the row's other values, written when the file is built and checked
-- whenever the program reads the row (src/knowledge/RowChecksum.h). meta holds each table's digest, its row count and
-- the sum of its checksums, under "digest:<table>".

CREATE TABLE meta (
    key      TEXT PRIMARY KEY,   -- "format" (2), "verses_per_pair", "digest:<table>"
    value    TEXT,
    checksum INTEGER
);

-- One row per `word` character; the columns are described in tools/make_knowledge.py.
CREATE TABLE characters (
    zi              TEXT PRIMARY KEY,
    pinyin          TEXT,      -- the reading names use, with tone mark
    syllable        TEXT,      -- that reading without tone, ASCII, ü written v
    tone            INTEGER,   -- 1-4, 5 neutral, 0 no recorded reading
    readings        TEXT,      -- every recorded reading, space-separated, the usual one first
    level           INTEGER,   -- 通用规范汉字表 level 1, 2, 3, or 0 outside it
    traditional     TEXT,      -- the form whose strokes count
    radical         INTEGER,   -- Kangxi radical number of that form
    radical_form    TEXT,
    radical_strokes INTEGER,
    residual        INTEGER,
    strokes         INTEGER,   -- the five-grid count, equal to `bh` of hun.mdb's word table
    rule            TEXT,      -- numeral, radical, reduced or alone
    working         TEXT,
    element         TEXT,
    element_reason  TEXT,
    checksum        INTEGER
);

CREATE TABLE surnames (
    family    TEXT PRIMARY KEY,  -- one character or a compound family name
    pinyin    TEXT,              -- syllables with tone marks, space-separated
    syllables TEXT,              -- numbered syllables, e.g. "yu4 chi2"
    note      TEXT,
    checksum  INTEGER
);

CREATE TABLE unfortunate_words (
    word      TEXT PRIMARY KEY,
    pinyin    TEXT,
    syllables TEXT,
    kind      TEXT,              -- 不祥, 粗俗 or 可笑
    note      TEXT,
    checksum  INTEGER
);

CREATE TABLE poems (
    id      INTEGER PRIMARY KEY, -- rank order: 诗经, 论语, 楚辞, 唐诗, 宋词, each in corpus order
    work    TEXT,
    title   TEXT,
    author  TEXT,
    dynasty TEXT,
    checksum INTEGER
);

-- The verses some pair of name characters shows; id in rank order.
CREATE TABLE verses (
    id   INTEGER PRIMARY KEY,
    poem INTEGER,
    text TEXT,
    checksum INTEGER
);

-- pair = code point of the first character * 2^21 + code point of the second; verses = the ids of its best verses,
-- best first, space-separated.
CREATE TABLE verse_pairs (
    pair     INTEGER PRIMARY KEY,
    verses   TEXT,
    checksum INTEGER
);

-- One row: the first and second name characters the pairs were indexed for (UTF-8, in word1 / word2 order) and a bit
-- per pair, row-major (first index * number of second characters + second index), least significant bit first.
CREATE TABLE verse_index (
    first_characters  TEXT,
    second_characters TEXT,
    has_verse         BLOB,
    checksum          INTEGER
);
