#pragma once
// VerseIndexBuilder: the best verses of every pair of name characters, for the knowledge file's verse tables.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace namewright {

/// Feed it the poems in rank order (the earlier classic first); it keeps, for every pair of a first character followed
/// by a second character, the `versesPerPair` best verses: those holding the pair in one line before those holding it
/// across lines, each group in rank order. A verse repeated word for word counts once, at its first place.
class VerseIndexBuilder {
public:
    struct Poem {
        std::string work, title, author, dynasty;
        std::vector<std::string> verses; ///< UTF-8, one sentence each
    };

    VerseIndexBuilder(std::u32string firstCharacters, std::u32string secondCharacters, int versesPerPair);

    void addPoem(Poem poem);
    /// Runs the two ranking passes; call once, after the last poem.
    void finish();

    const std::u32string& firstCharacters() const { return m_first; }
    const std::u32string& secondCharacters() const { return m_second; }
    /// The verse numbers (order of addition, from 0) of a pair by indexes into the two character lists, best first.
    std::vector<int> versesOf(std::size_t firstIndex, std::size_t secondIndex) const;
    const std::vector<Poem>& poems() const { return m_poems; }
    /// Verse number -> (poem index, verse index in the poem).
    std::pair<std::size_t, std::size_t> verseAt(int verse) const { return m_verseAt[static_cast<std::size_t>(verse)]; }

private:
    void rankPass(bool sameLine);

    std::u32string m_first, m_second;
    std::unordered_map<char32_t, int> m_firstIndex, m_secondIndex;
    int m_perPair;
    std::vector<Poem> m_poems;
    std::vector<std::pair<std::size_t, std::size_t>> m_verseAt;
    std::vector<std::u32string> m_verseText;
    std::unordered_set<std::string> m_seen;
    std::vector<std::uint8_t> m_count;
    std::vector<std::int32_t> m_best;
};

} // namespace namewright
