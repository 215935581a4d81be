#pragma once
// VerseIndexBuilder: the best verses of every pair of name characters, for the knowledge file's verse tables.

#include "knowledge/VerseClass.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace namewright {

/// Feed it the poems in the order of the classics (the earlier classic first); it keeps, for every pair of a first
/// character followed by a second character, the `versesPerPair` best verses, best first in six tiers:
///   1. the two side by side in name order in a famous poem, 2. side by side elsewhere,
///   3. both in one line of a famous poem, 4. across the lines of a famous poem, 5. both in one line, 6. across lines,
/// each tier with the verses later poets quoted more first, then in the order of the classics. A verse repeated word
/// for word counts once, at its first place; where a later place is in a famous poem and the first is not, the verse is
/// shown from the famous poem.
class VerseIndexBuilder {
public:
    struct Poem {
        std::string work, title, author, dynasty;
        bool famous = false;             ///< a classic before the Tang, or a poem of 唐诗三百首 or 宋词三百首
        std::vector<std::string> verses; ///< UTF-8, one sentence each
        std::vector<int> quotations;     ///< per verse, how many later poems quote it; empty: none quoted
    };

    VerseIndexBuilder(std::u32string firstCharacters, std::u32string secondCharacters, int versesPerPair);

    void addPoem(Poem poem);
    /// Ranks the verses of every pair; call once, after the last poem.
    void finish();

    const std::u32string& firstCharacters() const { return m_first; }
    const std::u32string& secondCharacters() const { return m_second; }
    /// The verse numbers (order of first appearance, from 0) of a pair by indexes into the two character lists, best
    /// first.
    std::vector<int> versesOf(std::size_t firstIndex, std::size_t secondIndex) const;
    /// How closely the verses hold the pair (VerseClass.h).
    VerseClass classOf(std::size_t firstIndex, std::size_t secondIndex) const;
    const std::vector<Poem>& poems() const { return m_poems; }
    /// Verse number -> (poem index, verse index in the poem) of the place it is shown from.
    std::pair<std::size_t, std::size_t> verseAt(int verse) const { return m_verseAt[static_cast<std::size_t>(verse)]; }

private:
    struct Hit {
        std::size_t pair;
        int tier;
    };
    /// Where a verse ranks within its tier: fewer is better.
    struct Rank {
        std::uint8_t tier;
        std::uint16_t unquoted; ///< 65535 less the quotations
        bool operator<=(const Rank& other) const {
            return tier != other.tier ? tier < other.tier : unquoted <= other.unquoted;
        }
    };
    void hitsOf(std::size_t verse, std::vector<Hit>& hits) const;
    void keep(std::size_t pair, Rank rank, std::int32_t verse);

    std::u32string m_first, m_second;
    std::unordered_map<char32_t, int> m_firstIndex, m_secondIndex;
    int m_perPair;
    std::vector<Poem> m_poems;
    std::vector<std::pair<std::size_t, std::size_t>> m_verseAt;
    std::vector<bool> m_famous;
    std::vector<std::uint16_t> m_unquoted; ///< per verse, 65535 less its quotations
    std::vector<std::u32string> m_verseText;
    std::unordered_map<std::string, std::int32_t> m_seen;
    std::vector<std::uint8_t> m_count;
    std::vector<std::int32_t> m_best; ///< m_perPair slots a pair: verse numbers, best first
    std::vector<Rank> m_bestRank;
    std::vector<VerseClass> m_class;
};

} // namespace namewright
