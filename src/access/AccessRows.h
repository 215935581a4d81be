#pragma once
// Reading the tables of an Access file with mdbtools' libmdb: the object table, table definitions and the fields of
// each row. Internal to namewright_access, the one library built against libmdb's, glib's and iconv's headers.

// mdbtools.h includes glib.h inside an extern "C" block, where glib's C++ parts do not compile: include it first.
#include <glib.h>
#include <mdbtools.h>

#include "access/AccessFailure.h"
#include "access/AccessHeader.h"
#include "access/AccessLongValue.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace namewright {

/// Row offsets on a page keep flags in their top bits.
inline constexpr unsigned kRowOffsetMask = 0x1fff;

struct MdbHandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
using MdbHandlePtr = std::unique_ptr<MdbHandle, MdbHandleCloser>;

struct MdbTableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using MdbTablePtr = std::unique_ptr<MdbTableDef, MdbTableFreer>;

struct GlibFreer {
    void operator()(char* text) const { g_free(text); }
};
using GlibText = std::unique_ptr<char, GlibFreer>;

/// Replaces libmdb's text decoders by ones that do not depend on the environment (libmdb honours MDBICONV and
/// MDB_JET3_CHARSET) and that read Jet 4 texts as UTF-16, so that surrogate pairs become their characters where
/// UCS-2 would give "??". False when the file's code page has no decoder here.
bool installDecoders(MdbHandle* mdb, const AccessHeader& header);

/// Text bytes as stored in the file (code page bytes, UTF-16 or compressed UTF-16) decoded to UTF-8; bytes that are
/// not valid in the file's encoding read as "?".
std::string decodeText(MdbHandle* mdb, const unsigned char* bytes, std::size_t size);

/// Page access for long values through libmdb's second page buffer, which also decrypts an encoded file's pages.
/// Pages from pageCount on are outside the file.
PageSource pagesOf(MdbHandle* mdb, std::size_t pageCount);

/// A table definition with its columns read; nullptr when the definition is damaged.
MdbTablePtr readTable(MdbCatalogEntry& entry);

/// Column `index` (in stored order) of a table read by readTable.
const MdbColumn& columnAt(const MdbTableDef& table, std::size_t index);

/// A whole-number field on the current page: one byte unsigned (Byte), two or four bytes signed (Integer, Long
/// Integer); std::nullopt for any other size.
std::optional<std::int64_t> integerOf(MdbHandle* mdb, const MdbField& field);

/// The tables listed in the file's object table MSysObjects (page 2), system tables included, read here rather than
/// with mdb_read_catalog: libmdb's catalogue reader also parses every object's property blob and loops forever on a
/// damaged one. The entries carry no properties, which nothing here needs. std::nullopt when the object table is
/// damaged.
std::optional<std::vector<MdbCatalogEntry>> readTableEntries(MdbHandle* mdb);

/// The fields of the rows of one table, walked in stored order.
class RowWalk {
public:
    RowWalk(MdbHandle* mdb, MdbTableDef* table) : m_mdb(mdb), m_table(table), m_fields(table->num_cols) {}

    /// Calls `visit(fields)` for each row, fields in column order (MdbField::colnum), each located on mdb->pg_buf;
    /// `visit` returns AccessFailure::None to go on. Returns the first failure `visit` returns, DamagedRow when a row
    /// cannot be taken apart or a field lies outside its page, MissingRows when fewer rows turn up than the table's
    /// definition counts (a data page that the table's usage map names but the file lacks ends libmdb's scan early
    /// without an error), and None when every row was visited.
    template <typename Visit> AccessFailure run(Visit&& visit) {
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
                !inPlace()) {
                return AccessFailure::DamagedRow;
            }
            if (const AccessFailure failure = visit(std::span<const MdbField>(m_fields));
                failure != AccessFailure::None) {
                return failure;
            }
            ++rowsRead;
        }
        return rowsRead >= m_table->num_rows ? AccessFailure::None : AccessFailure::MissingRows;
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

} // namespace namewright
