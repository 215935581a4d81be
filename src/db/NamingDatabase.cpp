#include "db/NamingDatabase.h"

#include "db/AccessConnection.h"
#include "db/DatabaseFormat.h"

#include "db/SqlIdentifier.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <array>
#include <string>

namespace namewright {

namespace {

enum class Query : std::size_t {
    Bazi,
    Word,
    Word1After,
    Word1CountOfGender,
    Word1OfGender,
    Word2OfGender,
    Word1AtOffset,
    Word2AtOffset,
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
    "SELECT count(*) FROM word1 WHERE xb = ?",
    "SELECT * FROM word1 WHERE xb = ? ORDER BY ID",
    "SELECT * FROM word2 WHERE xb = ? ORDER BY ID",
    "SELECT * FROM word1 WHERE xb = ? ORDER BY ID LIMIT 1 OFFSET ?",
    "SELECT * FROM word2 WHERE xb = ? ORDER BY ID LIMIT 1 OFFSET ?",
    "SELECT * FROM sl WHERE \"数理序号\" = ?",
    "SELECT * FROM \"3cai\" WHERE \"属性\" = ?",
    "SELECT * FROM sl",
    "SELECT * FROM \"3cai\"",
};

/// Indexes on the columns the catalogue filters on, built on a database imported from an Access file (the shipped
/// SQLite file has them from its schema). Access does not require `ID` to be unique, so no index here is UNIQUE.
constexpr std::array kAccessIndexTexts{
    "CREATE INDEX bazi_by_pair ON bazi (bazi)",       "CREATE INDEX word_by_character ON word (zi)",
    "CREATE INDEX word1_by_id ON word1 (ID)",         "CREATE INDEX word1_by_gender ON word1 (xb, ID)",
    "CREATE INDEX word2_by_id ON word2 (ID)",         "CREATE INDEX word2_by_gender ON word2 (xb, ID)",
    "CREATE INDEX sl_by_number ON sl (\"数理序号\")", "CREATE INDEX sancai_by_key ON \"3cai\" (\"属性\")",
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

CellValue cellOf(const SQLite::Column& column) {
    if (column.isInteger()) {
        return static_cast<std::int64_t>(column.getInt64());
    }
    if (column.isFloat()) {
        return column.getDouble();
    }
    if (column.isText()) {
        return column.getString();
    }
    return std::monostate{};
}

} // namespace

struct NamingDatabase::Impl {
    std::unique_ptr<SQLite::Database> connection;
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

    /// Runs a query and maps every row with `read`; any failure ends the walk with the rows read so far discarded.
    template <typename Row, typename Bind, typename Read> std::vector<Row> rows(Query query, Bind&& bind, Read&& read) {
        std::vector<Row> result;
        SQLite::Statement* s = statement(query);
        if (s == nullptr) {
            return result;
        }
        try {
            bind(*s);
            while (s->executeStep()) {
                result.push_back(read(*s));
            }
            s->reset();
        } catch (const SQLite::Exception&) {
            result.clear();
        }
        return result;
    }

    template <typename Row, typename Bind, typename Read>
    std::optional<Row> firstRow(Query query, Bind&& bind, Read&& read) {
        SQLite::Statement* s = statement(query);
        if (s == nullptr) {
            return std::nullopt;
        }
        try {
            bind(*s);
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
    std::unique_ptr<SQLite::Database> connection;
    switch (sniffDatabaseFormat(file)) {
    case DatabaseFormat::Sqlite:
        try {
            connection = std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READONLY);
            connection->exec("PRAGMA query_only = 1");
            // Nothing writes the file while the program runs: keep the shared lock once taken instead of taking it
            // (and re-checking the file) for every statement.
            connection->exec("PRAGMA locking_mode = EXCLUSIVE");
            // Reading the schema catches a file whose header is right but whose pages are damaged.
            SQLite::Statement probe(*connection, "SELECT count(*) FROM sqlite_master");
            probe.executeStep();
        } catch (const SQLite::Exception&) {
            connection.reset();
        }
        break;
    case DatabaseFormat::Access:
        connection = openAccessConnection(file, kAccessIndexTexts);
        break;
    case DatabaseFormat::Unreadable:
    case DatabaseFormat::Unknown:
        break;
    }
    return fromConnection(std::move(connection));
}

NamingDatabase NamingDatabase::fromConnection(std::unique_ptr<SQLite::Database> connection) {
    if (!connection) {
        return NamingDatabase();
    }
    auto impl = std::make_unique<Impl>();
    impl->connection = std::move(connection);
    return NamingDatabase(std::move(impl));
}

bool NamingDatabase::isOpen() const {
    return m_impl && m_impl->connection;
}

void NamingDatabase::close() {
    m_impl.reset();
}

std::optional<BaziRow> NamingDatabase::baziRow(std::string_view pair) {
    if (!m_impl) {
        return std::nullopt;
    }
    return m_impl->firstRow<BaziRow>(
        Query::Bazi, [&](SQLite::Statement& s) { s.bind(1, std::string(pair)); },
        [](SQLite::Statement& s) {
            return BaziRow{textOf(s, "wuxing"), textOf(s, "wuxing1")};
        });
}

std::optional<WordRow> NamingDatabase::wordRow(std::string_view character) {
    if (!m_impl) {
        return std::nullopt;
    }
    return m_impl->firstRow<WordRow>(
        Query::Word, [&](SQLite::Statement& s) { s.bind(1, std::string(character)); },
        [](SQLite::Statement& s) {
            return WordRow{textOf(s, "zi"), intOf(s, "bh"), textOf(s, "yongtu")};
        });
}

std::vector<CandidateRow> NamingDatabase::word1After(int resumeMark, std::string_view excludedGender) {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<CandidateRow>(
        Query::Word1After,
        [&](SQLite::Statement& s) {
            s.bind(1, resumeMark);
            s.bind(2, std::string(excludedGender));
        },
        candidateOf);
}

int NamingDatabase::word1CountOfGender(std::string_view gender) {
    if (!m_impl) {
        return 0;
    }
    const auto count = m_impl->firstRow<int>(
        Query::Word1CountOfGender, [&](SQLite::Statement& s) { s.bind(1, std::string(gender)); },
        [](SQLite::Statement& s) { return s.getColumn(0).getInt(); });
    return count.value_or(0);
}

std::vector<CandidateRow> NamingDatabase::word1OfGender(std::string_view gender) {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<CandidateRow>(
        Query::Word1OfGender, [&](SQLite::Statement& s) { s.bind(1, std::string(gender)); }, candidateOf);
}

std::vector<CandidateRow> NamingDatabase::word2OfGender(std::string_view gender) {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<CandidateRow>(
        Query::Word2OfGender, [&](SQLite::Statement& s) { s.bind(1, std::string(gender)); }, candidateOf);
}

std::optional<CandidateRow> NamingDatabase::randomWord1(std::string_view gender, RandomSource& random) {
    const int count = word1CountOfGender(gender);
    if (count <= 0) {
        return std::nullopt;
    }
    const auto offset = static_cast<std::int64_t>(random.uniformIndex(static_cast<std::size_t>(count)));
    return m_impl->firstRow<CandidateRow>(
        Query::Word1AtOffset,
        [&](SQLite::Statement& s) {
            s.bind(1, std::string(gender));
            s.bind(2, offset);
        },
        candidateOf);
}

std::optional<CandidateRow> NamingDatabase::randomWord2(std::string_view gender, RandomSource& random) {
    if (!m_impl) {
        return std::nullopt;
    }
    // word2 has no counting query of its own in the catalogue; the rows of the gender are few enough to count here.
    const auto count = word2OfGender(gender).size();
    if (count == 0) {
        return std::nullopt;
    }
    const auto offset = static_cast<std::int64_t>(random.uniformIndex(count));
    return m_impl->firstRow<CandidateRow>(
        Query::Word2AtOffset,
        [&](SQLite::Statement& s) {
            s.bind(1, std::string(gender));
            s.bind(2, offset);
        },
        candidateOf);
}

std::optional<NumerologyRow> NamingDatabase::numerologyRow(std::string_view number) {
    if (!m_impl) {
        return std::nullopt;
    }
    return m_impl->firstRow<NumerologyRow>(
        Query::Numerology, [&](SQLite::Statement& s) { s.bind(1, std::string(number)); }, numerologyOf);
}

std::optional<ThreeTalentsRow> NamingDatabase::threeTalentsRow(std::string_view key) {
    if (!m_impl) {
        return std::nullopt;
    }
    return m_impl->firstRow<ThreeTalentsRow>(
        Query::ThreeTalents, [&](SQLite::Statement& s) { s.bind(1, std::string(key)); }, threeTalentsOf);
}

std::vector<NumerologyRow> NamingDatabase::allNumerologyRows() {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<NumerologyRow>(
        Query::AllNumerology, [](SQLite::Statement&) {}, numerologyOf);
}

std::vector<ThreeTalentsRow> NamingDatabase::allThreeTalentsRows() {
    if (!m_impl) {
        return {};
    }
    return m_impl->rows<ThreeTalentsRow>(
        Query::AllThreeTalents, [](SQLite::Statement&) {}, threeTalentsOf);
}

TableListing NamingDatabase::listTable(std::string_view table) {
    TableListing listing;
    if (!isOpen()) {
        return listing;
    }
    try {
        const std::string quoted = quoteIdentifier(table);
        SQLite::Statement info(*m_impl->connection, "PRAGMA table_info(" + quoted + ")");
        while (info.executeStep()) {
            listing.columns.push_back(ListingColumn{info.getColumn(1).getString(),
                                                    columnKindFromDeclaredType(info.getColumn(2).getString())});
        }
        if (listing.columns.empty()) {
            return listing;
        }
        SQLite::Statement all(*m_impl->connection, "SELECT * FROM " + quoted);
        const auto width = static_cast<int>(listing.columns.size());
        while (all.executeStep()) {
            std::vector<CellValue> row;
            row.reserve(listing.columns.size());
            for (int column = 0; column < width; ++column) {
                row.push_back(cellOf(all.getColumn(column)));
            }
            listing.rows.push_back(std::move(row));
        }
    } catch (const SQLite::Exception&) {
        return TableListing{};
    }
    return listing;
}

} // namespace namewright
