#pragma once
// Waiting in tests with a deadline: a fault shows as a failed expectation, never as a test that hangs.

#include <chrono>
#include <thread>

namespace namewright::testing {

/// Calls `predicate` until it returns true or `timeout` has passed, and returns its last answer (so false means the
/// deadline passed). Between calls it sleeps `pause`, or only yields the processor when `pause` is zero (for a
/// reader that must keep up with a writer).
template <typename Predicate>
bool waitUntil(Predicate&& predicate, std::chrono::milliseconds timeout,
               std::chrono::microseconds pause = std::chrono::microseconds(100)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!predicate()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return predicate();
        }
        if (pause.count() == 0) {
            std::this_thread::yield();
        } else {
            std::this_thread::sleep_for(pause);
        }
    }
    return true;
}

/// The deadline for waits on work that takes milliseconds: generous for a sanitizer build on a loaded machine, well
/// under the suite's per-test timeout of 120 s.
inline constexpr std::chrono::milliseconds kWaitDeadline{30'000};

} // namespace namewright::testing
