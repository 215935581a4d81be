#include "support/SmallKnowledgeFile.h"

#include "knowledge/KnowledgeSeal.h"
#include "knowledge/KnowledgeTables.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

namespace namewright::testing {

namespace {

std::string schemaText() {
    std::ifstream in(NAMEWRIGHT_KNOWLEDGE_SCHEMA_FILE);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

SmallKnowledgeFile::SmallKnowledgeFile() {
    write();
    sealKnowledgeFile(m_path.path());
}

void SmallKnowledgeFile::write() {
    SQLite::Database db(m_path.path().string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("PRAGMA journal_mode = OFF"); // a throw-away file needs no crash safety
    db.exec("PRAGMA synchronous = OFF");
    db.exec(schemaText());
    db.exec("INSERT INTO meta (key, value) VALUES ('format', '" + std::string(kKnowledgeFormat) +
            "'), ('verses_per_pair', '3')");
    const char* rows[][5] = {
        {"范", "fàn", "fan", "4", "1"},   {"统", "tǒng", "tong", "3", "1"}, {"李", "lǐ", "li", "3", "1"},
        {"丽", "lì", "li", "4", "1"},     {"思", "sī", "si", "1", "1"},     {"远", "yuǎn", "yuan", "3", "1"},
        {"曾", "céng", "ceng", "2", "1"}, {"单", "dān", "dan", "1", "1"},   {"尉", "wèi", "wei", "4", "1"},
        {"迟", "chí", "chi", "2", "1"},   {"婧", "jìng", "jing", "4", "2"}, {"钰", "yù", "yu", "4", "3"},
        {"治", "zhì", "zhi", "4", "1"},   {"标", "biāo", "biao", "1", "1"}, {"沪", "hù", "hu", "4", "2"},
        {"病", "bìng", "bing", "4", "1"}, {"杭", "háng", "hang", "2", "1"}, {"州", "zhōu", "zhou", "1", "1"},
    };
    SQLite::Statement insert(db, "INSERT INTO characters (zi, pinyin, syllable, tone, readings, level, traditional, "
                                 "radical, radical_form, radical_strokes, residual, strokes, rule, working, element, "
                                 "element_reason, glyph_strokes, family_element, family_element_reason) VALUES (?, ?, "
                                 "?, ?, ?, ?, ?, 85, '水', 4, 3, 7, 'reduced', '水 4 + 3，氵按水计 4', '水', "
                                 "'水：部首氵（水）', 6, '', '')");
    for (const auto& row : rows) {
        insert.bind(1, row[0]);
        insert.bind(2, row[1]);
        insert.bind(3, row[2]);
        insert.bind(4, std::stoi(row[3]));
        insert.bind(5, row[1]);
        insert.bind(6, std::stoi(row[4]));
        insert.bind(7, row[0]);
        insert.exec();
        insert.reset();
    }
    db.exec("UPDATE characters SET family_element = '金', family_element_reason = '金：声母 sh（姓读 shàn）' "
            "WHERE zi = '单'");
    db.exec("INSERT INTO surnames (family, pinyin, syllables, note) VALUES ('曾', 'zēng', 'zeng1', 'n'), "
            "('单', 'shàn', 'shan4', 'n'), ('尉迟', 'yù chí', 'yu4 chi2', 'n')");
    db.exec("INSERT INTO unfortunate_words (word, pinyin, syllables, kind, other_tones, note) "
            "VALUES ('饭桶', 'fàn tǒng', 'fan4 tong3', '可笑', 1, 'n')");
    // Meanings: a name character of each tier and tone, a family-only character (tier 0), and 丽 without one.
    db.exec(
        "INSERT INTO character_meanings (zi, tone, tier, gloss) VALUES ('思', '褒', 1, '想念；思考（思念）'), "
        "('远', '褒', 2, '遥远；长远（远大）'), ('钰', '褒', 3, '珍宝（王曼昱）'), ('治', '中', 2, '治理（治国）'), "
        "('标', '中', 2, '标志（标杆）'), ('沪', '中', 3, '上海的简称（沪上）'), ('病', '贬', 3, '疾病（生病）'), "
        "('李', '中', 0, '李树（桃李）')");
    db.exec("INSERT INTO everyday_words (word, kind, note) VALUES ('治标', '词', ''), ('杭州', '地名', '')");
    db.exec("INSERT INTO place_characters (zi, place, note) VALUES ('沪', '上海', '')");
    db.exec(
        "INSERT INTO poems (id, work, title, author, dynasty) VALUES (1, '诗经', '国风·鄘风·载驰', '佚名', '先秦'), "
        "(2, '诗经', '国风·齐风·甫田', '佚名', '先秦')");
    db.exec(
        "INSERT INTO verses (id, poem, text) VALUES (1, 1, '视尔不臧，我思不远。'), (2, 2, '无思远人，劳心忉忉。')");
    SQLite::Statement pair(db, "INSERT INTO verse_pairs (pair, verses) VALUES (?, '1 2')");
    pair.bind(1, static_cast<std::int64_t>(U'思') * (1 << 21) + U'远');
    pair.exec();
    // First characters 思 统, second characters 远 丽: only 思远 (pair 0) has verses, side by side in the 诗经 (class 3
    // in the two lowest bits).
    SQLite::Statement index(db, "INSERT INTO verse_index (first_characters, second_characters, classes) "
                                "VALUES ('思统', '远丽', ?)");
    const char classes[] = {3};
    index.bind(1, classes, 1);
    index.exec();
}

} // namespace namewright::testing
