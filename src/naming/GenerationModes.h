#pragma once
// The three generation modes (生成方式): each scores its candidates with the in-memory luck tables and lists every
// name that reaches the score threshold in the result store.
//
//   single-character mode: every `word1` row after the mode's resume mark whose `xb` is not the excluded gender
//   fixed-character mode:  the same rows paired with one typed character, in second or third place of the full name
//   random mode:           N x N independent draws of a `word1` row and a `word2` row of the chosen gender, N being
//                          the number of `word1` rows of that gender
//
// A mode reads everything it needs from the database before its loop (one query per table) and issues no query in
// the loop; the results are those of querying per candidate, because the database does not change while open.
// At the top of every iteration the mode checks the stop flag and whether its run is still the newest.

#include "db/NamingDatabase.h"
#include "db/RandomSource.h"
#include "naming/GenerationInputs.h"
#include "naming/LuckTables.h"
#include "naming/ResultStore.h"
#include "naming/RunState.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace namewright {

/// What one worker's mode works with.
struct GenerationContext {
    NamingDatabase& database; ///< the worker's own connection
    const LuckTables& luck;
    const InputsChannel& inputs; ///< family text and threshold are re-read whenever the interface publishes new ones
    RunState& state;
    ResultStore& store;
    RandomSource& random;
    std::uint64_t run;    ///< this worker's run number
    std::uint32_t series; ///< the series the listed rows and resume marks belong to
};

/// The loops of the three modes over rows already read. `family` is the family character's `word` row (WordRow{}
/// when it has none). The run* functions below read the rows and call these.
void generateSingleCharacterNames(GenerationContext& context, const WordRow& family,
                                  const std::vector<CandidateRow>& candidates);
void generateFixedCharacterNames(GenerationContext& context, const WordRow& family, const WordRow& fixed,
                                 bool fixedIsFirst, const std::vector<CandidateRow>& candidates);
void generateRandomNames(GenerationContext& context, const WordRow& family, const std::vector<CandidateRow>& firsts,
                         const std::vector<CandidateRow>& seconds, std::uint64_t draws);

/// Candidates: `word1` rows after the single-character resume mark; one-character names.
void runSingleCharacterMode(GenerationContext& context, std::string_view familyCharacter);

/// Candidates: `word1` rows after the fixed-character resume mark, each paired with the typed character. Exactly one
/// of fixedSecond (the character right after the family name) and fixedThird (the last one) is non-empty.
void runFixedCharacterMode(GenerationContext& context, std::string_view familyCharacter, std::string_view fixedSecond,
                           std::string_view fixedThird);

/// N x N random pairs of a `word1` and a `word2` row of the chosen gender.
void runRandomMode(GenerationContext& context, std::string_view familyCharacter);

} // namespace namewright
