#pragma once
// SoundWarning (读音提示): one thing the sound checks heard in a full name.

#include <string>

namespace namewright {

enum class SoundRule {
    ThreeSameTones,             ///< three syllables in a row with the same tone
    SameInitial,                ///< 双声: the two given syllables begin with the same initial
    SameFinal,                  ///< 叠韵: the two given syllables have the same rhyme (final without medial)
    SameAsFamily,               ///< a given syllable reads like a family syllable (tones aside)
    SoundsLikeWord,             ///< adjacent syllables read like an unfortunate word, tones and all
    SoundsLikeWordInOtherTones, ///< adjacent syllables are those of a word marked 近音, one in another tone
};

struct SoundWarning {
    SoundRule rule = SoundRule::ThreeSameTones;
    std::string heard;      ///< the characters of the name the warning is about ("范统")
    std::string soundsLike; ///< the unfortunate word for the two word rules ("饭桶"), else empty
    std::string text;       ///< the warning as shown: "谐音：范统 ≈ 饭桶（fàn tǒng，不祥……）"

    bool operator==(const SoundWarning&) const = default;
};

} // namespace namewright
