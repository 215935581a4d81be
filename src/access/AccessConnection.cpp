#include "access/AccessConnection.h"

#include "access/AccessImport.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace namewright {

namespace {

/// One imported file, serialised (sqlite3_serialize) together with the identity it was imported under.
struct Import {
    std::filesystem::path path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    std::vector<std::string> indexStatements;
    std::vector<unsigned char> image;

    bool isOf(const Import& other) const {
        return path == other.path && size == other.size && modified == other.modified &&
               indexStatements == other.indexStatements;
    }
};

std::mutex g_importMutex;
std::shared_ptr<const Import> g_lastImport;

/// The identity of the file as it is now; std::nullopt when it cannot be looked at.
std::optional<Import> identify(const std::filesystem::path& file, std::span<const char* const> indexStatements) {
    std::error_code error;
    Import import;
    import.path = std::filesystem::weakly_canonical(file, error);
    if (error) {
        return std::nullopt;
    }
    import.size = std::filesystem::file_size(import.path, error);
    if (error) {
        return std::nullopt;
    }
    import.modified = std::filesystem::last_write_time(import.path, error);
    if (error) {
        return std::nullopt;
    }
    import.indexStatements.assign(indexStatements.begin(), indexStatements.end());
    return import;
}

/// Imports the file into a scratch database and keeps its serialised image.
AccessFailure runImport(Import& import) {
    try {
        SQLite::Database scratch(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        if (const AccessFailure failure = importAccessDatabase(import.path, scratch); failure != AccessFailure::None) {
            return failure;
        }
        for (const std::string& statement : import.indexStatements) {
            try {
                scratch.exec(statement);
            } catch (const SQLite::Exception&) {
                // The file lacks the table or column: the catalogue's query on it finds nothing either way.
            }
        }
        sqlite3_int64 size = 0;
        unsigned char* image = sqlite3_serialize(scratch.getHandle(), "main", &size, 0);
        if (image != nullptr) {
            import.image.assign(image, image + size);
            sqlite3_free(image);
        }
        return AccessFailure::None;
    } catch (const SQLite::Exception&) {
        return AccessFailure::SqliteFailed;
    }
}

struct SharedImport {
    std::shared_ptr<const Import> import; ///< nullptr after a failure
    AccessFailure failure = AccessFailure::None;
};

SharedImport importOnce(const std::filesystem::path& file, std::span<const char* const> indexStatements) {
    auto import = identify(file, indexStatements);
    if (!import) {
        return {nullptr, AccessFailure::FileUnreadable};
    }
    const std::lock_guard lock(g_importMutex);
    if (g_lastImport && g_lastImport->isOf(*import)) {
        return {g_lastImport, AccessFailure::None};
    }
    if (const AccessFailure failure = runImport(*import); failure != AccessFailure::None) {
        return {nullptr, failure};
    }
    g_lastImport = std::make_shared<const Import>(std::move(*import));
    return {g_lastImport, AccessFailure::None};
}

} // namespace

AccessConnection openAccessConnection(const std::filesystem::path& file, std::span<const char* const> indexStatements) {
    const auto [import, failure] = importOnce(file, indexStatements);
    if (!import) {
        return {nullptr, failure};
    }
    try {
        auto connection = std::make_unique<SQLite::Database>(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        if (!import->image.empty()) {
            const auto size = static_cast<sqlite3_int64>(import->image.size());
            auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(import->image.size()));
            if (copy == nullptr) {
                return {nullptr, AccessFailure::SqliteFailed};
            }
            std::memcpy(copy, import->image.data(), import->image.size());
            // With FREEONCLOSE SQLite owns the copy from here on, also when deserialising fails.
            if (sqlite3_deserialize(connection->getHandle(), "main", copy, size, size,
                                    SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY) != SQLITE_OK) {
                return {nullptr, AccessFailure::SqliteFailed};
            }
        }
        connection->exec("PRAGMA query_only = 1");
        return {std::move(connection), AccessFailure::None};
    } catch (const SQLite::Exception&) {
        return {nullptr, AccessFailure::SqliteFailed};
    }
}

} // namespace namewright
