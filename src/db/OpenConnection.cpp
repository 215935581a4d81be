#include "db/OpenConnection.h"

#include "access/AccessConnection.h"
#include "db/DatabaseFormat.h"
#include "db/SchemaIndexes.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <mutex>
#include <optional>
#include <ostream>

namespace namewright {

namespace {

/// A file as it is on disk: where it is, how long it is and when it was last written.
struct FileIdentity {
    std::filesystem::path path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> identify(const std::filesystem::path& file) {
    std::error_code error;
    FileIdentity identity;
    identity.path = std::filesystem::canonical(file, error);
    if (!error) {
        identity.size = std::filesystem::file_size(identity.path, error);
    }
    if (!error) {
        identity.modified = std::filesystem::last_write_time(identity.path, error);
    }
    return error ? std::nullopt : std::optional(identity);
}

/// The last file that passed the check. The program opens several connections to one file (two at start-up, one
/// for every opening of the reference-tables window); an unchanged file is not read through again.
std::mutex g_checkedMutex;
std::optional<FileIdentity> g_lastChecked;

bool passesQuickCheck(SQLite::Database& connection) {
    SQLite::Statement check(connection, "PRAGMA quick_check(1)");
    return check.executeStep() && check.getColumn(0).getString() == "ok";
}

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
        // Reading the schema takes the shared lock, which this connection keeps: from here on nothing can write the
        // file, so its identity now is the identity of what the connection reads.
        SQLite::Statement schema(*connection, "SELECT count(*) FROM sqlite_master");
        schema.executeStep();
        const auto identity = identify(file);
        const std::lock_guard lock(g_checkedMutex);
        if (!identity || identity != g_lastChecked) {
            // A file with pages overwritten still opened and answered from the pages that survived: a family name
            // not found, a name scored with half its lookups missing. quick_check reads every page once.
            if (!passesQuickCheck(*connection)) {
                return {nullptr, OpenFailure::FailedQuickCheck, AccessFailure::None};
            }
            g_lastChecked = identity;
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
