#pragma once
// The main window's inputs of a generation run (生成参数), as the interface thread publishes them, and the channel
// through which the generation worker reads them without touching a widget.

#include "chart/BirthMomentTexts.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

namespace namewright {

/// The gender of the names a run makes (性别). Its text "男" or "女" is also the gender mark `xb` of the character
/// tables.
enum class Gender : std::uint8_t { Male, Female };

/// The length of the given name (名) when no character is fixed.
enum class NameLength : std::uint8_t { Single, Double };

/// Which character of the full name is fixed (个): the second (right after the family name), the third, or neither
/// (a position box reading anything else ends the run at once).
enum class FixedPosition : std::uint8_t { Second, Third, Neither };

/// "男" or "女".
std::string_view genderText(Gender gender);

/// The window's texts as the run reads them; every text has a meaning, also one the boxes do not offer:
///   gender box:       "男" is Gender::Male, any other text Gender::Female (the sequential modes then leave out
///                     "男" rows and the random mode draws "女" rows, which is what any text other than 男 means)
///   name-length box:  "单字" is NameLength::Single, any other text NameLength::Double (the random mode)
///   position box:     "二" is FixedPosition::Second, "三" FixedPosition::Third, any other text Neither
Gender genderOfText(std::string_view text);
NameLength nameLengthOfText(std::string_view text);
FixedPosition fixedPositionOfText(std::string_view text);

/// The main window's input controls as a run reads them: the choices as values, the rest as typed. The defaults are
/// the controls' initial contents.
struct GenerationInputs {
    std::string familyText = "李";              ///< 姓编辑框: the family name as typed
    NameLength nameLength = NameLength::Double; ///< 名组合框: "双字" or "单字"
    Gender gender = Gender::Male;               ///< 性别组合框: "男" or "女"
    /// 年组合框 (editable), 月组合框, 日组合框, 时组合框 and 分组合框 (editable). The described run reads the first
    /// four; the minute is read only by the solar-term chart of the series' record (SeriesRecord.h).
    BirthMomentTexts moment{"2011", "1", "1", "1", "10"};
    bool fixCharacter = false;                           ///< 选择框1: fix one given character
    FixedPosition fixedPosition = FixedPosition::Second; ///< 个组合框: "二" or "三"
    std::string fixedCharacter;                          ///< 字编辑框: the fixed character
    bool ownThreshold = false;                           ///< 选择框2: use the threshold typed in 分编辑框
    std::string thresholdText;                           ///< 分编辑框
    bool operator==(const GenerationInputs&) const = default;
};

/// Thread-safe hand-over of the inputs: the interface thread publishes a whole new value on every change; a reader
/// compares version() (one atomic load) and takes a copy under the mutex only when it moved.
class InputsChannel {
public:
    void publish(GenerationInputs inputs) {
        const std::lock_guard lock(m_mutex);
        m_inputs = std::move(inputs);
        m_version.fetch_add(1, std::memory_order_release);
    }

    GenerationInputs snapshot() const {
        const std::lock_guard lock(m_mutex);
        return m_inputs;
    }

    /// Counts publications; starts at 0.
    std::uint64_t version() const { return m_version.load(std::memory_order_acquire); }

private:
    mutable std::mutex m_mutex;
    GenerationInputs m_inputs;
    std::atomic<std::uint64_t> m_version{0};
};

/// The score threshold (评分门槛) of a candidate: the typed value when the box is checked and the value is above 75,
/// otherwise 80. The typed text is read as a whole number; anything else counts as 0.
int scoreThreshold(bool ownThreshold, std::string_view thresholdText);

} // namespace namewright
