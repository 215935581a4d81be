#pragma once
// The phase of generation runs (运算阶段) that the compute button shows; the window gives each phase its caption.

#include <cstdint>

namespace namewright {

enum class RunPhase : std::uint8_t {
    Idle,    ///< no run yet, or stopped: a press starts a new series
    Running, ///< a worker runs, or has run out of candidates: a press pauses
    Paused,  ///< a press continues after the resume marks
};

} // namespace namewright
