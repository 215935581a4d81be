#pragma once
// Luck tables shaped like the shipped ones for the benchmarks: numbers 1..81 and all 125 three-talents keys, the luck
// words spread irregularly over 吉, 半吉 and 凶 so that scores vary from candidate to candidate.

#include "db/Rows.h"
#include "naming/LuckTables.h"

#include <string>
#include <vector>

namespace namewright {

inline LuckTables realisticLuckTables() {
    const char* words[] = {"吉", "半吉", "凶"};
    std::vector<NumerologyRow> sl;
    for (int n = 1; n <= 81; ++n) {
        sl.push_back(NumerologyRow{std::to_string(n), words[(n * 2654435761U >> 13U) % 3], "", "", "", "", ""});
    }
    std::vector<ThreeTalentsRow> keys;
    for (int index = 0; index < 125; ++index) {
        keys.push_back(ThreeTalentsRow{threeTalentsKey(index), words[(index * 2654435761U >> 11U) % 3], ""});
    }
    return LuckTables(sl, keys);
}

} // namespace namewright
