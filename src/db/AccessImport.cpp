#include "db/AccessImport.h"

#include "db/AccessHeader.h"
#include "db/AccessLongValue.h"
#include "db/AccessValues.h"

#include <SQLiteCpp/SQLiteCpp.h>

// mdbtools.h includes glib.h inside an extern "C" block, where glib's C++ parts do not compile: include it first.
#include <glib.h>
#include <mdbtools.h>

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
/// Row offsets on a page keep flags in their top bits.
constexpr unsigned kRowOffsetMask = 0x1fff;

/// libmdb keeps state in statics (its options, for one) and is not documented as thread-safe.
std::mutex g_libmdbMutex;

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;

struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Table = std::unique_ptr<MdbTableDef, TableFreer>;

struct GlibFreer {
    void operator()(char* text) const { g_free(text); }
};
using GlibText = std::unique_ptr<char, GlibFreer>;

std::uint32_t littleEndian32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

unsigned littleEndian16(const unsigned char* bytes) {
    return bytes[0] | static_cast<unsigned>(bytes[1]) << 8;
}

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

/// Replaces libmdb's text decoders by ones that do not depend on the environment (libmdb honours MDBICONV and
/// MDB_JET3_CHARSET) and that read Jet 4 texts as UTF-16, so that surrogate pairs become their characters where
/// UCS-2 would give "??".
bool installDecoders(MdbHandle* mdb, const AccessHeader& header) {
    std::string charset = "UTF-16LE";
    if (header.version == AccessVersion::Jet3) {
        // A Jet 3 file without a code page was written by a Western (1252) edition of Access.
        charset = "CP" + std::to_string(header.codePage == 0 ? 1252 : header.codePage);
    }
    const auto invalid = reinterpret_cast<iconv_t>(std::intptr_t{-1});
    mdb_iconv_close(mdb);
    mdb->iconv_in = iconv_open("UTF-8", charset.c_str());
    mdb->iconv_out = iconv_open(charset.c_str(), "UTF-8");
    return mdb->iconv_in != invalid && mdb->iconv_out != invalid;
}

/// Text bytes as stored in the file (code page bytes, UTF-16 or compressed UTF-16) decoded to UTF-8.
std::string decodeText(MdbHandle* mdb, const unsigned char* bytes, std::size_t size) {
    if (size == 0) {
        return {};
    }
    // Every stored byte decodes to at most three UTF-8 bytes (a compressed UTF-16 byte to at most two), so libmdb's
    // decoder never runs out of room; it writes "?" for a byte sequence that is not valid in the file's encoding.
    std::string text(3 * size + 4, '\0');
    const int length = mdb_unicode2ascii(mdb, reinterpret_cast<const char*>(bytes), size, text.data(), text.size());
    text.resize(length > 0 ? std::min(static_cast<std::size_t>(length), text.size()) : 0);
    return text;
}

/// Page access for long values through libmdb's second page buffer, which also decrypts an encoded file's pages.
PageSource pagesOf(MdbHandle* mdb, std::size_t pageCount) {
    return [mdb, pageCount](std::uint32_t page) -> std::span<const unsigned char> {
        const auto pageSize = mdb->fmt->pg_size;
        // Checked here: libmdb would complain on stderr about a page beyond the end of the file.
        if (page >= pageCount || mdb_read_alt_pg(mdb, page) != pageSize) {
            return {};
        }
        return std::span<const unsigned char>(mdb->alt_pg_buf, static_cast<std::size_t>(pageSize));
    };
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

std::string quoteIdentifier(std::string_view name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted.push_back(c);
        if (c == '"') {
            quoted.push_back('"');
        }
    }
    quoted.push_back('"');
    return quoted;
}

/// The fields of the rows of one table, walked in stored order.
class RowWalk {
public:
    RowWalk(MdbHandle* mdb, MdbTableDef* table) : m_mdb(mdb), m_table(table), m_fields(table->num_cols) {}

    /// Calls `visit(fields)` for each row, fields in column order (MdbField::colnum), each located on mdb->pg_buf.
    /// Returns false as soon as `visit` does, when a row cannot be taken apart, or when fewer rows turn up than the
    /// table's definition counts: a data page that the table's usage map names but the file lacks ends libmdb's scan
    /// early without an error.
    template <typename Visit> bool run(Visit&& visit) {
        std::size_t rowsRead = 0;
        mdb_rewind_table(m_table);
        while (mdb_fetch_row(m_table) != 0) {
            // mdb_fetch_row leaves the row's page in pg_buf and cur_row one past the row. Taking the row apart again
            // tells which fields are NULL, which libmdb's bound values do not tell apart from empty texts.
            int start = 0;
            std::size_t size = 0;
            if (m_table->cur_row == 0 ||
                mdb_find_row(m_mdb, static_cast<int>(m_table->cur_row - 1), &start, &size) != 0 ||
                mdb_crack_row(m_table, start & static_cast<int>(kRowOffsetMask), size, m_fields.data()) !=
                    static_cast<int>(m_fields.size()) ||
                !inPlace() || !visit(std::span<const MdbField>(m_fields))) {
                return false;
            }
            ++rowsRead;
        }
        return rowsRead >= m_table->num_rows;
    }

private:
    bool inPlace() const {
        const auto pageSize = static_cast<std::size_t>(m_mdb->fmt->pg_size);
        return std::all_of(m_fields.begin(), m_fields.end(), [&](const MdbField& field) {
            return field.colnum >= 0 && static_cast<std::size_t>(field.colnum) < m_fields.size() && field.start >= 0 &&
                   field.siz >= 0 && static_cast<std::size_t>(field.start) <= pageSize &&
                   static_cast<std::size_t>(field.siz) <= pageSize - static_cast<std::size_t>(field.start);
        });
    }

    MdbHandle* m_mdb;
    MdbTableDef* m_table;
    std::vector<MdbField> m_fields;
};

/// A table definition with its columns read; nullptr when the definition is damaged.
Table readTable(MdbCatalogEntry& entry) {
    Table table(mdb_read_table(&entry));
    if (!table || mdb_read_columns(table.get()) == nullptr || table->columns == nullptr ||
        table->columns->len != table->num_cols || table->num_cols == 0) {
        return nullptr;
    }
    return table;
}

const MdbColumn& columnAt(const MdbTableDef& table, std::size_t index) {
    return *static_cast<const MdbColumn*>(g_ptr_array_index(table.columns, index));
}

/// A whole-number field: one byte unsigned (Byte), two or four bytes signed (Integer, Long Integer).
std::optional<std::int64_t> integerOf(MdbHandle* mdb, const MdbField& field) {
    const unsigned char* bytes = mdb->pg_buf + field.start;
    switch (field.siz) {
    case 1:
        return bytes[0];
    case 2:
        return static_cast<std::int16_t>(littleEndian16(bytes));
    case 4:
        return static_cast<std::int32_t>(littleEndian32(bytes));
    default:
        return std::nullopt;
    }
}

/// The tables listed in the file's object table MSysObjects (page 2), read here rather than with mdb_read_catalog:
/// libmdb's catalogue reader also parses every object's property blob and loops forever on a damaged one. Entries
/// carry no properties, which nothing here needs.
std::optional<std::vector<MdbCatalogEntry>> readTableEntries(MdbHandle* mdb) {
    MdbCatalogEntry objects{};
    objects.mdb = mdb;
    objects.object_type = MDB_TABLE;
    objects.table_pg = 2;
    std::snprintf(objects.object_name, sizeof objects.object_name, "%s", "MSysObjects");
    const Table table = readTable(objects);
    if (!table) {
        return std::nullopt;
    }
    constexpr std::array<const char*, 4> kNeeded{"Id", "Name", "Type", "Flags"};
    std::array<std::optional<std::size_t>, 4> position{};
    for (std::size_t i = 0; i < table->num_cols; ++i) {
        for (std::size_t k = 0; k < kNeeded.size(); ++k) {
            if (std::strcmp(columnAt(*table, i).name, kNeeded[k]) == 0) {
                position[k] = i;
            }
        }
    }
    if (!std::all_of(position.begin(), position.end(), [](const auto& p) { return p.has_value(); })) {
        return std::nullopt;
    }

    std::vector<MdbCatalogEntry> entries;
    const bool read = RowWalk(mdb, table.get()).run([&](std::span<const MdbField> fields) {
        std::array<const MdbField*, 4> found{};
        for (const MdbField& field : fields) {
            for (std::size_t k = 0; k < kNeeded.size(); ++k) {
                if (static_cast<std::size_t>(field.colnum) == *position[k]) {
                    found[k] = &field;
                }
            }
        }
        if (std::find(found.begin(), found.end(), nullptr) != found.end()) {
            return false;
        }
        const auto id = integerOf(mdb, *found[0]);
        const auto type = integerOf(mdb, *found[2]);
        const auto flags = integerOf(mdb, *found[3]);
        if (!id || !type || !flags || found[1]->is_null != 0) {
            return true; // not a usable object; libmdb skips such rows too
        }
        if ((*type & 0x7f) != MDB_TABLE) {
            return true;
        }
        MdbCatalogEntry entry{};
        entry.mdb = mdb;
        entry.object_type = MDB_TABLE;
        entry.table_pg = static_cast<unsigned long>(*id & 0x00ffffff);
        entry.flags = static_cast<int>(*flags);
        const std::string name =
            decodeText(mdb, mdb->pg_buf + found[1]->start, static_cast<std::size_t>(found[1]->siz));
        if (name.empty() || name.size() > MDB_MAX_OBJ_NAME) {
            return false;
        }
        std::snprintf(entry.object_name, sizeof entry.object_name, "%s", name.c_str());
        entries.push_back(entry);
        return true;
    });
    if (!read) {
        return std::nullopt;
    }
    return entries;
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
        const Table table = readTable(entry);
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
        const Table table = readTable(entry);
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
    const Handle mdb(mdb_open_buffer(bytes.data(), bytes.size(), MDB_NOFLAGS));
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
