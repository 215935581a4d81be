#include "knowledge/RowChecksum.h"

#include <sqlite3.h>
#include <zlib.h>

#include <cstring>
#include <stdexcept>

namespace namewright {

namespace {

void appendLittleEndian(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>(value & 0xFFU);
        value >>= 8U;
    }
}

void rowChecksum(sqlite3_context* context, int count, sqlite3_value** values) {
    std::string bytes;
    bytes.reserve(256);
    for (int i = 0; i < count; ++i) {
        sqlite3_value* value = values[i];
        const int type = sqlite3_value_type(value);
        bytes += static_cast<char>(type);
        switch (type) {
        case SQLITE_INTEGER:
            appendLittleEndian(bytes, static_cast<std::uint64_t>(sqlite3_value_int64(value)), 8);
            break;
        case SQLITE_FLOAT: {
            const double real = sqlite3_value_double(value);
            std::uint64_t pattern = 0;
            std::memcpy(&pattern, &real, sizeof pattern);
            appendLittleEndian(bytes, pattern, 8);
            break;
        }
        case SQLITE_TEXT:
        case SQLITE_BLOB: {
            // The pointer first, then the length: SQLite's documented order for a value read as it is stored.
            const auto* data =
                type == SQLITE_TEXT ? static_cast<const void*>(sqlite3_value_text(value)) : sqlite3_value_blob(value);
            const auto length = static_cast<std::size_t>(sqlite3_value_bytes(value));
            appendLittleEndian(bytes, length, 4);
            if (length > 0) {
                bytes.append(static_cast<const char*>(data), length);
            }
            break;
        }
        default:
            break;
        }
    }
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
    sqlite3_result_int64(context, static_cast<sqlite3_int64>(crc));
}

std::string columnList(const KnowledgeTable& table, std::string_view alias) {
    if (alias.empty()) {
        return std::string(table.columns);
    }
    std::string list;
    std::string_view rest = table.columns;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        std::string_view column = rest.substr(0, comma);
        while (column.starts_with(' ')) {
            column.remove_prefix(1);
        }
        list += (list.empty() ? "" : ", ") + std::string(alias) + "." + std::string(column);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    return list;
}

} // namespace

const KnowledgeTable& knowledgeTable(std::string_view name) {
    for (const KnowledgeTable& table : kKnowledgeTables) {
        if (table.name == name) {
            return table;
        }
    }
    throw std::out_of_range("no knowledge table " + std::string(name));
}

bool registerRowChecksum(sqlite3* connection) {
    return sqlite3_create_function_v2(connection, "row_checksum", -1,
                                      SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr, rowChecksum,
                                      nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::string rowChecksumOf(const KnowledgeTable& table) {
    return "row_checksum(" + columnList(table, {}) + ")";
}

std::string rowChecksumTest(const KnowledgeTable& table, std::string_view alias) {
    const std::string checksum = alias.empty() ? std::string("checksum") : std::string(alias) + ".checksum";
    return checksum + " IS row_checksum(" + columnList(table, alias) + ")";
}

std::string digestKey(const KnowledgeTable& table) {
    return "digest:" + std::string(table.name);
}

std::string digestText(std::int64_t rows, std::int64_t checksumSum) {
    return std::to_string(rows) + " " + std::to_string(checksumSum);
}

} // namespace namewright
