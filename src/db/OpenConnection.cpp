#include "db/OpenConnection.h"

#include "access/AccessConnection.h"
#include "db/DatabaseFormat.h"
#include "db/NamingSchema.h"
#include "db/ReadOnlySqlite.h"
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

/// The first finding of `PRAGMA integrity_check`; empty when it finds the file sound.
std::string integrityFinding(SQLite::Database& connection) {
    SQLite::Statement check(connection, "PRAGMA integrity_check(1)");
    if (!check.executeStep()) {
        return "no answer";
    }
    std::string finding = check.getColumn(0).getString();
    return finding == "ok" ? std::string() : finding;
}

OpenedConnection refused(OpenFailure failure, std::string detail = {}) {
    return {nullptr, failure, AccessFailure::None, std::move(detail)};
}

/// The connection, or why the file is no naming database.
OpenedConnection withNamingSchema(std::unique_ptr<SQLite::Database> connection) {
    try {
        std::string missing = missingFromNamingSchema(*connection);
        if (!missing.empty()) {
            return refused(OpenFailure::NotANamingDatabase, std::move(missing));
        }
    } catch (const SQLite::Exception& error) {
        return refused(OpenFailure::FailedIntegrityCheck, error.what());
    }
    return {std::move(connection), OpenFailure::None, AccessFailure::None, {}};
}

OpenedConnection openSqlite(const std::filesystem::path& file) {
    const ReadOnlySqlite how = readOnlySqlite(file);
    if (how.uri.empty()) {
        return refused(OpenFailure::PendingWriteAhead, how.refusal);
    }
    std::unique_ptr<SQLite::Database> connection;
    try {
        connection = std::make_unique<SQLite::Database>(how.uri, SQLite::OPEN_READONLY | SQLite::OPEN_URI);
        connection->exec("PRAGMA query_only = 1");
        // Nothing writes the file while the program runs: keep the shared lock once taken instead of taking it
        // (and re-checking the file) for every statement.
        connection->exec("PRAGMA locking_mode = EXCLUSIVE");
    } catch (const SQLite::Exception& error) {
        return refused(OpenFailure::SqliteRefused, error.what());
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
            // not found, a name scored with half its lookups missing. One flipped bit in an index entry passed
            // quick_check, which reads every page but compares no index with its table, and hid 美 from lookups.
            std::string finding = integrityFinding(*connection);
            if (!finding.empty()) {
                return refused(OpenFailure::FailedIntegrityCheck, std::move(finding));
            }
            g_lastChecked = identity;
        }
    } catch (const SQLite::Exception& error) {
        return refused(OpenFailure::FailedIntegrityCheck, error.what());
    }
    return withNamingSchema(std::move(connection));
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
    case OpenFailure::FailedIntegrityCheck:
        return "FailedIntegrityCheck";
    case OpenFailure::PendingWriteAhead:
        return "PendingWriteAhead";
    case OpenFailure::AccessRefused:
        return "AccessRefused";
    case OpenFailure::NotANamingDatabase:
        return "NotANamingDatabase";
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
            return {nullptr, OpenFailure::AccessRefused, access.failure, std::string(nameOf(access.failure))};
        }
        return withNamingSchema(std::move(access.connection));
    }
    case DatabaseFormat::Unreadable:
        return refused(OpenFailure::Unreadable);
    case DatabaseFormat::Unknown:
        break;
    }
    return refused(OpenFailure::UnknownFormat);
}

} // namespace namewright
