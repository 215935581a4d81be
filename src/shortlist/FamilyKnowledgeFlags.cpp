#include "shortlist/FamilyKnowledgeFlags.h"

#include "text/Utf8.h"

#include <array>
#include <span>

namespace namewright {

namespace {

bool isCommon(int level) {
    return level == 1 || level == 2;
}

} // namespace

FamilyKnowledgeFlags::FamilyKnowledgeFlags(KnowledgeBase knowledge, std::string_view family)
    : m_knowledge(std::move(knowledge)), m_familyReadings(m_knowledge.readName(family, {})) {
    for (const auto& reading : m_familyReadings) {
        const auto characters = decodeUtf8(reading.character);
        m_familyUnits.push_back(m_knowledge.unitOf(reading.syllable, characters.empty() ? 0 : characters.front()));
        m_familyPinyin += (m_familyPinyin.empty() ? "" : " ") + (reading.pinyin.empty() ? "?" : reading.pinyin);
    }
}

template <typename F> auto FamilyKnowledgeFlags::withUnits(char32_t first, char32_t second, F&& f) const {
    // A family name of up to six characters fits the fixed buffer; longer ones (never seen) take a vector.
    std::array<SoundChecker::Unit, 8> fixed{};
    std::vector<SoundChecker::Unit> grown;
    const std::size_t count = m_familyUnits.size() + (second ? 2 : 1);
    SoundChecker::Unit* units = fixed.data();
    if (count > fixed.size()) {
        grown.resize(count);
        units = grown.data();
    }
    std::copy(m_familyUnits.begin(), m_familyUnits.end(), units);
    units[m_familyUnits.size()] = m_knowledge.compact(first).unit;
    units[m_familyUnits.size()].character = first;
    if (second) {
        units[m_familyUnits.size() + 1] = m_knowledge.compact(second).unit;
        units[m_familyUnits.size() + 1].character = second;
    }
    return f(std::span<const SoundChecker::Unit>(units, count), m_familyUnits.size());
}

KnowledgeFlags FamilyKnowledgeFlags::flags(char32_t first, char32_t second) const {
    if (!isAvailable() || first == 0) {
        return {};
    }
    const auto& a = m_knowledge.compact(first);
    const auto& b = m_knowledge.compact(second);
    KnowledgeFlags out;
    out.available = true;
    out.noSoundWarning = !withUnits(first, second, [this](auto units, std::size_t familyCount) {
        return m_knowledge.soundChecker().hasWarning(units, familyCount);
    });
    out.hasVerse = second && m_knowledge.hasVerseAt(a.firstIndex, b.secondIndex);
    out.commonOnly = isCommon(a.commonLevel) && (!second || isCommon(b.commonLevel));
    return out;
}

VerseClass FamilyKnowledgeFlags::verseClass(char32_t first, char32_t second) const {
    if (!isAvailable() || first == 0 || second == 0) {
        return VerseClass::None;
    }
    return m_knowledge.verseClassAt(m_knowledge.compact(first).firstIndex, m_knowledge.compact(second).secondIndex);
}

SoundChecker::Strength FamilyKnowledgeFlags::soundStrength(char32_t first, char32_t second) const {
    if (!isAvailable() || first == 0) {
        return SoundChecker::Strength::None;
    }
    return withUnits(first, second, [this](auto units, std::size_t familyCount) {
        return m_knowledge.soundChecker().strongestWarning(units, familyCount);
    });
}

KnowledgeFlags FamilyKnowledgeFlags::flags(std::string_view given) const {
    const auto characters = decodeUtf8(given);
    if (characters.empty() || characters.size() > 2) {
        return {isAvailable(), false, false, false};
    }
    return flags(characters[0], characters.size() == 2 ? characters[1] : 0);
}

std::string FamilyKnowledgeFlags::pinyin(std::string_view given) const {
    if (!isAvailable()) {
        return {};
    }
    std::string out = m_familyPinyin;
    for (const char32_t c : decodeUtf8(given)) {
        const auto* k = m_knowledge.character(c);
        out += (out.empty() ? "" : " ") + (k && !k->pinyin.empty() ? k->pinyin : std::string("?"));
    }
    return out;
}

} // namespace namewright
