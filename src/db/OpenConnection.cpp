#include "db/OpenConnection.h"

#include "access/AccessConnection.h"
#include "db/DatabaseFormat.h"
#include "db/SchemaIndexes.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <ostream>

namespace namewright {

namespace {

OpenedConnection openSqlite(const std::filesystem::path& file) {
    std::unique_ptr<SQLite::Database> connection;
    try {
        connection = std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READONLY);
        connection->exec("PRAGMA query_only = 1");
        // Nothing writes the file while the program runs: keep the shared lock once taken instead of taking it
        // (and re-checking the file) for every statement.
        connection->exec("PRAGMA locking_mode = EXCLUSIVE");
    } catch (const SQLite::Exception&) {
        return {nullptr, OpenFailure::SqliteRefused, AccessFailure::None};
    }
    try {
        // A file with pages overwritten still opened and answered from the pages that survived: a family name not
        // found, a name scored with half its lookups missing. quick_check reads every page once.
        SQLite::Statement check(*connection, "PRAGMA quick_check(1)");
        if (!check.executeStep() || check.getColumn(0).getString() != "ok") {
            return {nullptr, OpenFailure::FailedQuickCheck, AccessFailure::None};
        }
    } catch (const SQLite::Exception&) {
        return {nullptr, OpenFailure::FailedQuickCheck, AccessFailure::None};
    }
    return {std::move(connection), OpenFailure::None, AccessFailure::None};
}

} // namespace

std::string_view nameOf(OpenFailure failure) {
    switch (failure) {
    case OpenFailure::None:
        return "None";
    case OpenFailure::Unreadable:
        return "Unreadable";
    case OpenFailure::UnknownFormat:
        return "UnknownFormat";
    case OpenFailure::SqliteRefused:
        return "SqliteRefused";
    case OpenFailure::FailedQuickCheck:
        return "FailedQuickCheck";
    case OpenFailure::AccessRefused:
        return "AccessRefused";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, OpenFailure failure) {
    return out << nameOf(failure);
}

OpenedConnection openConnection(const std::filesystem::path& file) {
    switch (sniffDatabaseFormat(file)) {
    case DatabaseFormat::Sqlite:
        return openSqlite(file);
    case DatabaseFormat::Access: {
        AccessConnection access = openAccessConnection(file, kSchemaIndexStatements);
        if (!access.connection) {
            return {nullptr, OpenFailure::AccessRefused, access.failure};
        }
        return {std::move(access.connection), OpenFailure::None, AccessFailure::None};
    }
    case DatabaseFormat::Unreadable:
        return {nullptr, OpenFailure::Unreadable, AccessFailure::None};
    case DatabaseFormat::Unknown:
        break;
    }
    return {nullptr, OpenFailure::UnknownFormat, AccessFailure::None};
}

} // namespace namewright
