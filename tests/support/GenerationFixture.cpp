#include "support/GenerationFixture.h"

#include <array>

namespace namewright::testing {

namespace {

const std::array<const char*, 3> kLuckWords{"吉", "半吉", "凶"};
const std::array<const char*, 5> kElements{"木", "火", "土", "金", "水"};
const std::array<const char*, 3> kGenders{"男", "女", "中"};

/// An irregular but fixed choice among three, so that the fixture's names reach every score band.
std::size_t scatter(int n) {
    return (static_cast<std::uint32_t>(n) * 2654435761U >> 13U) % 3;
}

std::string elementOf(int n) {
    const int digit = n % 10;
    const std::array<int, 10> byDigit{4, 0, 0, 1, 1, 2, 2, 3, 3, 4};
    return kElements[static_cast<std::size_t>(byDigit[static_cast<std::size_t>(digit)])];
}

int points(const std::string& luck, int good, int half, int bad) {
    if (luck == "吉") {
        return good;
    }
    if (luck == "半吉") {
        return half;
    }
    if (luck == "凶") {
        return bad;
    }
    return 0;
}

std::string numberLuck(NamingDatabase& db, int n) {
    const auto row = db.numerologyRow(std::to_string(n));
    return row ? row->luck : std::string();
}

} // namespace

void fillGenerationTables(TempDatabase& file, int word1Count, int word2Count) {
    std::string sql = "BEGIN; INSERT INTO word VALUES ('李', 7, '火'), ('欧', 15, '土'), ('安', 6, '土');";
    for (int n = 1; n <= 81; ++n) {
        sql += "INSERT INTO sl VALUES ('" + std::to_string(n) + "', '" + kLuckWords[scatter(n)] +
               "', '', '', '', '', '');";
    }
    int id = 0;
    for (const char* heaven : kElements) {
        for (const char* person : kElements) {
            for (const char* earth : kElements) {
                ++id;
                sql += "INSERT INTO \"3cai\" VALUES (" + std::to_string(id) + ", '" + heaven + person + earth +
                       "', '', '" + kLuckWords[scatter(id + 100)] + "');";
            }
        }
    }
    // Characters are private-use code points (plane 15) so that each row's text is unique and easy to generate.
    const auto characterText = [](int table, int index) {
        const char32_t c = 0xF0000 + static_cast<char32_t>(table * 0x8000 + index);
        std::string text;
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
        return text;
    };
    for (int i = 1; i <= word1Count; ++i) {
        const std::string row = "'" + characterText(0, i) + "', " + std::to_string(2 + i * 7 % 23) + ", '" +
                                kElements[static_cast<std::size_t>(i % 5)] + "'";
        sql += "INSERT INTO word1 VALUES (" + std::to_string(i) + ", " + row + ", '" +
               kGenders[static_cast<std::size_t>(i % 3)] + "');";
        sql += "INSERT INTO word VALUES (" + row + ");";
    }
    for (int i = 1; i <= word2Count; ++i) {
        const std::string row = "'" + characterText(1, i) + "', " + std::to_string(3 + i * 5 % 19) + ", '" +
                                kElements[static_cast<std::size_t>(i * 3 % 5)] + "'";
        sql += "INSERT INTO word2 VALUES (" + std::to_string(i) + ", " + row + ", '" +
               kGenders[static_cast<std::size_t>(i % 3)] + "');";
        sql += "INSERT INTO word VALUES (" + row + ");";
    }
    sql += "COMMIT;";
    file.exec(sql);
}

ReferenceName referenceScore(NamingDatabase& db, const std::string& familyText, const std::string& familyCharacter,
                             const std::string& first, const std::string& second) {
    const WordRow family = db.wordRow(familyCharacter).value_or(WordRow{});
    const WordRow b1 = db.wordRow(first).value_or(WordRow{});
    ReferenceName result;
    result.heaven = family.strokes + 1;
    result.person = family.strokes + b1.strokes;
    if (second.empty()) {
        result.earth = b1.strokes + 1;
        result.outer = 2;
        result.total = family.strokes + b1.strokes;
        result.name = familyText + b1.character;
        result.elements = family.element + b1.element;
    } else {
        const WordRow b2 = db.wordRow(second).value_or(WordRow{});
        result.earth = b1.strokes + b2.strokes;
        result.outer = b2.strokes + 1;
        result.total = family.strokes + b1.strokes + b2.strokes;
        result.name = familyText + b1.character + b2.character;
        result.elements = family.element + b1.element + b2.element;
    }
    result.key = elementOf(result.heaven) + elementOf(result.person) + elementOf(result.earth);
    const auto keyRow = db.threeTalentsRow(result.key);
    const std::string keyLuck = keyRow ? keyRow->luck : std::string();
    if (second.empty()) {
        result.score = points(numberLuck(db, result.earth), 32, 30, 11) +
                       points(numberLuck(db, result.person), 32, 28, 22) + 11 + points(keyLuck, 20, 18, 11);
    } else {
        result.score = points(numberLuck(db, result.earth), 32, 30, 11) +
                       points(numberLuck(db, result.person), 16, 14, 11) +
                       points(numberLuck(db, result.outer), 16, 14, 11) +
                       points(numberLuck(db, result.total), 16, 14, 11) + points(keyLuck, 20, 18, 14);
    }
    return result;
}

} // namespace namewright::testing
