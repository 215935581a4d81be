#pragma once
// The three generation modes (生成方式): each scores its candidates with the in-memory luck tables and lists every
// name that reaches the score threshold in the result store.
//
//   single-character mode: every `word1` row after the mode's resume mark whose `xb` is not the excluded gender
//   fixed-character mode:  the same rows paired with one typed character, in second or third place of the full name
//   random mode:           N x N independent draws of a `word1` row and a `word2` row of the chosen gender or neutral
//                          (a mark neither 男 nor 女), N being the number of `word1` rows of that gender or neutral
//
// A mode reads everything it needs from the database before its loop (one query per table) and issues no query in
// the loop; the results are those of querying per candidate, because the database does not change while open.
// At the top of every iteration the mode checks the stop flag and its stop token: the run control requests a stop when
// a newer press supersedes the worker or the program shuts down. A mode also stops once the result store is full.

#include "db/NamingDatabase.h"
#include "db/RandomSource.h"
#include "naming/GenerationInputs.h"
#include "naming/LuckTables.h"
#include "naming/ResultStore.h"
#include "naming/RunState.h"

#include <cstdint>
#include <stop_token>
#include <string_view>
#include <vector>

namespace namewright {

/// What one worker's mode works with.
struct GenerationContext {
    NamingDatabase& database; ///< the worker's own connection
    const LuckTables& luck;
    /// The family text and the threshold are read again whenever the interface publishes new inputs: a change made
    /// during a run applies to the candidates after it.
    const InputsChannel& inputs;
    RunState& state;
    ResultStore& store;
    RandomSource& random;
    std::stop_token stop; ///< requested when the worker is superseded or the program shuts down
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

/// Candidates: `word1` rows after the single-character resume mark that are not of the other gender; one-character
/// names.
void runSingleCharacterMode(GenerationContext& context, std::string_view familyCharacter, Gender gender);

/// Candidates: `word1` rows after the fixed-character resume mark that are not of the other gender, each paired with
/// the typed character, which stands second (right after the family name) or third. FixedPosition::Neither lists
/// nothing.
void runFixedCharacterMode(GenerationContext& context, std::string_view familyCharacter, Gender gender,
                           FixedPosition position, std::string_view fixedCharacter);

/// N x N random pairs of a `word1` and a `word2` row each of the gender or neutral (NamingDatabase::word1ForDraws).
void runRandomMode(GenerationContext& context, std::string_view familyCharacter, Gender gender);

} // namespace namewright
