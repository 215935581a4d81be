#pragma once
// A small naming database for generation tests, with a per-candidate reference scorer written independently of the
// program's in-memory tables: it asks the database for every lookup, as a query per name would.

#include "db/NamingDatabase.h"
#include "support/TempDatabase.h"

#include <string>
#include <vector>

namespace namewright::testing {

struct ReferenceName {
    std::string name;
    int score = 0;
    std::string key;
    std::string elements;
    int heaven = 0, person = 0, earth = 0, outer = 0, total = 0;
};

/// Writes `word1` rows with IDs 1..count (strokes and genders cycling through fixed patterns), `word2` rows, the
/// family characters 李 (7 strokes, 火) and 欧 (15, 土), every number 1..81 in `sl` and every key in `3cai` with luck
/// words spread over 吉, 半吉 and 凶.
void fillGenerationTables(TempDatabase& file, int word1Count, int word2Count);

/// Score of a name by querying `sl` and `3cai` per lookup. `second` empty for a one-character name.
ReferenceName referenceScore(NamingDatabase& db, const std::string& familyText, const std::string& familyCharacter,
                             const std::string& first, const std::string& second);

} // namespace namewright::testing
