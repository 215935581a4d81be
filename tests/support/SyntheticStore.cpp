#include "support/SyntheticStore.h"

#include "calendar/Element.h"
#include "db/RandomSource.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <vector>

namespace namewright::testing {

SyntheticStore::SyntheticStore(std::uint32_t series) : m_series(series) {
    store.clear(series);
}

std::uint32_t SyntheticStore::family(std::string_view text, int strokes, std::string_view element) {
    return store.internFamily(text, strokes, element);
}

std::string SyntheticStore::character(int index) {
    const auto c = static_cast<char32_t>(0x4E00 + index);
    std::string text;
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
    return text;
}

int SyntheticStore::strokesOf(int index) {
    return 1 + index % 24;
}

std::string_view SyntheticStore::elementOf(int index) {
    return elementText(kAllElements[static_cast<std::size_t>(index % 5)]);
}

int SyntheticStore::scoreOf(int first, int second) {
    return 60 + static_cast<int>((static_cast<unsigned>(first) * 7U + static_cast<unsigned>(second + 1) * 13U) % 41U);
}

void SyntheticStore::add(std::uint32_t familyId, int first, int second) {
    TextPool& texts = store.texts();
    const std::string familyElement = texts.text(store.family(familyId).element);
    StoredName row;
    row.family = familyId;
    row.firstCharacter = texts.intern(character(first));
    row.firstStrokes = strokesOf(first);
    std::string elements = familyElement + std::string(elementOf(first));
    if (second != kNone) {
        row.secondCharacter = texts.intern(character(second));
        row.secondStrokes = strokesOf(second);
        elements += elementOf(second);
    }
    row.elementText = texts.intern(elements);
    row.givenElements = ElementSet::occurringIn(elements.substr(familyElement.size()));
    row.score = static_cast<std::uint8_t>(scoreOf(first, second));
    store.append(m_series, row);
}

void SyntheticStore::addRandom(std::uint32_t familyId, std::size_t rows, int firsts, int seconds, double oneCharacter,
                               std::uint64_t seed) {
    RandomSource random(seed);
    for (std::size_t i = 0; i < rows; ++i) {
        const int first = static_cast<int>(random.uniformIndex(static_cast<std::size_t>(firsts)));
        const bool one = static_cast<double>(random.uniformIndex(1000)) < oneCharacter * 1000.0;
        const int second =
            one ? kNone : firsts + static_cast<int>(random.uniformIndex(static_cast<std::size_t>(seconds)));
        add(familyId, first, second);
    }
}

void SyntheticStore::addEveryPair(std::uint32_t familyId, int firsts, int seconds, std::size_t repeats,
                                  std::uint64_t seed) {
    // Rows are written in batches straight into the store: texts are interned once per character.
    TextPool& texts = store.texts();
    const std::string familyElement = texts.text(store.family(familyId).element);
    std::vector<std::uint32_t> ids(static_cast<std::size_t>(firsts + seconds));
    for (int i = 0; i < firsts + seconds; ++i) {
        ids[static_cast<std::size_t>(i)] = texts.intern(character(i));
    }
    std::unordered_map<int, std::uint32_t> elementTexts;
    const auto elementTextOf = [&](int first, int second) {
        const int key = first % 5 * 5 + second % 5;
        auto found = elementTexts.find(key);
        if (found == elementTexts.end()) {
            const std::string text = familyElement + std::string(elementOf(first)) + std::string(elementOf(second));
            found = elementTexts.emplace(key, texts.intern(text)).first;
        }
        return found->second;
    };
    const std::size_t pairs = static_cast<std::size_t>(firsts) * static_cast<std::size_t>(seconds);
    std::vector<std::uint32_t> order(pairs);
    std::iota(order.begin(), order.end(), 0U);
    RandomSource random(seed);
    for (std::size_t i = pairs; i > 1; --i) {
        std::swap(order[i - 1], order[random.uniformIndex(i)]);
    }
    for (std::size_t i = 0; i < repeats; ++i) {
        order.push_back(order[random.uniformIndex(pairs)]);
    }
    std::vector<StoredName> batch;
    batch.reserve(4096);
    for (const std::uint32_t pair : order) {
        const int first = static_cast<int>(pair / static_cast<std::uint32_t>(seconds));
        const int second = firsts + static_cast<int>(pair % static_cast<std::uint32_t>(seconds));
        StoredName row;
        row.family = familyId;
        row.firstCharacter = ids[static_cast<std::size_t>(first)];
        row.secondCharacter = ids[static_cast<std::size_t>(second)];
        row.firstStrokes = strokesOf(first);
        row.secondStrokes = strokesOf(second);
        row.elementText = elementTextOf(first, second);
        row.givenElements = ElementSet::occurringIn(std::string(elementOf(first)) + std::string(elementOf(second)));
        row.score = static_cast<std::uint8_t>(scoreOf(first, second));
        batch.push_back(row);
        if (batch.size() == batch.capacity()) {
            store.append(m_series, batch);
            batch.clear();
        }
    }
    store.append(m_series, batch);
}

} // namespace namewright::testing
