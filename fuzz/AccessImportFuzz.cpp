// The Access reader on arbitrary file bytes: it must end with a failure reason or an import whose every table reads
// back, never crash, hang or leak.

#include "access/AccessImport.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<unsigned char> bytes(data, data + size);
    SQLite::Database target(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    if (namewright::importAccessBytes(bytes, target) != namewright::AccessFailure::None) {
        return 0;
    }
    std::vector<std::string> tables;
    SQLite::Statement names(target, "SELECT name FROM sqlite_master WHERE type = 'table'");
    while (names.executeStep()) {
        tables.push_back(names.getColumn(0).getString());
    }
    for (const std::string& table : tables) {
        std::string quoted = "\"";
        for (const char c : table) {
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        SQLite::Statement rows(target, "SELECT * FROM " + quoted + "\"");
        while (rows.executeStep()) {
            for (int column = 0; column < rows.getColumnCount(); ++column) {
                (void)rows.getColumn(column).getString();
            }
        }
    }
    return 0;
}
