-- Schema of the character knowledge file characters.db, built beside hun.mdb by tools/make_knowledge_db from
-- data/knowledge/*.tsv (tools/make_knowledge.py), the verses of data/sources/poetry (tools/make_verses.py) and the
-- name characters of data/tables/word1.tsv and word2.tsv. The program opens it read-only.
--
-- Every table ends in `checksum`: the CRC-32 of the row's other values, written when the file is built and checked
-- whenever the program reads the row (src/knowledge/RowChecksum.h). meta holds each table's digest, its row count and
-- the sum of its checksums, under "digest:<table>".

CREATE TABLE meta (
    key      TEXT PRIMARY KEY,   -- "format" (4), "verses_per_pair", "digest:<table>"
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
    working         TEXT,      -- the stroke working in Chinese: "水 4 + 3，氵按水计 4"
    element         TEXT,      -- by the name reading, equal to `yongtu` of word1 and word2
    element_reason  TEXT,      -- in Chinese: "水：部首氵（水）", "金：声母 sh"
    glyph_strokes   INTEGER,   -- the stroke count of the traditional form itself (never above `strokes`)
    family_element  TEXT,      -- by the family reading, equal to `yongtu` of word; empty for a character that is
    family_element_reason TEXT, -- no family name on its own
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
    word        TEXT PRIMARY KEY,
    pinyin      TEXT,
    syllables   TEXT,
    kind        TEXT,            -- 不祥, 粗俗, 可笑 or 地名
    other_tones INTEGER,         -- 1: also heard with one syllable in another tone (近音), 0: only with its tones
    note        TEXT,
    checksum    INTEGER
);

-- What a character means in a name (字义), from data/sources/character_meanings.tsv: every name character of word1
-- and word2 and every single family character.
CREATE TABLE character_meanings (
    zi       TEXT PRIMARY KEY,
    tone     TEXT,               -- its tone in a name: 褒, 中 or 贬
    tier     INTEGER,            -- 1 much used in given names today, 2 ordinary, 3 rare in names, 0 family only
    gloss    TEXT,               -- at most 24 characters, ending in one example in parentheses
    checksum INTEGER
);

-- Two-character words and place names that read as "a word, not a name" when they stand as a given name.
CREATE TABLE everyday_words (
    word     TEXT PRIMARY KEY,
    kind     TEXT,               -- 词 or 地名
    note     TEXT,
    checksum INTEGER
);

-- Characters that stand for a place in a name (沪 for Shanghai).
CREATE TABLE place_characters (
    zi       TEXT PRIMARY KEY,
    place    TEXT,
    note     TEXT,
    checksum INTEGER
);

CREATE TABLE poems (
    id      INTEGER PRIMARY KEY, -- the order of the classics: 大学, 中庸, 论语, 孟子, 诗经, 楚辞, 唐诗, 宋词, each in
                                 -- corpus order
    work    TEXT,
    title   TEXT,
    author  TEXT,
    dynasty TEXT,
    checksum INTEGER
);

-- The verses some pair of name characters shows; id in the order of the classics.
CREATE TABLE verses (
    id   INTEGER PRIMARY KEY,
    poem INTEGER,
    text TEXT,
    checksum INTEGER
);

-- pair = code point of the first character * 2^21 + code point of the second; verses = the ids of its best verses,
-- best first (side by side in a famous text, side by side, in one line of a famous text, across its lines, in one
-- line, across lines; see tools/knowledge_db/VerseIndexBuilder.h), space-separated.
CREATE TABLE verse_pairs (
    pair     INTEGER PRIMARY KEY,
    verses   TEXT,
    checksum INTEGER
);

-- One row: the first and second name characters the pairs were indexed for (UTF-8, in word1 / word2 order) and two
-- bits per pair, row-major (first index * number of second characters + second index), least significant bits first:
-- 0 no verse, 1 a verse holds the pair in name order, 2 side by side, 3 side by side in a famous text (a classic
-- before the Tang, 唐诗三百首 or 宋词三百首).
CREATE TABLE verse_index (
    first_characters  TEXT,
    second_characters TEXT,
    classes           BLOB,
    checksum          INTEGER
);
