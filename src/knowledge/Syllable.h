#pragma once
// Syllable (音节): one Mandarin syllable as the sound checks compare it.

#include <optional>
#include <string>
#include <string_view>

namespace namewright {

/// Tone of a syllable: 1-4 the four tones, 5 the neutral tone, 0 unknown (a character without a recorded reading).
struct Syllable {
    std::string letters; ///< lower-case ASCII pinyin without tone, ü written v ("lv", "zhong"); empty when unknown
    int tone = 0;

    bool operator==(const Syllable&) const = default;
};

/// Parses the numbered form the knowledge tables store ("zhong1", "lv4", "de5"). Anything else: std::nullopt.
std::optional<Syllable> parseNumberedSyllable(std::string_view text);

/// The initial (声母) of a syllable: one of b p m f d t n l g k h j q x zh ch sh r z c s, or empty for a syllable
/// without one (y and w are spellings of the final, so "yan" and "wen" have none).
std::string_view initialOf(std::string_view letters);

/// The final (韵母) of a syllable, spelled so that equal finals compare equal: y- and w- spellings become their
/// finals (yan -> ian, you -> iu, wei -> ui, wu -> u, yu -> v), u after j q x and y is v (ju -> jv, so its final is
/// v), and the apical i after zh ch sh r z c s is "-i", apart from the i of ji.
std::string finalOf(std::string_view letters);

/// The rhyme (韵) of a syllable, what 叠韵 compares: its final without the medial i, u or ü (彷徨 páng huáng and
/// 窈窕 yǎo tiǎo rhyme): iang -> ang, uai -> ai, ui -> ei, un -> en, iu -> ou, üan -> an, üe -> e; a final that is
/// only a vowel or a vowel with its nasal (i, u, ü, in, ing, ün) is its own rhyme.
std::string rhymeOf(std::string_view letters);

/// A final or syllable for display: v written ü.
std::string displayLetters(std::string_view letters);

} // namespace namewright
