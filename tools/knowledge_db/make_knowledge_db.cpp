// make_knowledge_db: builds the character knowledge file characters.db.
//
//   make_knowledge_db <knowledge_schema.sql> <output> <knowledge dir> <classics.tsv> <word1.tsv> <word2.tsv>
//
// Loads characters.tsv, surnames.tsv, unfortunate_words.tsv, character_meanings.tsv, everyday_words.tsv and
// place_characters.tsv of the knowledge folder into their tables (first line
// the column names, then one row per line, tab-separated UTF-8), reads the poems of classics.tsv (work, title, author,
// dynasty, famous 1 or 0, echoes: how often later poems quote each verse, separated by "|" or empty, and the verses
// separated by "|") and indexes the best verses of every pair of a word1 character followed by a word2 character
// (VerseIndexBuilder.h). Last, every row gets its checksum and every table its digest (knowledge/KnowledgeSeal.h).
// The output is written to a temporary file first and renamed into place.

#include "VerseIndexBuilder.h"

#include "knowledge/KnowledgeSeal.h"
#include "knowledge/KnowledgeTables.h"
#include "text/Utf8.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <SQLiteCpp/VariadicBind.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kVersesPerPair = 5;

std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    while (true) {
        const auto at = line.find(separator, start);
        fields.push_back(line.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) {
            return fields;
        }
        start = at + 1;
    }
}

/// The rows of a tab-separated file after its header, each checked to have the header's number of fields.
std::vector<std::vector<std::string>> readRows(const std::filesystem::path& source, std::vector<std::string>* header) {
    std::ifstream in(source);
    std::string line;
    if (!in || !std::getline(in, line)) {
        throw std::runtime_error("cannot read " + source.string());
    }
    const auto columns = split(line, '\t');
    if (header) {
        *header = columns;
    }
    std::vector<std::vector<std::string>> rows;
    for (int number = 2; std::getline(in, line); ++number) {
        auto fields = split(line, '\t');
        if (fields.size() != columns.size()) {
            throw std::runtime_error(source.string() + ":" + std::to_string(number) + ": expected " +
                                     std::to_string(columns.size()) + " fields");
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

void loadTable(SQLite::Database& db, const std::filesystem::path& source) {
    std::vector<std::string> columns;
    const auto rows = readRows(source, &columns);
    std::string sql = "INSERT INTO " + source.stem().string() + " (";
    std::string marks;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sql += (i ? ", " : "") + columns[i];
        marks += i ? ", ?" : "?";
    }
    SQLite::Statement insert(db, sql + ") VALUES (" + marks + ")");
    for (const auto& fields : rows) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            insert.bind(static_cast<int>(i + 1), fields[i]);
        }
        insert.exec();
        insert.reset();
    }
}

std::u32string nameCharacters(const std::filesystem::path& table) {
    std::vector<std::string> columns;
    const auto rows = readRows(table, &columns);
    std::size_t zi = 0;
    while (zi < columns.size() && columns[zi] != "zi") {
        ++zi;
    }
    if (zi == columns.size()) {
        throw std::runtime_error(table.string() + ": no column zi");
    }
    std::u32string characters;
    std::set<char32_t> seen;
    for (const auto& row : rows) {
        const auto decoded = namewright::decodeUtf8(row[zi]);
        if (decoded.size() == 1 && seen.insert(decoded[0]).second) {
            characters += decoded[0];
        }
    }
    return characters;
}

int number(const std::string& text, const std::filesystem::path& source, const std::string& title) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        throw std::runtime_error(source.string() + ": bad count " + text + " in " + title);
    }
    return value;
}

void writeVerses(SQLite::Database& db, const namewright::VerseIndexBuilder& index) {
    // Only the verses and poems some pair shows are kept, numbered from 1 in rank order.
    std::map<int, int> verseIds;
    const auto& first = index.firstCharacters();
    const auto& second = index.secondCharacters();
    // Two bits a pair: its VerseClass.
    std::string classes((first.size() * second.size() + 3) / 4, '\0');
    for (std::size_t f = 0; f < first.size(); ++f) {
        for (std::size_t s = 0; s < second.size(); ++s) {
            for (const int verse : index.versesOf(f, s)) {
                verseIds.emplace(verse, 0);
            }
        }
    }
    std::map<std::size_t, int> poemIds;
    int nextVerse = 0;
    for (auto& [verse, id] : verseIds) {
        id = ++nextVerse;
        poemIds.emplace(index.verseAt(verse).first, 0);
    }
    SQLite::Statement poem(db, "INSERT INTO poems (id, work, title, author, dynasty) VALUES (?, ?, ?, ?, ?)");
    int nextPoem = 0;
    for (auto& [poemIndex, id] : poemIds) {
        id = ++nextPoem;
        const auto& p = index.poems()[poemIndex];
        SQLite::bind(poem, id, p.work, p.title, p.author, p.dynasty);
        poem.exec();
        poem.reset();
    }
    SQLite::Statement verseRow(db, "INSERT INTO verses (id, poem, text) VALUES (?, ?, ?)");
    for (const auto& [verse, id] : verseIds) {
        const auto [poemIndex, inPoem] = index.verseAt(verse);
        SQLite::bind(verseRow, id, poemIds.at(poemIndex), index.poems()[poemIndex].verses[inPoem]);
        verseRow.exec();
        verseRow.reset();
    }
    SQLite::Statement pairRow(db, "INSERT INTO verse_pairs (pair, verses) VALUES (?, ?)");
    for (std::size_t f = 0; f < first.size(); ++f) {
        for (std::size_t s = 0; s < second.size(); ++s) {
            const auto verses = index.versesOf(f, s);
            if (verses.empty()) {
                continue;
            }
            std::string ids;
            for (const int verse : verses) {
                ids += (ids.empty() ? "" : " ") + std::to_string(verseIds.at(verse));
            }
            const auto pair = f * second.size() + s;
            const auto verseClass = static_cast<unsigned>(index.classOf(f, s));
            classes[pair / 4] =
                static_cast<char>(static_cast<unsigned char>(classes[pair / 4]) | (verseClass << (2 * (pair % 4))));
            SQLite::bind(pairRow, static_cast<std::int64_t>(first[f]) * (1 << 21) + second[s], ids);
            pairRow.exec();
            pairRow.reset();
        }
    }
    std::string firstText, secondText;
    for (const char32_t c : first) {
        namewright::appendUtf8(firstText, c);
    }
    for (const char32_t c : second) {
        namewright::appendUtf8(secondText, c);
    }
    SQLite::Statement indexRow(db, "INSERT INTO verse_index (first_characters, second_characters, classes) "
                                   "VALUES (?, ?, ?)");
    indexRow.bind(1, firstText);
    indexRow.bind(2, secondText);
    indexRow.bind(3, classes.data(), static_cast<int>(classes.size()));
    indexRow.exec();
}

void indexVerses(SQLite::Database& db, const std::filesystem::path& classics, const std::filesystem::path& word1,
                 const std::filesystem::path& word2) {
    namewright::VerseIndexBuilder index(nameCharacters(word1), nameCharacters(word2), kVersesPerPair);
    std::vector<std::string> columns;
    auto rows = readRows(classics, &columns);
    if (columns != std::vector<std::string>{"work", "title", "author", "dynasty", "famous", "echoes", "verses"}) {
        throw std::runtime_error(classics.string() + ": not the columns work, title, author, dynasty, famous, echoes, "
                                                     "verses");
    }
    for (auto& row : rows) {
        auto verses = split(row[6], '|');
        std::vector<int> quotations;
        if (!row[5].empty()) {
            for (const auto& count : split(row[5], '|')) {
                quotations.push_back(number(count, classics, row[1]));
            }
        }
        if ((row[4] != "0" && row[4] != "1") || (!quotations.empty() && quotations.size() != verses.size())) {
            throw std::runtime_error(classics.string() + ": bad famous or echoes of " + row[1]);
        }
        index.addPoem({row[0], row[1], row[2], row[3], row[4] == "1", std::move(verses), std::move(quotations)});
    }
    index.finish();
    writeVerses(db, index);
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::cerr << "usage: make_knowledge_db <schema.sql> <output> <knowledge dir> <classics.tsv> <word1.tsv> "
                     "<word2.tsv>\n";
        return 2;
    }
    const std::filesystem::path output = argv[2];
    const auto temporary = std::filesystem::path(output).concat(".tmp");
    try {
        std::filesystem::remove(temporary);
        {
            SQLite::Database db(temporary.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            db.exec("PRAGMA journal_mode = OFF");
            db.exec("PRAGMA synchronous = OFF");
            SQLite::Transaction transaction(db);
            db.exec(readFile(argv[1]));
            const std::filesystem::path knowledge = argv[3];
            for (const char* table : {"characters", "surnames", "unfortunate_words", "character_meanings",
                                      "everyday_words", "place_characters"}) {
                loadTable(db, knowledge / (std::string(table) + ".tsv"));
            }
            indexVerses(db, argv[4], argv[5], argv[6]);
            db.exec("INSERT INTO meta (key, value) VALUES ('format', '" + std::string(namewright::kKnowledgeFormat) +
                    "'), ('verses_per_pair', '" + std::to_string(kVersesPerPair) + "')");
            transaction.commit();
        }
        namewright::sealKnowledgeFile(temporary);
        std::filesystem::rename(temporary, output);
    } catch (const std::exception& error) {
        std::cerr << "make_knowledge_db: " << error.what() << "\n";
        std::filesystem::remove(temporary);
        return 1;
    }
    return 0;
}
