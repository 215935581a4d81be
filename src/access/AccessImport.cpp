#include "access/AccessImport.h"

#include "access/AccessHeader.h"
#include "access/AccessRows.h"
#include "access/FieldDecoder.h"

#include "text/SqlIdentifier.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <fstream>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace namewright {

namespace {

/// Jet 4 and ACE files cannot grow beyond 2 GiB; anything larger is not an Access database.
constexpr std::uintmax_t kLargestFile = std::uintmax_t{2} << 30;

/// libmdb keeps state in statics (its options, for one) and is not documented as thread-safe.
std::mutex g_libmdbMutex;

std::optional<std::vector<unsigned char>> readWholeFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kLargestFile) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    std::ifstream in(file, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in || static_cast<std::uintmax_t>(in.gcount()) != size) {
        return std::nullopt;
    }
    return bytes;
}

/// Binds a decoded value; NULL stays unbound.
void bindValue(SQLite::Statement& insert, int index, const FieldValue& value) {
    if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        insert.bind(index, *integer);
    } else if (const auto* number = std::get_if<double>(&value)) {
        insert.bind(index, *number);
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        insert.bind(index, *text);
    } else if (const auto* bytes = std::get_if<FieldBytes>(&value)) {
        // An empty Binary field is an empty blob, not NULL: SQLite binds NULL for a null pointer.
        static constexpr unsigned char kNoBytes = 0;
        insert.bind(index, bytes->empty() ? &kNoBytes : bytes->data(), static_cast<int>(bytes->size()));
    }
}

/// Copies tables into the SQLite database.
class TableImport {
public:
    TableImport(MdbHandle* mdb, SQLite::Database& target, std::size_t pageCount)
        : m_mdb(mdb), m_target(target), m_fields(mdb, pageCount) {}

    /// A table SQLite refuses is left out and counts as copied.
    AccessFailure run(MdbCatalogEntry& entry) {
        const MdbTablePtr table = readTable(entry);
        if (!table) {
            return AccessFailure::DamagedTableDefinition;
        }
        std::vector<AccessKind> kinds;
        std::string definition;
        for (std::size_t i = 0; i < table->num_cols; ++i) {
            const MdbColumn& column = columnAt(*table, i);
            if (column.name[0] == '\0') {
                return AccessFailure::DamagedTableDefinition;
            }
            kinds.push_back(kindOfColumn(column.col_type));
            definition += (i == 0 ? "" : ", ") + quoteIdentifier(column.name) + " " + declaredType(column, kinds[i]);
        }
        const std::string name = quoteIdentifier(entry.object_name);
        std::optional<SQLite::Statement> insert;
        try {
            m_target.exec("CREATE TABLE " + name + " (" + definition + ")");
            std::string placeholders;
            for (std::size_t i = 0; i < kinds.size(); ++i) {
                placeholders += i == 0 ? "?" : ", ?";
            }
            insert.emplace(m_target, "INSERT INTO " + name + " VALUES (" + placeholders + ")");
        } catch (const SQLite::Exception&) {
            return AccessFailure::None; // a name SQLite keeps for itself ("sqlite_..."), or one used twice
        }
        return RowWalk(m_mdb, table.get()).run([&](std::span<const MdbField> fields) {
            insert->reset();
            insert->clearBindings();
            for (const MdbField& field : fields) {
                const auto column = static_cast<std::size_t>(field.colnum);
                const auto value = m_fields.decode(columnAt(*table, column), kinds[column], field);
                if (!value) {
                    return AccessFailure::DamagedValue;
                }
                bindValue(*insert, field.colnum + 1, *value);
            }
            insert->exec();
            return AccessFailure::None;
        });
    }

    /// Reads a table through without copying it, long values included: a system table that misses a page shows the
    /// file is damaged (a file cut short often loses only pages of the system tables, kept at its end).
    AccessFailure check(MdbCatalogEntry& entry) {
        const MdbTablePtr table = readTable(entry);
        if (!table) {
            return AccessFailure::DamagedTableDefinition;
        }
        return RowWalk(m_mdb, table.get()).run([&](std::span<const MdbField> fields) {
            const bool intact = std::all_of(fields.begin(), fields.end(), [&](const MdbField& field) {
                return m_fields.longValueIntact(columnAt(*table, static_cast<std::size_t>(field.colnum)).col_type,
                                                field);
            });
            return intact ? AccessFailure::None : AccessFailure::DamagedValue;
        });
    }

private:
    std::string declaredType(const MdbColumn& column, AccessKind kind) const {
        if (kind != AccessKind::Text) {
            return std::string(declaredTypeOf(kind));
        }
        // Field sizes are in bytes: one per character in Jet 3, two (UTF-16) from Jet 4 on.
        const int characters = IS_JET3(m_mdb) ? column.col_size : column.col_size / 2;
        return std::string(declaredTypeOf(kind)) + "(" + std::to_string(characters) + ")";
    }

    MdbHandle* m_mdb;
    SQLite::Database& m_target;
    FieldDecoder m_fields;
};

AccessFailure importTables(std::vector<unsigned char>& bytes, SQLite::Database& target) {
    const auto header = readAccessHeader(bytes);
    if (!header) {
        return AccessFailure::NotAnAccessFile;
    }
    if (header->hasPassword) {
        return AccessFailure::PasswordProtected;
    }
    // Access files are whole pages; page 2 holds the object table.
    if (bytes.size() % header->pageSize != 0 || bytes.size() / header->pageSize < 3) {
        return AccessFailure::NotWholePages;
    }
    const MdbHandlePtr mdb(mdb_open_buffer(bytes.data(), bytes.size(), MDB_NOFLAGS));
    if (!mdb || static_cast<std::size_t>(mdb->fmt->pg_size) != header->pageSize) {
        return AccessFailure::LibraryRefused;
    }
    if (!installDecoders(mdb.get(), *header)) {
        return AccessFailure::UnsupportedCodePage;
    }
    auto entries = readTableEntries(mdb.get());
    if (!entries) {
        return AccessFailure::DamagedObjectTable;
    }
    TableImport tables(mdb.get(), target, bytes.size() / header->pageSize);
    for (MdbCatalogEntry& entry : *entries) {
        const AccessFailure failure = mdb_is_system_table(&entry) != 0 ? tables.check(entry) : tables.run(entry);
        if (failure != AccessFailure::None) {
            return failure;
        }
    }
    return AccessFailure::None;
}

} // namespace

AccessFailure importAccessBytes(std::vector<unsigned char>& bytes, SQLite::Database& target) {
    const std::lock_guard lock(g_libmdbMutex);
    try {
        SQLite::Transaction transaction(target);
        const AccessFailure failure = importTables(bytes, target);
        if (failure == AccessFailure::None) {
            transaction.commit();
        }
        return failure;
    } catch (const SQLite::Exception&) {
        return AccessFailure::SqliteFailed;
    }
}

AccessFailure importAccessDatabase(const std::filesystem::path& file, SQLite::Database& target) {
    auto bytes = readWholeFile(file);
    if (!bytes) {
        return AccessFailure::FileUnreadable;
    }
    return importAccessBytes(*bytes, target);
}

} // namespace namewright
