#include "access/AccessRows.h"

#include "access/LittleEndian.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace namewright {

bool installDecoders(MdbHandle* mdb, const AccessHeader& header) {
    std::string charset = "UTF-16LE";
    if (header.version == AccessVersion::Jet3) {
        // A Jet 3 file that names no code page is read as Western (1252), as libmdb itself reads it.
        charset = "CP" + std::to_string(header.codePage == 0 ? 1252 : header.codePage);
    }
    // iconv_open's failure value is (iconv_t)-1, an integer made a pointer.
    const auto invalid = reinterpret_cast<iconv_t>(std::intptr_t{-1}); // NOLINT(performance-no-int-to-ptr)
    mdb_iconv_close(mdb);
    mdb->iconv_in = iconv_open("UTF-8", charset.c_str());
    mdb->iconv_out = iconv_open(charset.c_str(), "UTF-8");
    return mdb->iconv_in != invalid && mdb->iconv_out != invalid;
}

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

MdbTablePtr readTable(MdbCatalogEntry& entry) {
    MdbTablePtr table(mdb_read_table(&entry));
    if (!table || mdb_read_columns(table.get()) == nullptr || table->columns == nullptr ||
        table->columns->len != table->num_cols || table->num_cols == 0) {
        return nullptr;
    }
    return table;
}

const MdbColumn& columnAt(const MdbTableDef& table, std::size_t index) {
    return *static_cast<const MdbColumn*>(g_ptr_array_index(table.columns, index));
}

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

std::optional<std::vector<MdbCatalogEntry>> readTableEntries(MdbHandle* mdb) {
    MdbCatalogEntry objects{};
    objects.mdb = mdb;
    objects.object_type = MDB_TABLE;
    objects.table_pg = 2;
    std::snprintf(objects.object_name, sizeof objects.object_name, "%s", "MSysObjects");
    const MdbTablePtr table = readTable(objects);
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
    const AccessFailure read = RowWalk(mdb, table.get()).run([&](std::span<const MdbField> fields) {
        std::array<const MdbField*, 4> found{};
        for (const MdbField& field : fields) {
            for (std::size_t k = 0; k < kNeeded.size(); ++k) {
                if (static_cast<std::size_t>(field.colnum) == *position[k]) {
                    found[k] = &field;
                }
            }
        }
        if (std::find(found.begin(), found.end(), nullptr) != found.end()) {
            return AccessFailure::DamagedObjectTable;
        }
        const auto id = integerOf(mdb, *found[0]);
        const auto type = integerOf(mdb, *found[2]);
        const auto flags = integerOf(mdb, *found[3]);
        if (!id || !type || !flags || found[1]->is_null != 0) {
            return AccessFailure::None; // not a usable object; libmdb skips such rows too
        }
        if ((*type & 0x7f) != MDB_TABLE) {
            return AccessFailure::None;
        }
        MdbCatalogEntry entry{};
        entry.mdb = mdb;
        entry.object_type = MDB_TABLE;
        entry.table_pg = static_cast<unsigned long>(*id & 0x00ffffff);
        entry.flags = static_cast<int>(*flags);
        const std::string name =
            decodeText(mdb, mdb->pg_buf + found[1]->start, static_cast<std::size_t>(found[1]->siz));
        if (name.empty() || name.size() > MDB_MAX_OBJ_NAME) {
            return AccessFailure::DamagedObjectTable;
        }
        std::snprintf(entry.object_name, sizeof entry.object_name, "%s", name.c_str());
        entries.push_back(entry);
        return AccessFailure::None;
    });
    if (read != AccessFailure::None) {
        return std::nullopt;
    }
    return entries;
}

} // namespace namewright
