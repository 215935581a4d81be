#include "db/NamingSchema.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <vector>

namespace namewright {

const std::array<NamingTable, 6> kNamingTables{{
    {"bazi", {"bazi", "wuxing", "wuxing1"}, 3},
    {"word", {"zi", "bh", "yongtu"}, 3},
    {"word1", {"ID", "zi", "bh", "yongtu", "xb"}, 5},
    {"word2", {"ID", "zi", "bh", "yongtu", "xb"}, 5},
    {"sl", {"数理序号", "吉否", "一字描述", "基业", "家庭", "健康", "含意"}, 7},
    {"3cai", {"属性", "吉否", "解释"}, 3},
}};

std::string missingFromNamingSchema(SQLite::Database& connection) {
    SQLite::Statement info(connection, "SELECT name FROM pragma_table_info(?)");
    for (const NamingTable& table : kNamingTables) {
        info.reset();
        info.bind(1, std::string(table.name));
        std::vector<std::string> present;
        while (info.executeStep()) {
            present.push_back(info.getColumn(0).getString());
        }
        if (present.empty()) {
            return "the table " + std::string(table.name);
        }
        for (std::size_t i = 0; i < table.columnCount; ++i) {
            const std::string_view column = table.columns[i];
            if (std::find(present.begin(), present.end(), column) == present.end()) {
                return "the column " + std::string(column) + " of the table " + std::string(table.name);
            }
        }
    }
    return {};
}

} // namespace namewright
