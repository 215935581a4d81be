#pragma once
// The birth chart a series of generation runs works with (本轮八字): the chart the latest worker of the current series
// analysed, with the moment it was analysed for. The shared chart (SharedBirthChart.h) is replaced by every
// evaluation as well; this one only by a generation worker, so the shortlist can tell which elements the series'
// names should supply. The application owns one; the worker replaces it as a whole, the interface thread reads copies.

#include "chart/BirthChart.h"
#include "chart/ChartAnalysis.h"

#include <cstdint>
#include <mutex>
#include <optional>

namespace namewright {

struct SeriesChart {
    std::uint32_t series = 0; ///< the series (RunState::currentSeries) whose worker analysed it
    BirthChart chart;
    BirthMomentTexts moment;
    bool operator==(const SeriesChart&) const = default;
};

class SharedSeriesChart {
public:
    void replace(SeriesChart chart) {
        const std::lock_guard lock(m_mutex);
        m_chart = std::move(chart);
    }

    /// The chart of the latest worker; nothing before the first.
    std::optional<SeriesChart> current() const {
        const std::lock_guard lock(m_mutex);
        return m_chart;
    }

private:
    mutable std::mutex m_mutex;
    std::optional<SeriesChart> m_chart;
};

} // namespace namewright
