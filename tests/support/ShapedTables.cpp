#include "support/ShapedTables.h"

#include "naming/FiveGrids.h"
#include "support/BaziFixture.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <SQLiteCpp/VariadicBind.h>

#include <array>
#include <vector>

namespace namewright::testing {

namespace {

std::string utf8(char32_t c) {
    std::string out;
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
    return out;
}

constexpr std::array<const char*, 3> kLuckWords{"吉", "半吉", "凶"};

} // namespace

std::string ideographText(std::size_t characters, std::size_t seed) {
    std::string text;
    for (std::size_t i = 0; i < characters; ++i) {
        text += utf8(static_cast<char32_t>(0x4E00 + (seed * 131 + i * 17) % 20000));
    }
    return text;
}

LuckTables shapedLuckTables() {
    std::vector<NumerologyRow> sl;
    for (int n = 1; n <= 81; ++n) {
        sl.push_back(NumerologyRow{std::to_string(n), kLuckWords[(n * 2654435761U >> 13U) % 3], "", "", "", "", ""});
    }
    std::vector<ThreeTalentsRow> keys;
    for (int index = 0; index < 125; ++index) {
        keys.push_back(ThreeTalentsRow{threeTalentsKey(index), kLuckWords[(index * 2654435761U >> 11U) % 3], ""});
    }
    return LuckTables(sl, keys);
}

void fillShippedSizeTables(TempDatabase& file) {
    fillBazi(file);
    file.fill([](SQLite::Database& db) {
        constexpr std::array<const char*, 5> elements{"金", "木", "水", "火", "土"};
        SQLite::Statement word(db, "INSERT INTO word VALUES (?, ?, ?)");
        const auto addWord = [&](const std::string& character, int strokes, const char* element) {
            SQLite::bind(word, character, strokes, element);
            word.exec();
            word.reset();
        };
        addWord("李", 7, "火");
        addWord("哉", 9, "金");
        addWord("栋", 12, "木");
        for (char32_t c = 0x4E00; c < 0x4E00 + 3000; ++c) {
            addWord(utf8(c), 1 + static_cast<int>(c * 7 % 30), elements[c % 5]);
        }

        SQLite::Statement numbers(db, "INSERT INTO sl VALUES (?, ?, ?, ?, ?, ?, ?)");
        for (std::size_t n = 1; n <= 81; ++n) {
            SQLite::bind(numbers, std::to_string(n), kLuckWords[n * 7 % 3], ideographText(4, n),
                         ideographText(40, n + 100), ideographText(40, n + 200), ideographText(40, n + 300),
                         ideographText(60, n + 400));
            numbers.exec();
            numbers.reset();
        }

        SQLite::Statement keys(db, "INSERT INTO \"3cai\" VALUES (?, ?, ?, ?)");
        for (int index = 0; index < 125; ++index) {
            SQLite::bind(keys, index + 1, threeTalentsKey(index),
                         ideographText(80, static_cast<std::size_t>(index) + 500),
                         kLuckWords[static_cast<std::size_t>(index) * 5 % 3]);
            keys.exec();
            keys.reset();
        }
    });
}

} // namespace namewright::testing
