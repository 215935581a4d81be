#include "db/NamingDatabase.h"

#include "db/OpenConnection.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <SQLiteCpp/VariadicBind.h>

#include <array>
#include <string>

namespace namewright {

namespace {

enum class Query : std::size_t {
    Bazi,
    Word,
    Word1After,
    Word1OfGender,
    Word2OfGender,
    Word1ForDraws,
    Word2ForDraws,
    Numerology,
    ThreeTalents,
    AllNumerology,
    AllThreeTalents,
    Count
};

constexpr std::array<const char*, static_cast<std::size_t>(Query::Count)> kQueryTexts{
    "SELECT * FROM bazi WHERE bazi = ?",
    "SELECT * FROM word WHERE zi = ?",
    "SELECT * FROM word1 WHERE ID > ? AND xb <> ? ORDER BY ID",
    "SELECT * FROM word1 WHERE xb = ? ORDER BY ID",
    "SELECT * FROM word2 WHERE xb = ? ORDER BY ID",
    "SELECT * FROM word1 WHERE xb = ? OR (xb <> '男' AND xb <> '女') ORDER BY ID",
    "SELECT * FROM word2 WHERE xb = ? OR (xb <> '男' AND xb <> '女') ORDER BY ID",
    "SELECT * FROM sl WHERE \"数理序号\" = ?",
    "SELECT * FROM \"3cai\" WHERE \"属性\" = ?",
    "SELECT * FROM sl",
    "SELECT * FROM \"3cai\"",
};

std::string textOf(SQLite::Statement& statement, const char* column) {
    return statement.getColumn(column).getString();
}

int intOf(SQLite::Statement& statement, const char* column) {
    return statement.getColumn(column).getInt();
}

CandidateRow candidateOf(SQLite::Statement& statement) {
    return CandidateRow{intOf(statement, "ID"), textOf(statement, "zi"), intOf(statement, "bh"),
                        textOf(statement, "yongtu"), textOf(statement, "xb")};
}

NumerologyRow numerologyOf(SQLite::Statement& statement) {
    return NumerologyRow{textOf(statement, "数理序号"), textOf(statement, "吉否"), textOf(statement, "一字描述"),
                         textOf(statement, "基业"),     textOf(statement, "家庭"), textOf(statement, "健康"),
                         textOf(statement, "含意")};
}

ThreeTalentsRow threeTalentsOf(SQLite::Statement& statement) {
    return ThreeTalentsRow{textOf(statement, "属性"), textOf(statement, "吉否"), textOf(statement, "解释")};
}

} // namespace

struct NamingDatabase::Impl {
    std::unique_ptr<SQLite::Database> connection;
    OpenFailure failure = OpenFailure::None;
    std::string failureDetail;
    std::array<std::unique_ptr<SQLite::Statement>, static_cast<std::size_t>(Query::Count)> statements;
    std::array<bool, static_cast<std::size_t>(Query::Count)> unusable{};

    /// The prepared statement of a query, reset and unbound; nullptr when the query cannot run on this database.
    SQLite::Statement* statement(Query query) {
        const auto index = static_cast<std::size_t>(query);
        if (!connection || unusable[index]) {
            return nullptr;
        }
        auto& slot = statements[index];
        try {
            if (!slot) {
                slot = std::make_unique<SQLite::Statement>(*connection, kQueryTexts[index]);
            } else {
                slot->reset();
                slot->clearBindings();
            }
        } catch (const SQLite::Exception&) {
            // A missing table or column: the database does not change while open, so neither will the answer.
            unusable[index] = true;
            slot.reset();
            return nullptr;
        }
        return slot.get();
    }

    /// Runs a query with `parameters` bound in order and maps every row with `read`; any failure ends the walk with
    /// the rows read so far discarded.
    template <typename Row, typename Read, typename... Parameters>
    std::vector<Row> rows(Query query, Read&& read, const Parameters&... parameters) {
        std::vector<Row> result;
        SQLite::Statement* s = statement(query);
        if (s == nullptr) {
            return result;
        }
        try {
            SQLite::bind(*s, parameters...);
            while (s->executeStep()) {
                result.push_back(read(*s));
            }
            s->reset();
        } catch (const SQLite::Exception&) {
            result.clear();
        }
        return result;
    }

    /// The first row of a query with `parameters` bound in order, mapped with `read`.
    template <typename Row, typename Read, typename... Parameters>
    std::optional<Row> firstRow(Query query, Read&& read, const Parameters&... parameters) {
        SQLite::Statement* s = statement(query);
        if (s == nullptr) {
            return std::nullopt;
        }
        try {
            SQLite::bind(*s, parameters...);
            std::optional<Row> row;
            if (s->executeStep()) {
                row = read(*s);
            }
            s->reset();
            return row;
        } catch (const SQLite::Exception&) {
            return std::nullopt;
        }
    }
};

NamingDatabase::NamingDatabase() = default;
NamingDatabase::~NamingDatabase() = default;
NamingDatabase::NamingDatabase(NamingDatabase&&) noexcept = default;
NamingDatabase& NamingDatabase::operator=(NamingDatabase&&) noexcept = default;
NamingDatabase::NamingDatabase(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

NamingDatabase NamingDatabase::open(const std::filesystem::path& file) {
    OpenedConnection opened = openConnection(file);
    auto impl = std::make_unique<Impl>();
    impl->connection = std::move(opened.connection);
    impl->failure = opened.failure;
    impl->failureDetail = std::move(opened.detail);
    return NamingDatabase(std::move(impl));
}

bool NamingDatabase::isOpen() const {
    return m_impl && m_impl->connection;
}

OpenFailure NamingDatabase::failure() const {
    return m_impl ? m_impl->failure : OpenFailure::None;
}

std::string NamingDatabase::failureDetail() const {
    return m_impl ? m_impl->failureDetail : std::string();
}

std::optional<BaziRow> NamingDatabase::baziRow(std::string_view pair) {
    if (!m_impl) {
        return std::nullopt;
    }
    return m_impl->firstRow<BaziRow>(
        Query::Bazi,
        [](SQLite::Statement& s) {
            return BaziRow{textOf(s, "wuxing"), textOf(s, "wuxing1")};
        },
        std::string(pair));
}

std::optional<WordRow> NamingDatabase::wordRow(std::string_view character) {
    if (!m_impl) {
        return std::nullopt;
    }
    return m_impl->firstRow<WordRow>(
        Query::Word,
        [](SQLite::Statement& s) {
            return WordRow{textOf(s, "zi"), intOf(s, "bh"), textOf(s, "yongtu")};
        },
        std::string(character));
}

std::vector<CandidateRow> NamingDatabase::word1After(int resumeMark, std::string_view excludedGender) {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<CandidateRow>(Query::Word1After, candidateOf, resumeMark, std::string(excludedGender));
}

std::vector<CandidateRow> NamingDatabase::word1OfGender(std::string_view gender) {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<CandidateRow>(Query::Word1OfGender, candidateOf, std::string(gender));
}

std::vector<CandidateRow> NamingDatabase::word2OfGender(std::string_view gender) {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<CandidateRow>(Query::Word2OfGender, candidateOf, std::string(gender));
}

std::vector<CandidateRow> NamingDatabase::word1ForDraws(std::string_view gender) {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<CandidateRow>(Query::Word1ForDraws, candidateOf, std::string(gender));
}

std::vector<CandidateRow> NamingDatabase::word2ForDraws(std::string_view gender) {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<CandidateRow>(Query::Word2ForDraws, candidateOf, std::string(gender));
}

std::optional<NumerologyRow> NamingDatabase::numerologyRow(std::string_view number) {
    if (!m_impl) {
        return std::nullopt;
    }
    return m_impl->firstRow<NumerologyRow>(Query::Numerology, numerologyOf, std::string(number));
}

std::optional<ThreeTalentsRow> NamingDatabase::threeTalentsRow(std::string_view key) {
    if (!m_impl) {
        return std::nullopt;
    }
    return m_impl->firstRow<ThreeTalentsRow>(Query::ThreeTalents, threeTalentsOf, std::string(key));
}

std::vector<NumerologyRow> NamingDatabase::allNumerologyRows() {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<NumerologyRow>(Query::AllNumerology, numerologyOf);
}

std::vector<ThreeTalentsRow> NamingDatabase::allThreeTalentsRows() {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<ThreeTalentsRow>(Query::AllThreeTalents, threeTalentsOf);
}

TableListing NamingDatabase::listTable(std::string_view table) {
    if (!isOpen()) {
        return {};
    }
    return namewright::listTable(*m_impl->connection, table);
}

} // namespace namewright
