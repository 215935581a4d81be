#include "VerseIndexBuilder.h"

#include "knowledge/VerseMatch.h"
#include "text/Utf8.h"

#include <algorithm>

namespace namewright {

namespace {

/// The tier (0 best) of a verse for a pair it holds in the way `match` says.
int tierOf(VerseMatch match, bool famous) {
    switch (match) {
    case VerseMatch::SideBySide:
        return famous ? 0 : 1;
    case VerseMatch::SameLine:
        return famous ? 2 : 4;
    case VerseMatch::SameCouplet:
        return famous ? 3 : 5;
    case VerseMatch::None:
        break;
    }
    return -1;
}

VerseClass classOfTier(int tier) {
    return tier == 0 ? VerseClass::SideBySideFamous : tier == 1 ? VerseClass::SideBySide : VerseClass::InAVerse;
}

} // namespace

VerseIndexBuilder::VerseIndexBuilder(std::u32string firstCharacters, std::u32string secondCharacters, int versesPerPair)
    : m_first(std::move(firstCharacters)), m_second(std::move(secondCharacters)), m_perPair(versesPerPair) {
    for (std::size_t i = 0; i < m_first.size(); ++i) {
        m_firstIndex.emplace(m_first[i], static_cast<int>(i));
    }
    for (std::size_t i = 0; i < m_second.size(); ++i) {
        m_secondIndex.emplace(m_second[i], static_cast<int>(i));
    }
    const auto pairs = m_first.size() * m_second.size();
    m_count.assign(pairs, 0);
    m_class.assign(pairs, VerseClass::None);
    m_best.assign(pairs * static_cast<std::size_t>(m_perPair), -1);
    m_bestRank.assign(m_best.size(), Rank{0, 0});
}

void VerseIndexBuilder::addPoem(Poem poem) {
    const std::size_t poemIndex = m_poems.size();
    for (std::size_t v = 0; v < poem.verses.size(); ++v) {
        const int quoted = v < poem.quotations.size() ? std::clamp(poem.quotations[v], 0, 65535) : 0;
        const auto unquoted = static_cast<std::uint16_t>(65535 - quoted);
        const auto [seen, isNew] = m_seen.emplace(poem.verses[v], static_cast<std::int32_t>(m_verseAt.size()));
        if (isNew) {
            m_verseAt.emplace_back(poemIndex, v);
            m_famous.push_back(poem.famous);
            m_unquoted.push_back(unquoted);
            m_verseText.push_back(decodeUtf8(poem.verses[v]));
        } else if (const auto id = static_cast<std::size_t>(seen->second); poem.famous && !m_famous[id]) {
            m_verseAt[id] = {poemIndex, v};
            m_famous[id] = true;
            m_unquoted[id] = unquoted;
        }
    }
    m_poems.push_back(std::move(poem));
}

void VerseIndexBuilder::finish() {
    std::vector<Hit> hits;
    for (std::size_t verse = 0; verse < m_verseText.size(); ++verse) {
        hitsOf(verse, hits);
        for (const auto& hit : hits) {
            keep(hit.pair, Rank{static_cast<std::uint8_t>(hit.tier), m_unquoted[verse]},
                 static_cast<std::int32_t>(verse));
            m_class[hit.pair] = std::max(m_class[hit.pair], classOfTier(hit.tier));
        }
    }
    m_verseText.clear();
    m_verseText.shrink_to_fit();
    m_seen.clear();
}

// The pairs a verse holds, each with its best tier. Scanning the name characters of the verse once, every first
// character is paired with each second character after it: side by side when the second directly follows it, in one
// line when no line break lies between them.
void VerseIndexBuilder::hitsOf(std::size_t verse, std::vector<Hit>& hits) const {
    struct Place {
        int first, second, line;
        std::size_t at;
    };
    std::vector<Place> places;
    int line = 0;
    const auto& text = m_verseText[verse];
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (isLineBreak(text[at])) {
            ++line;
            continue;
        }
        const auto first = m_firstIndex.find(text[at]);
        const auto second = m_secondIndex.find(text[at]);
        if (first != m_firstIndex.end() || second != m_secondIndex.end()) {
            places.push_back({first != m_firstIndex.end() ? first->second : -1,
                              second != m_secondIndex.end() ? second->second : -1, line, at});
        }
    }
    hits.clear();
    const bool famous = m_famous[verse];
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].first < 0) {
            continue;
        }
        for (std::size_t j = i + 1; j < places.size(); ++j) {
            if (places[j].second < 0) {
                continue;
            }
            const auto match = places[j].at == places[i].at + 1   ? VerseMatch::SideBySide
                               : places[i].line == places[j].line ? VerseMatch::SameLine
                                                                  : VerseMatch::SameCouplet;
            hits.push_back({static_cast<std::size_t>(places[i].first) * m_second.size() +
                                static_cast<std::size_t>(places[j].second),
                            tierOf(match, famous)});
        }
    }
    // A pair may occur several times in one verse: its best way decides.
    std::sort(hits.begin(), hits.end(),
              [](const Hit& a, const Hit& b) { return a.pair != b.pair ? a.pair < b.pair : a.tier < b.tier; });
    hits.erase(std::unique(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.pair == b.pair; }),
               hits.end());
}

// Verses come in the order of the classics, so a new verse goes after every kept verse of a better or equal rank.
void VerseIndexBuilder::keep(std::size_t pair, Rank rank, std::int32_t verse) {
    const auto base = pair * static_cast<std::size_t>(m_perPair);
    const auto count = static_cast<std::size_t>(m_count[pair]);
    std::size_t at = count;
    while (at > 0 && !(m_bestRank[base + at - 1] <= rank)) {
        --at;
    }
    if (at >= static_cast<std::size_t>(m_perPair)) {
        return;
    }
    const auto end = std::min(count + 1, static_cast<std::size_t>(m_perPair));
    for (std::size_t i = end - 1; i > at; --i) {
        m_best[base + i] = m_best[base + i - 1];
        m_bestRank[base + i] = m_bestRank[base + i - 1];
    }
    m_best[base + at] = verse;
    m_bestRank[base + at] = rank;
    m_count[pair] = static_cast<std::uint8_t>(end);
}

std::vector<int> VerseIndexBuilder::versesOf(std::size_t firstIndex, std::size_t secondIndex) const {
    const auto pair = firstIndex * m_second.size() + secondIndex;
    const auto begin = m_best.begin() + static_cast<std::ptrdiff_t>(pair * static_cast<std::size_t>(m_perPair));
    return {begin, begin + m_count[pair]};
}

VerseClass VerseIndexBuilder::classOf(std::size_t firstIndex, std::size_t secondIndex) const {
    return m_class[firstIndex * m_second.size() + secondIndex];
}

} // namespace namewright
