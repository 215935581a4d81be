#include "naming/RunState.h"

namespace namewright {

namespace {

std::uint64_t pack(std::uint32_t series, int id) {
    return (static_cast<std::uint64_t>(series) << 32U) | static_cast<std::uint32_t>(id);
}

} // namespace

std::uint32_t RunState::beginSeries() {
    const std::uint32_t series = m_series.fetch_add(1, std::memory_order_acq_rel) + 1;
    m_singleMark.store(pack(series, kStartMark), std::memory_order_release);
    m_fixedMark.store(pack(series, kStartMark), std::memory_order_release);
    return series;
}

int RunState::resumeMark(SequentialMode mode, std::uint32_t series) const {
    const std::uint64_t packed = markOf(mode).load(std::memory_order_acquire);
    if (static_cast<std::uint32_t>(packed >> 32U) != series) {
        return kStartMark;
    }
    return static_cast<int>(static_cast<std::uint32_t>(packed));
}

void RunState::setResumeMark(SequentialMode mode, std::uint32_t series, int id) {
    markOf(mode).store(pack(series, id), std::memory_order_release);
}

} // namespace namewright
