#!/usr/bin/env python3
"""make_fuzz_seeds: writes the seed corpora of the fuzz targets into fuzz/corpus/.

Every seed is made here from the project's own files (data/schema.sql, the first rows of data/tables) or from
scratch, never from a licensed sample file:

  access_import/  first pages of Jet 3, Jet 4 and ACE files, with and without a password, and 3-page files
  database_open/  a small SQLite naming database of the shipped schema, the Jet 3 file, a text file
  gbk_text/       two selector bytes followed by texts: Chinese, ASCII, mixed, malformed UTF-8
  knowledge_file/ a selector byte (1: seal the file again before opening it) followed by a small knowledge file of
                  data/knowledge_schema.sql, sealed here as tools/make_knowledge_db seals characters.db (the row
                  checksums of src/knowledge/RowChecksum.h); the small naming database; a text file

    tools/make_fuzz_seeds.py [--out DIR]
"""

import argparse
import os
import sqlite3
import struct
import tempfile
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def rc4(key: bytes, data: bytes) -> bytes:
    state = list(range(256))
    j = 0
    for i in range(256):
        j = (j + state[i] + key[i % len(key)]) & 0xFF
        state[i], state[j] = state[j], state[i]
    out = bytearray()
    a = b = 0
    for byte in data:
        a = (a + 1) & 0xFF
        b = (b + state[a]) & 0xFF
        state[a], state[b] = state[b], state[a]
        out.append(byte ^ state[(state[a] + state[b]) & 0xFF])
    return bytes(out)


def access_header_page(version: str, code_page: int = 936, password: bytes = b"", created: float = 40000.5) -> bytes:
    """The first page of an Access file, masked as Access masks it (see tests/support/AccessHeaderPage.cpp)."""
    jet3 = version == "jet3"
    page = bytearray(2048 if jet3 else 4096)
    page[1] = 0x01
    page[4:20] = (b"Standard ACE DB" if version == "ace" else b"Standard Jet DB") + b"\0"
    page[0x14] = {"jet3": 0, "jet4": 1, "ace": 2}[version]
    page[0x3C:0x3E] = struct.pack("<H", code_page)
    mask = bytes(4)
    if not jet3:
        page[0x72:0x7A] = struct.pack("<d", created)
        mask = struct.pack("<I", int(created) & 0xFFFFFFFF)
    length = 20 if jet3 else 40
    for i in range(length):
        character = password[i] if i < len(password) else 0
        page[0x42 + i] = character ^ mask[i % 4]
    masked = 126 if jet3 else 128
    page[0x18 : 0x18 + masked] = rc4(bytes([0xC7, 0xDA, 0x39, 0x6B]), bytes(page[0x18 : 0x18 + masked]))
    return bytes(page)


def small_naming_database() -> bytes:
    """The shipped schema with the first rows of each table, in 512-byte pages to keep the seed small."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "seed.mdb")
        db = sqlite3.connect(path)
        db.execute("PRAGMA page_size = 512")
        db.executescript((ROOT / "data" / "schema.sql").read_text(encoding="utf-8"))
        for source in sorted((ROOT / "data" / "tables").glob("*.tsv")):
            lines = source.read_text(encoding="utf-8").splitlines()
            columns = lines[0].split("\t")
            marks = ", ".join("?" * len(columns))
            names = ", ".join('"' + c.replace('"', '""') + '"' for c in columns)
            rows = [line.split("\t") for line in lines[1:6]]
            db.executemany(f'INSERT INTO "{source.stem}" ({names}) VALUES ({marks})', rows)
        db.commit()
        db.execute("VACUUM")
        db.close()
        return Path(path).read_bytes()


def row_checksum(*values) -> int:
    """The CRC-32 of the values with their types, as src/knowledge/RowChecksum.h defines it."""
    data = bytearray()
    for value in values:
        if value is None:
            data += bytes([5])
        elif isinstance(value, int):
            data += bytes([1]) + struct.pack("<q", value)
        elif isinstance(value, float):
            data += bytes([2]) + struct.pack("<d", value)
        elif isinstance(value, str):
            encoded = value.encode("utf-8")
            data += bytes([3]) + struct.pack("<I", len(encoded)) + encoded
        else:
            data += bytes([4]) + struct.pack("<I", len(value)) + bytes(value)
    return zlib.crc32(bytes(data))


def seal(db: sqlite3.Connection) -> None:
    """Every row's checksum, every table's digest in meta, then the meta rows' checksums (KnowledgeSeal.cpp)."""
    db.create_function("row_checksum", -1, row_checksum, deterministic=True)
    tables = [row[0] for row in db.execute("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid")]

    def columns(table: str) -> str:
        return ", ".join(row[1] for row in db.execute(f"PRAGMA table_info({table})") if row[1] != "checksum")

    for table in tables:
        if table == "meta":
            continue
        db.execute(f"UPDATE {table} SET checksum = row_checksum({columns(table)})")
        rows, total = db.execute(f"SELECT count(*), coalesce(sum(checksum), 0) FROM {table}").fetchone()
        db.execute("INSERT OR REPLACE INTO meta (key, value) VALUES (?, ?)", (f"digest:{table}", f"{rows} {total}"))
    db.execute(f"UPDATE meta SET checksum = row_checksum({columns('meta')})")


def small_knowledge_file() -> bytes:
    """The knowledge schema with a few characters (as tests/support/SmallKnowledgeFile.cpp), two family readings, an
    unfortunate word, two verses of the pair 思远, a few meanings, an everyday word and a place character, sealed, in
    512-byte pages."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "seed.db")
        db = sqlite3.connect(path)
        db.execute("PRAGMA page_size = 512")
        db.executescript((ROOT / "data" / "knowledge_schema.sql").read_text(encoding="utf-8"))
        db.execute("INSERT INTO meta (key, value) VALUES ('format', '4'), ('verses_per_pair', '3')")
        characters = [("范", "fàn", "fan", 4, 1), ("统", "tǒng", "tong", 3, 1), ("李", "lǐ", "li", 3, 1),
                      ("思", "sī", "si", 1, 1), ("远", "yuǎn", "yuan", 3, 1), ("曾", "céng", "ceng", 2, 1),
                      ("婧", "jìng", "jing", 4, 2), ("治", "zhì", "zhi", 4, 1), ("标", "biāo", "biao", 1, 1),
                      ("沪", "hù", "hu", 4, 2), ("病", "bìng", "bing", 4, 1)]
        for zi, pinyin, syllable, tone, level in characters:
            db.execute(
                "INSERT INTO characters (zi, pinyin, syllable, tone, readings, level, traditional, radical, "
                "radical_form, radical_strokes, residual, strokes, rule, working, element, element_reason, glyph_strokes, "
                "family_element, family_element_reason) VALUES (?, ?, ?, ?, ?, ?, ?, 85, '水', 4, 3, 7, 'reduced', "
                "'水 4 + 3，氵按水计 4', '水', '水：部首氵（水）', 6, '', '')",
                (zi, pinyin, syllable, tone, pinyin, level, zi))
        db.execute("INSERT INTO surnames (family, pinyin, syllables, note) VALUES ('曾', 'zēng', 'zeng1', 'n'), "
                   "('尉迟', 'yù chí', 'yu4 chi2', 'n')")
        db.execute("INSERT INTO unfortunate_words (word, pinyin, syllables, kind, other_tones, note) "
                   "VALUES ('饭桶', 'fàn tǒng', 'fan4 tong3', '可笑', 1, 'n')")
        db.execute("INSERT INTO character_meanings (zi, tone, tier, gloss) VALUES ('思', '褒', 1, '想念（思念）'), "
                   "('治', '中', 2, '治理（治国）'), ('沪', '中', 3, '上海的简称（沪上）'), ('病', '贬', 3, '疾病（生病）'), "
                   "('李', '中', 0, '李树（桃李）')")
        db.execute("INSERT INTO everyday_words (word, kind, note) VALUES ('治标', '词', ''), ('思远', '地名', '')")
        db.execute("INSERT INTO place_characters (zi, place, note) VALUES ('沪', '上海', '')")
        db.execute("INSERT INTO poems (id, work, title, author, dynasty) "
                   "VALUES (1, '诗经', '载驰', '佚名', '先秦'), (2, '诗经', '甫田', '佚名', '先秦')")
        db.execute("INSERT INTO verses (id, poem, text) VALUES (1, 1, '视尔不臧，我思不远。'), (2, 2, '无思远人。')")
        db.execute("INSERT INTO verse_pairs (pair, verses) VALUES (?, '1 2')", (ord("思") * (1 << 21) + ord("远"),))
        db.execute("INSERT INTO verse_index (first_characters, second_characters, classes) "
                   "VALUES ('思统', '远李', x'03')")
        seal(db)
        db.commit()
        db.execute("VACUUM")
        db.close()
        return Path(path).read_bytes()


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--out", type=Path, default=ROOT / "fuzz" / "corpus")
    out = parser.parse_args().out

    jet3 = access_header_page("jet3")
    naming = small_naming_database()
    knowledge = small_knowledge_file()
    seeds = {
        "access_import": {
            "jet3-header": jet3,
            "jet3-three-pages": jet3 + bytes(2 * 2048),
            "jet4-three-pages": access_header_page("jet4") + bytes(2 * 4096),
            "ace-header": access_header_page("ace"),
            "jet4-password": access_header_page("jet4", password=b"secret"),
            "jet3-western": access_header_page("jet3", code_page=1252) + bytes(2 * 2048),
        },
        "database_open": {
            "small-naming-database": naming,
            "jet3-three-pages": jet3 + bytes(2 * 2048),
            "text": "这不是数据库 not a database\n".encode("utf-8"),
        },
        "knowledge_file": {
            "small-knowledge-file": b"\x00" + knowledge,
            "small-knowledge-file-sealed-again": b"\x01" + knowledge,
            "small-naming-database": b"\x01" + naming,
            "text": b"\x00" + "这不是数据库 not a database\n".encode("utf-8"),
        },
        "gbk_text": {
            "chinese": b"\x04\x06" + "李哉栋 庚寅年 戊寅月".encode("utf-8"),
            "ascii": b"\x00\x03" + b"abc 123",
            "mixed": b"\x01\x05" + "a李1 é\U0001F600".encode("utf-8"),
            "malformed": b"\x02\x07" + b"\xE6\x9D\x80\xC0\xAF\xED\xA0\x80\xFF\xF4\x90\x80\x80",
        },
    }
    for target, files in seeds.items():
        folder = out / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in files.items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
