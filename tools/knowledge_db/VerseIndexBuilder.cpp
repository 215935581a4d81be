#include "VerseIndexBuilder.h"

#include "knowledge/VerseMatch.h"
#include "text/Utf8.h"

#include <algorithm>

namespace namewright {

VerseIndexBuilder::VerseIndexBuilder(std::u32string firstCharacters, std::u32string secondCharacters, int versesPerPair)
    : m_first(std::move(firstCharacters)), m_second(std::move(secondCharacters)), m_perPair(versesPerPair) {
    for (std::size_t i = 0; i < m_first.size(); ++i) {
        m_firstIndex.emplace(m_first[i], static_cast<int>(i));
    }
    for (std::size_t i = 0; i < m_second.size(); ++i) {
        m_secondIndex.emplace(m_second[i], static_cast<int>(i));
    }
    m_count.assign(m_first.size() * m_second.size(), 0);
    m_best.assign(m_count.size() * static_cast<std::size_t>(m_perPair), -1);
}

void VerseIndexBuilder::addPoem(Poem poem) {
    const std::size_t poemIndex = m_poems.size();
    for (std::size_t v = 0; v < poem.verses.size(); ++v) {
        if (m_seen.insert(poem.verses[v]).second) {
            m_verseAt.emplace_back(poemIndex, v);
            m_verseText.push_back(decodeUtf8(poem.verses[v]));
        }
    }
    m_poems.push_back(std::move(poem));
}

void VerseIndexBuilder::finish() {
    rankPass(true);
    rankPass(false);
    m_verseText.clear();
    m_verseText.shrink_to_fit();
}

// One pass over the verses in rank order adds each verse to the pairs it holds in the pass's way (in one line, or
// across lines only), as long as the pair has room: so a pair's list is its same-line verses, then the others.
void VerseIndexBuilder::rankPass(bool sameLine) {
    struct Place {
        int first, second, line;
    };
    std::vector<Place> places;
    std::vector<std::pair<std::size_t, bool>> hits;
    for (std::size_t verse = 0; verse < m_verseText.size(); ++verse) {
        places.clear();
        int line = 0;
        for (const char32_t c : m_verseText[verse]) {
            if (isLineBreak(c)) {
                ++line;
                continue;
            }
            const auto first = m_firstIndex.find(c);
            const auto second = m_secondIndex.find(c);
            if (first != m_firstIndex.end() || second != m_secondIndex.end()) {
                places.push_back({first != m_firstIndex.end() ? first->second : -1,
                                  second != m_secondIndex.end() ? second->second : -1, line});
            }
        }
        hits.clear();
        for (std::size_t i = 0; i < places.size(); ++i) {
            if (places[i].first < 0) {
                continue;
            }
            for (std::size_t j = i + 1; j < places.size(); ++j) {
                if (places[j].second >= 0) {
                    const auto pair = static_cast<std::size_t>(places[i].first) * m_second.size() +
                                      static_cast<std::size_t>(places[j].second);
                    hits.emplace_back(pair, places[i].line == places[j].line);
                }
            }
        }
        // A pair may occur several times in one verse: its best way decides.
        std::sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first : a.second > b.second;
        });
        for (std::size_t h = 0; h < hits.size(); ++h) {
            if (h > 0 && hits[h].first == hits[h - 1].first) {
                continue;
            }
            const auto [pair, inOneLine] = hits[h];
            if (inOneLine != sameLine || m_count[pair] >= m_perPair) {
                continue;
            }
            m_best[pair * static_cast<std::size_t>(m_perPair) + m_count[pair]] = static_cast<std::int32_t>(verse);
            ++m_count[pair];
        }
    }
}

std::vector<int> VerseIndexBuilder::versesOf(std::size_t firstIndex, std::size_t secondIndex) const {
    const auto pair = firstIndex * m_second.size() + secondIndex;
    const auto begin = m_best.begin() + static_cast<std::ptrdiff_t>(pair * static_cast<std::size_t>(m_perPair));
    return {begin, begin + m_count[pair]};
}

} // namespace namewright
