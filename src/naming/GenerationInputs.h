#pragma once
// The main window's inputs of a generation run (生成参数), as the interface thread publishes them, and the channel
// through which the generation worker reads them without touching a widget.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

namespace namewright {

/// Texts and check states of the main window's input controls. The defaults are the controls' initial contents.
struct GenerationInputs {
    std::string familyText = "李";    ///< 姓编辑框: the family name as typed
    std::string nameLength = "双字";  ///< 名组合框: "双字" or "单字"
    std::string gender = "男";        ///< 性别组合框: "男" or "女"
    std::string year = "2011";        ///< 年组合框 (editable)
    std::string month = "1";          ///< 月组合框
    std::string day = "1";            ///< 日组合框
    std::string hour = "1";           ///< 时组合框
    bool fixCharacter = false;        ///< 选择框1: fix one given character
    std::string fixedPosition = "二"; ///< 个组合框: "二" (second character of the full name) or "三" (third)
    std::string fixedCharacter;       ///< 字编辑框: the fixed character
    bool ownThreshold = false;        ///< 选择框2: use the threshold typed in 分编辑框
    std::string thresholdText;        ///< 分编辑框
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
