#pragma once
// SoundChecker (读音检查): the sound rules of a full name over a list of unfortunate words.
//
// The rules, on the syllables of family name + given name in order:
//   * three syllables in a row with the same tone (the neutral tone and unknown readings never count);
//   * 双声 and 叠韵: two adjacent given syllables of different characters with the same initial, or the same rhyme
//     (a doubled character such as 婷婷 is a style of its own, not a slip, and trips neither);
//   * a given syllable equal to a family syllable, tones aside (李丽 lǐ lì);
//   * two to four adjacent syllables, at least one of them given, that read like an unfortunate word: with the same
//     tones (a neutral syllable of the word matches any tone); or, for a word marked to be heard in other tones too
//     (UnfortunateWord::otherTones, the crude and the ominous that people really tease with), with exactly one
//     syllable in another tone. Two or more syllables in other tones never warn (王思齐 is no 死期). A place name
//     (地名) is heard only as the whole name or the whole given name, with its tones.
// A syllable without a known reading takes part in no rule.

#include "knowledge/SoundWarning.h"
#include "knowledge/SyllableReading.h"
#include "knowledge/UnfortunateWord.h"
#include "knowledge/WordKeyTable.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace namewright {

class SoundChecker {
public:
    /// A syllable as the rules see it: `syllable` numbers the letters (0: unknown reading), `code` = number of the
    /// letters among the words' syllables * 8 + tone (0 when no word has these letters), with the numbers of its
    /// initial (0: none) and rhyme (Syllable.h). `character` tells doubled characters apart.
    struct Unit {
        std::uint16_t code = 0;
        std::uint16_t syllable = 0;
        std::uint8_t tone = 0;
        std::uint8_t initial = 0;
        std::uint8_t final = 0;
        char32_t character = 0;
    };

    /// No words: only the tone, initial, final and family rules apply.
    SoundChecker();
    explicit SoundChecker(std::vector<UnfortunateWord> words);

    /// The unit of a syllable; an unknown syllable (not among the words' and the ones registered) is registered
    /// first, so call this while building, not from several threads at once.
    Unit unitOf(const Syllable& syllable, char32_t character);
    /// The unit of a registered syllable without registering: an unregistered one reads as unknown (syllable 0).
    Unit findUnit(const Syllable& syllable, char32_t character) const;

    /// Every warning, in the order of the rules above, the word rules from the longest word down.
    std::vector<SoundWarning> warnings(const std::vector<SyllableReading>& name) const;
    /// Whether any rule trips, for units built with unitOf; `familyCount` leading units are the family name.
    /// Thread-safe with other const calls; no allocation.
    bool hasWarning(std::span<const Unit> units, std::size_t familyCount) const;
    /// The heaviest warning a name trips: none, only the tone, initial, final or family rules, or a word rule (the
    /// name reads like an unfortunate word, which people tease with). Same contract as hasWarning().
    enum class Strength : std::uint8_t { None, Other, SoundsLikeWord };
    Strength strongestWarning(std::span<const Unit> units, std::size_t familyCount) const;

    const std::vector<UnfortunateWord>& words() const { return m_words; }

private:
    struct Hit {
        SoundRule rule;
        std::size_t first, count; ///< the syllables heard; for SameAsFamily the given one, `other` the family one
        std::size_t other;
        int word;
    };
    template <class Sink> void runRules(std::span<const Unit> units, std::size_t familyCount, Sink&& sink) const;
    std::uint16_t syllableNumber(const std::string& letters);
    std::uint8_t numberOf(std::unordered_map<std::string, std::uint8_t>& numbers, const std::string& text);
    void index(int word);
    static std::uint64_t keyOf(std::span<const std::uint16_t> codes);
    /// Inserts the keys of a word of `numbers` and `tones` into `table`, a neutral syllable with every tone; the
    /// syllable at `free` without its tone (none when `free` is past the end).
    static void insertKeys(WordKeyTable& table, const std::vector<std::uint16_t>& numbers,
                           const std::vector<int>& tones, std::size_t free, int word);
    std::string describe(const Hit& hit, const std::vector<SyllableReading>& name) const;

    std::vector<UnfortunateWord> m_words;
    std::unordered_map<std::string, std::uint16_t> m_syllables;
    std::vector<std::string> m_letters;
    std::vector<std::uint8_t> m_initialOf, m_finalOf;
    std::vector<std::string> m_initialText, m_finalText;
    std::unordered_map<std::string, std::uint8_t> m_initials, m_finals;
    /// By word length: the words by their syllables with tones, and the words heard in other tones too by their
    /// syllables with one tone left out (its tone bits 0), once for each syllable that has a tone.
    /// The places apart, by their syllables with tones: looked up for the whole name and the whole given name only.
    std::array<WordKeyTable, 5> m_exact, m_oneToneOff, m_places;
    std::size_t m_longestWord = 0;
};

} // namespace namewright
