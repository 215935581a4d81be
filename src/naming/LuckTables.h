#pragma once
// The luck of every numerology number (`sl`) and three-talents key (`3cai`), loaded once from the database.
//
// The database is read-only while the program runs, so answering from these tables gives exactly what a query per
// name would: the first stored row of a key decides, a key without a row has Luck::None.

#include "naming/FiveGrids.h"
#include "naming/Luck.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace namewright {

class NamingDatabase;
struct NumerologyRow;
struct ThreeTalentsRow;

class LuckTables {
public:
    /// Tables in which nothing has a luck word.
    LuckTables();
    LuckTables(const std::vector<NumerologyRow>& numerology, const std::vector<ThreeTalentsRow>& threeTalents);

    /// Reads all of `sl` and `3cai`. A closed database gives empty tables.
    static LuckTables load(NamingDatabase& database);

    /// Luck of grid number n: the row whose `数理序号` is n in decimal without leading zeros.
    Luck numberLuck(int n) const {
        if (n >= 0 && n < kDirectNumbers) {
            return m_direct[static_cast<std::size_t>(n)];
        }
        const auto found = m_otherNumbers.find(n);
        return found == m_otherNumbers.end() ? Luck::None : found->second;
    }

    /// Luck of a three-talents configuration by index (threeTalentsIndex).
    Luck keyLuck(int index) const { return m_keys[static_cast<std::size_t>(index)]; }

    /// Luck of any key text.
    Luck keyLuck(std::string_view key) const;

private:
    static constexpr int kDirectNumbers = 1024;
    std::array<Luck, kDirectNumbers> m_direct{};
    std::unordered_map<int, Luck> m_otherNumbers;
    std::array<Luck, 125> m_keys{};
    std::unordered_map<std::string, Luck> m_otherKeys;
};

} // namespace namewright
