#include "db/AccessImport.h"

#include "db/AccessHeader.h"
#include "db/AccessLongValue.h"
#include "db/AccessRows.h"
#include "db/AccessValues.h"
#include "db/LittleEndian.h"

#include "db/SqlIdentifier.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
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

AccessKind kindOfColumn(int type) {
    switch (type) {
    case MDB_TEXT:
        return AccessKind::Text;
    case MDB_MEMO:
        return AccessKind::Memo;
    case MDB_BYTE:
        return AccessKind::Byte;
    case MDB_INT:
        return AccessKind::Integer;
    case MDB_LONGINT:
        return AccessKind::LongInteger;
    case MDB_FLOAT:
        return AccessKind::Single;
    case MDB_DOUBLE:
        return AccessKind::Double;
    case MDB_DATETIME:
        return AccessKind::DateTime;
    case MDB_BOOL:
        return AccessKind::YesNo;
    case MDB_MONEY:
        return AccessKind::Currency;
    case MDB_NUMERIC:
        return AccessKind::Decimal;
    case MDB_REPID:
        return AccessKind::ReplicationId;
    case MDB_BINARY:
        return AccessKind::Binary;
    case MDB_OLE:
        return AccessKind::OleObject;
    case MDB_COMPLEX:
        return AccessKind::Complex;
    default:
        return AccessKind::Unknown;
    }
}

struct ImportColumn {
    const MdbColumn* column = nullptr;
    AccessKind kind = AccessKind::Unknown;
};

/// Copies tables into the SQLite database.
class TableImport {
public:
    TableImport(MdbHandle* mdb, SQLite::Database& target, std::size_t pageCount)
        : m_mdb(mdb), m_target(target),
          m_pages(pagesOf(mdb, pageCount)), m_layout{static_cast<std::size_t>(mdb->fmt->pg_size),
                                                     mdb->fmt->row_count_offset} {}

    /// Returns false when the file is damaged; a table SQLite refuses is left out and counts as copied.
    bool run(MdbCatalogEntry& entry) {
        const MdbTablePtr table = readTable(entry);
        if (!table) {
            return false;
        }
        std::vector<ImportColumn> columns;
        std::string definition;
        for (std::size_t i = 0; i < table->num_cols; ++i) {
            const MdbColumn& column = columnAt(*table, i);
            if (column.name[0] == '\0') {
                return false;
            }
            const AccessKind kind = kindOfColumn(column.col_type);
            columns.push_back(ImportColumn{&column, kind});
            definition += (i == 0 ? "" : ", ") + quoteIdentifier(column.name) + " " + declaredType(column, kind);
        }
        const std::string name = quoteIdentifier(entry.object_name);
        std::optional<SQLite::Statement> insert;
        try {
            m_target.exec("CREATE TABLE " + name + " (" + definition + ")");
            std::string placeholders;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                placeholders += i == 0 ? "?" : ", ?";
            }
            insert.emplace(m_target, "INSERT INTO " + name + " VALUES (" + placeholders + ")");
        } catch (const SQLite::Exception&) {
            return true; // a name SQLite keeps for itself ("sqlite_..."), or one used twice
        }
        return RowWalk(m_mdb, table.get()).run([&](std::span<const MdbField> fields) {
            insert->reset();
            insert->clearBindings();
            for (const MdbField& field : fields) {
                if (!bindField(*insert, field.colnum + 1, columns[static_cast<std::size_t>(field.colnum)], field)) {
                    return false;
                }
            }
            insert->exec();
            return true;
        });
    }

    /// Reads a table through without copying it, long values included: a system table that misses a page shows the
    /// file is damaged (a file cut short often loses only pages of the system tables, kept at its end).
    bool check(MdbCatalogEntry& entry) {
        const MdbTablePtr table = readTable(entry);
        return table && RowWalk(m_mdb, table.get()).run([&](std::span<const MdbField> fields) {
            return std::all_of(fields.begin(), fields.end(), [&](const MdbField& field) {
                return longValueIntact(columnAt(*table, static_cast<std::size_t>(field.colnum)).col_type, field);
            });
        });
    }

private:
    /// Whether the data of a memo or OLE field can be read whole; true for any other field.
    bool longValueIntact(int type, const MdbField& field) {
        if (field.is_null != 0 || (type != MDB_MEMO && type != MDB_OLE)) {
            return true;
        }
        return readLongValue(std::span(m_mdb->pg_buf + field.start, static_cast<std::size_t>(field.siz)), m_layout,
                             m_pages)
            .has_value();
    }

    std::string declaredType(const MdbColumn& column, AccessKind kind) const {
        if (kind != AccessKind::Text) {
            return std::string(declaredTypeOf(kind));
        }
        // Field sizes are in bytes: one per character in Jet 3, two (UTF-16) from Jet 4 on.
        const int characters = IS_JET3(m_mdb) ? column.col_size : column.col_size / 2;
        return std::string(declaredTypeOf(kind)) + "(" + std::to_string(characters) + ")";
    }

    /// Binds one field (already checked to lie on the page); false when its value shows the file is damaged.
    bool bindField(SQLite::Statement& insert, int index, const ImportColumn& column, const MdbField& field) {
        if (column.kind == AccessKind::YesNo) {
            // A yes/no field keeps its value in the row's null mask: a set bit (not NULL) means yes.
            insert.bind(index, field.is_null != 0 ? 0 : 1);
            return true;
        }
        if (field.is_null != 0) {
            return true;
        }
        const unsigned char* bytes = m_mdb->pg_buf + field.start;
        const auto size = static_cast<std::size_t>(field.siz);
        switch (column.kind) {
        case AccessKind::Text:
            insert.bind(index, decodeText(m_mdb, bytes, size));
            return true;
        case AccessKind::Memo: {
            const auto stored = readLongValue(std::span(bytes, size), m_layout, m_pages);
            if (!stored) {
                return false;
            }
            insert.bind(index,
                        decodeText(m_mdb, reinterpret_cast<const unsigned char*>(stored->data()), stored->size()));
            return true;
        }
        case AccessKind::Byte:
        case AccessKind::Integer:
        case AccessKind::LongInteger: {
            const std::size_t expected =
                column.kind == AccessKind::Byte ? 1 : (column.kind == AccessKind::Integer ? 2 : 4);
            const auto value = integerOf(m_mdb, field);
            if (size != expected || !value) {
                return false;
            }
            insert.bind(index, *value);
            return true;
        }
        case AccessKind::Single: {
            if (size != 4) {
                return false;
            }
            float value = 0;
            std::memcpy(&value, bytes, sizeof value);
            insert.bind(index, static_cast<double>(value));
            return true;
        }
        case AccessKind::Double:
        case AccessKind::DateTime:
        case AccessKind::Currency:
            if (size != 8) {
                return false;
            }
            bindEightByteValue(insert, index, column.kind, bytes);
            return true;
        case AccessKind::Decimal:
            return size == 17 && bindDecimal(insert, index, *column.column, field);
        case AccessKind::ReplicationId: {
            if (size != 16) {
                return false;
            }
            const GlibText text(mdb_uuid_to_string(m_mdb->pg_buf, field.start));
            if (text) {
                insert.bind(index, std::string(text.get()));
            }
            return true;
        }
        case AccessKind::Binary:
            insert.bind(index, bytes, static_cast<int>(size));
            return true;
        case AccessKind::OleObject:
            return longValueIntact(MDB_OLE, field); // not copied, but its pages must be there
        case AccessKind::YesNo:
        case AccessKind::Complex:
        case AccessKind::Unknown:
            return true;
        }
        return true;
    }

    bool bindDecimal(SQLite::Statement& insert, int index, const MdbColumn& column, const MdbField& field) {
        // libmdb's decimal formatter has room for 40 digits; Access allows a precision of at most 28.
        if (column.col_prec < 1 || column.col_prec > 28 || column.col_scale < 0 || column.col_scale > column.col_prec) {
            return false;
        }
        const GlibText text(mdb_numeric_to_string(m_mdb, field.start, column.col_scale, column.col_prec));
        if (text) {
            insert.bind(index, std::string(text.get()));
        }
        return true;
    }

    static void bindEightByteValue(SQLite::Statement& insert, int index, AccessKind kind, const unsigned char* bytes) {
        const std::uint64_t raw = static_cast<std::uint64_t>(littleEndian32(bytes)) |
                                  static_cast<std::uint64_t>(littleEndian32(bytes + 4)) << 32;
        if (kind == AccessKind::Currency) {
            insert.bind(index, currencyText(static_cast<std::int64_t>(raw)));
            return;
        }
        double value = 0;
        std::memcpy(&value, &raw, sizeof value);
        if (kind == AccessKind::Double) {
            insert.bind(index, value);
        } else if (const auto text = accessDateText(value)) {
            insert.bind(index, *text);
        }
    }

    MdbHandle* m_mdb;
    SQLite::Database& m_target;
    PageSource m_pages;
    DataPageLayout m_layout;
};

bool importFileBytes(std::vector<unsigned char>& bytes, SQLite::Database& target) {
    const auto header = readAccessHeader(bytes);
    // Access files are whole pages; page 2 holds the object table.
    if (!header || header->hasPassword || bytes.size() % header->pageSize != 0 || bytes.size() / header->pageSize < 3) {
        return false;
    }
    const MdbHandlePtr mdb(mdb_open_buffer(bytes.data(), bytes.size(), MDB_NOFLAGS));
    if (!mdb || static_cast<std::size_t>(mdb->fmt->pg_size) != header->pageSize ||
        !installDecoders(mdb.get(), *header)) {
        return false;
    }
    auto entries = readTableEntries(mdb.get());
    if (!entries) {
        return false;
    }
    TableImport tables(mdb.get(), target, bytes.size() / header->pageSize);
    return std::all_of(entries->begin(), entries->end(), [&](MdbCatalogEntry& entry) {
        return mdb_is_system_table(&entry) != 0 ? tables.check(entry) : tables.run(entry);
    });
}

} // namespace

std::string_view declaredTypeOf(AccessKind kind) {
    switch (kind) {
    case AccessKind::Text:
        return "TEXT";
    case AccessKind::Memo:
        return "LONGTEXT";
    case AccessKind::Byte:
        return "BYTE";
    case AccessKind::Integer:
        return "SMALLINT";
    case AccessKind::LongInteger:
        return "LONG";
    case AccessKind::Single:
        return "REAL";
    case AccessKind::Double:
        return "DOUBLE";
    case AccessKind::DateTime:
        return "DATETIME";
    case AccessKind::YesNo:
        return "BOOLEAN";
    case AccessKind::Currency:
        return "CURRENCY TEXT";
    case AccessKind::Decimal:
        return "DECIMAL TEXT";
    case AccessKind::ReplicationId:
        return "GUID";
    case AccessKind::Binary:
        return "BINARY";
    case AccessKind::OleObject:
        return "LONGBINARY";
    case AccessKind::Complex:
        return "COMPLEX";
    case AccessKind::Unknown:
        break;
    }
    return "UNKNOWN";
}

bool importAccessDatabase(const std::filesystem::path& file, SQLite::Database& target) {
    auto bytes = readWholeFile(file);
    if (!bytes) {
        return false;
    }
    const std::lock_guard lock(g_libmdbMutex);
    try {
        SQLite::Transaction transaction(target);
        if (!importFileBytes(*bytes, target)) {
            return false;
        }
        transaction.commit();
        return true;
    } catch (const SQLite::Exception&) {
        return false;
    }
}

} // namespace namewright
