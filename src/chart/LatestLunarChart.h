#pragma once
// The birth-chart results that the generation worker, the evaluation and the reports share. The application owns
// one; every analysis replaces it as a whole and the last writer wins.

#include "chart/LunarChart.h"

#include <mutex>

namespace namewright {

class LatestLunarChart {
public:
    void replace(LunarChart chart) {
        const std::lock_guard lock(m_mutex);
        m_chart = std::move(chart);
    }

    /// A copy of the chart as it stands (all texts empty before the first analysis).
    LunarChart current() const {
        const std::lock_guard lock(m_mutex);
        return m_chart;
    }

private:
    mutable std::mutex m_mutex;
    LunarChart m_chart;
};

} // namespace namewright
