#include "knowledge/SoundChecker.h"

#include "text/Utf8.h"

#include <algorithm>

namespace namewright {

namespace {

constexpr std::size_t kLongestWord = 4;

bool isTone(int tone) {
    return tone >= 1 && tone <= 4;
}

/// Numbers letters, initials and finals of the syllables of one name, for names whose syllables were never
/// registered (the numbers only need to agree within the name).
class LocalNumbers {
public:
    std::uint16_t number(std::vector<std::string>& seen, const std::string& text) {
        const auto at = std::find(seen.begin(), seen.end(), text);
        if (at != seen.end()) {
            return static_cast<std::uint16_t>(at - seen.begin() + 1);
        }
        seen.push_back(text);
        return static_cast<std::uint16_t>(seen.size());
    }
    std::vector<std::string> letters, initials, finals;
};

} // namespace

SoundChecker::SoundChecker() : SoundChecker(std::vector<UnfortunateWord>{}) {}

SoundChecker::SoundChecker(std::vector<UnfortunateWord> words) : m_words(std::move(words)) {
    m_letters.emplace_back();
    m_initialOf.push_back(0);
    m_finalOf.push_back(0);
    m_initialText.emplace_back();
    m_finalText.emplace_back();
    for (int w = 0; w < static_cast<int>(m_words.size()); ++w) {
        index(w);
    }
}

std::uint8_t SoundChecker::numberOf(std::unordered_map<std::string, std::uint8_t>& numbers, const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    const auto [at, added] = numbers.emplace(text, static_cast<std::uint8_t>(numbers.size() + 1));
    return at->second;
}

std::uint16_t SoundChecker::syllableNumber(const std::string& letters) {
    const auto found = m_syllables.find(letters);
    if (found != m_syllables.end()) {
        return found->second;
    }
    // Codes keep the tone in three bits of sixteen: 8191 syllables, far more than Mandarin has.
    if (m_letters.size() >= 8191) {
        return 0;
    }
    const auto number = static_cast<std::uint16_t>(m_letters.size());
    m_syllables.emplace(letters, number);
    m_letters.push_back(letters);
    const std::string initial(initialOf(letters));
    const std::string final = rhymeOf(letters);
    m_initialOf.push_back(numberOf(m_initials, initial));
    m_finalOf.push_back(numberOf(m_finals, final));
    return number;
}

void SoundChecker::index(int word) {
    const auto& entry = m_words[static_cast<std::size_t>(word)];
    const auto length = entry.syllables.size();
    if (length < 2 || length > kLongestWord) {
        return;
    }
    m_longestWord = std::max(m_longestWord, length);
    std::vector<std::uint16_t> numbers;
    std::vector<int> tones;
    for (const auto& syllable : entry.syllables) {
        const auto number = syllable.letters.empty() ? 0 : syllableNumber(syllable.letters);
        if (number == 0 || syllable.tone < 1 || syllable.tone > 5) {
            return;
        }
        numbers.push_back(number);
        tones.push_back(syllable.tone);
    }
    if (entry.isPlace()) {
        insertKeys(m_places[length], numbers, tones, kLongestWord, word);
        return;
    }
    insertKeys(m_exact[length], numbers, tones, kLongestWord, word);
    if (entry.otherTones) {
        // A neutral syllable already matches every tone: only a syllable with a tone can be the one heard otherwise.
        for (std::size_t free = 0; free < length; ++free) {
            if (tones[free] != 5) {
                insertKeys(m_oneToneOff[length], numbers, tones, free, word);
            }
        }
    }
}

void SoundChecker::insertKeys(WordKeyTable& table, const std::vector<std::uint16_t>& numbers,
                              const std::vector<int>& tones, std::size_t free, int word) {
    const auto length = numbers.size();
    std::vector<std::size_t> neutral;
    std::size_t combinations = 1;
    for (std::size_t i = 0; i < length; ++i) {
        if (tones[i] == 5 && i != free) {
            neutral.push_back(i);
            combinations *= 5;
        }
    }
    std::vector<std::uint16_t> codes(length);
    for (std::size_t combination = 0; combination < combinations; ++combination) {
        for (std::size_t i = 0; i < length; ++i) {
            codes[i] = static_cast<std::uint16_t>(numbers[i] * 8 + (i == free ? 0 : tones[i]));
        }
        std::size_t rest = combination;
        for (const auto i : neutral) {
            codes[i] = static_cast<std::uint16_t>(static_cast<std::size_t>(numbers[i]) * 8 + rest % 5 + 1);
            rest /= 5;
        }
        table.insert(keyOf(codes), word);
    }
}

std::uint64_t SoundChecker::keyOf(std::span<const std::uint16_t> codes) {
    std::uint64_t key = 0;
    for (const auto code : codes) {
        key = (key << 16) | code;
    }
    return key;
}

SoundChecker::Unit SoundChecker::unitOf(const Syllable& syllable, char32_t character) {
    if (syllable.letters.empty() || syllable.tone < 1 || syllable.tone > 5) {
        return Unit{0, 0, 0, 0, 0, character};
    }
    const auto number = syllableNumber(syllable.letters);
    if (number == 0) {
        return Unit{0, 0, 0, 0, 0, character};
    }
    return Unit{static_cast<std::uint16_t>(number * 8 + syllable.tone),
                number,
                static_cast<std::uint8_t>(syllable.tone),
                m_initialOf[number],
                m_finalOf[number],
                character};
}

SoundChecker::Unit SoundChecker::findUnit(const Syllable& syllable, char32_t character) const {
    const auto found = m_syllables.find(syllable.letters);
    if (found == m_syllables.end() || syllable.tone < 1 || syllable.tone > 5) {
        return Unit{0, 0, 0, 0, 0, character};
    }
    const auto number = found->second;
    return Unit{static_cast<std::uint16_t>(number * 8 + syllable.tone),
                number,
                static_cast<std::uint8_t>(syllable.tone),
                m_initialOf[number],
                m_finalOf[number],
                character};
}

template <class Sink>
void SoundChecker::runRules(std::span<const Unit> units, std::size_t familyCount, Sink&& sink) const {
    const auto n = units.size();
    for (std::size_t i = 0; i + 2 < n; ++i) {
        if (isTone(units[i].tone) && units[i].tone == units[i + 1].tone && units[i].tone == units[i + 2].tone &&
            sink(Hit{SoundRule::ThreeSameTones, i, 3, 0, -1})) {
            return;
        }
    }
    for (std::size_t i = familyCount; i + 1 < n; ++i) {
        const auto& a = units[i];
        const auto& b = units[i + 1];
        if (a.syllable == 0 || b.syllable == 0 || a.character == b.character) {
            continue;
        }
        if (a.initial != 0 && a.initial == b.initial && sink(Hit{SoundRule::SameInitial, i, 2, 0, -1})) {
            return;
        }
        if (a.final != 0 && a.final == b.final && sink(Hit{SoundRule::SameFinal, i, 2, 0, -1})) {
            return;
        }
    }
    for (std::size_t g = familyCount; g < n; ++g) {
        for (std::size_t f = 0; f < familyCount && units[g].syllable != 0; ++f) {
            if (units[f].syllable == units[g].syllable) {
                if (sink(Hit{SoundRule::SameAsFamily, g, 1, f, -1})) {
                    return;
                }
                break;
            }
        }
    }
    std::array<std::uint16_t, kLongestWord> codes{};
    std::array<std::pair<std::size_t, std::size_t>, 16> matched{};
    std::size_t matchedCount = 0;
    for (std::size_t length = std::min(m_longestWord, n); length >= 2; --length) {
        for (std::size_t start = 0; start + length <= n; ++start) {
            if (start + length <= familyCount) {
                continue;
            }
            // A window inside a longer match is part of what that match heard.
            const bool inside =
                std::any_of(matched.begin(), matched.begin() + static_cast<std::ptrdiff_t>(matchedCount),
                            [&](const auto& m) { return start >= m.first && start + length <= m.second; });
            bool known = !inside;
            for (std::size_t k = 0; k < length && known; ++k) {
                codes[k] = units[start + k].code;
                known = codes[k] != 0;
            }
            if (!known) {
                continue;
            }
            const std::span<const std::uint16_t> window(codes.data(), length);
            int word = m_exact[length].find(keyOf(window));
            auto rule = SoundRule::SoundsLikeWord;
            // Else one syllable in another tone, for the words heard so: each syllable in turn without its tone.
            for (std::size_t k = 0; k < length && word < 0; ++k) {
                const auto code = codes[k];
                codes[k] = static_cast<std::uint16_t>(code & ~7U);
                word = m_oneToneOff[length].find(keyOf(window));
                codes[k] = code;
                rule = SoundRule::SoundsLikeWordInOtherTones;
            }
            if (word < 0 && ((start == 0 && length == n) || (start == familyCount && length == n - familyCount))) {
                word = m_places[length].find(keyOf(window));
                rule = SoundRule::SoundsLikeWord;
            }
            if (word >= 0) {
                if (matchedCount < matched.size()) {
                    matched[matchedCount++] = {start, start + length};
                }
                if (sink(Hit{rule, start, length, 0, word})) {
                    return;
                }
            }
        }
    }
}

bool SoundChecker::hasWarning(std::span<const Unit> units, std::size_t familyCount) const {
    bool found = false;
    runRules(units, familyCount, [&](const Hit&) { return found = true; });
    return found;
}

SoundChecker::Strength SoundChecker::strongestWarning(std::span<const Unit> units, std::size_t familyCount) const {
    Strength found = Strength::None;
    runRules(units, familyCount, [&](const Hit& hit) {
        if (hit.rule == SoundRule::SoundsLikeWord || hit.rule == SoundRule::SoundsLikeWordInOtherTones) {
            found = Strength::SoundsLikeWord;
            return true;
        }
        found = Strength::Other;
        return false;
    });
    return found;
}

std::vector<SoundWarning> SoundChecker::warnings(const std::vector<SyllableReading>& name) const {
    std::vector<Unit> units;
    LocalNumbers local;
    std::size_t familyCount = 0;
    for (const auto& reading : name) {
        familyCount += reading.isFamily ? 1 : 0;
        const auto characters = decodeUtf8(reading.character);
        Unit unit{0, 0, 0, 0, 0, characters.empty() ? 0 : characters.front()};
        const auto& syllable = reading.syllable;
        if (!syllable.letters.empty() && syllable.tone >= 1 && syllable.tone <= 5) {
            const auto found = m_syllables.find(syllable.letters);
            unit.code = found == m_syllables.end() ? 0 : static_cast<std::uint16_t>(found->second * 8 + syllable.tone);
            unit.syllable = local.number(local.letters, syllable.letters);
            unit.tone = static_cast<std::uint8_t>(syllable.tone);
            const std::string initial(initialOf(syllable.letters));
            unit.initial = initial.empty() ? 0 : static_cast<std::uint8_t>(local.number(local.initials, initial));
            unit.final = static_cast<std::uint8_t>(local.number(local.finals, rhymeOf(syllable.letters)));
        }
        units.push_back(unit);
    }
    std::vector<SoundWarning> out;
    runRules(units, familyCount, [&](const Hit& hit) {
        out.push_back(SoundWarning{hit.rule, {}, {}, describe(hit, name)});
        for (std::size_t k = hit.first; k < hit.first + hit.count; ++k) {
            out.back().heard += name[k].character;
        }
        if (hit.word >= 0) {
            out.back().soundsLike = m_words[static_cast<std::size_t>(hit.word)].word;
        }
        return false;
    });
    return out;
}

std::string SoundChecker::describe(const Hit& hit, const std::vector<SyllableReading>& name) const {
    std::string characters, pinyin;
    for (std::size_t k = hit.first; k < hit.first + hit.count; ++k) {
        characters += name[k].character;
        pinyin += (pinyin.empty() ? "" : " ") + name[k].pinyin;
    }
    const auto& first = name[hit.first].syllable;
    switch (hit.rule) {
    case SoundRule::ThreeSameTones:
        return "三字同调：" + characters + "（" + pinyin + "）都是第" + std::to_string(first.tone) + "声";
    case SoundRule::SameInitial:
        return "双声：" + characters + "（" + pinyin + "）声母都是 " + std::string(initialOf(first.letters));
    case SoundRule::SameFinal:
        return "叠韵：" + characters + "（" + pinyin + "）韵都是 " + displayLetters(rhymeOf(first.letters));
    case SoundRule::SameAsFamily:
        return "与姓同音：" + characters + "（" + pinyin + "）≈ " + name[hit.other].character + "（" +
               name[hit.other].pinyin + "）";
    case SoundRule::SoundsLikeWord:
    case SoundRule::SoundsLikeWordInOtherTones: {
        const auto& word = m_words[static_cast<std::size_t>(hit.word)];
        if (hit.rule == SoundRule::SoundsLikeWord) {
            return "谐音：" + characters + " ≈ " + word.word + "（" + word.pinyin + "，" + word.kind + "）";
        }
        return "近音：" + characters + " ≈ " + word.word + "（" + pinyin + " / " + word.pinyin + "，声调不同，" +
               word.kind + "）";
    }
    }
    return {};
}

} // namespace namewright
