#pragma once
// The report data that the evaluation and the result grid's reports share. The application owns one; every
// evaluation and every report opened from a result row replaces it as a whole, and the last writer wins.

#include "reports/ReportData.h"

#include <mutex>

namespace namewright {

class SharedReportData {
public:
    void replace(ReportData data) {
        const std::lock_guard lock(m_mutex);
        m_data = std::move(data);
    }

    /// A copy of the report data as it stands (all texts empty before the first evaluation or report).
    ReportData current() const {
        const std::lock_guard lock(m_mutex);
        return m_data;
    }

private:
    mutable std::mutex m_mutex;
    ReportData m_data;
};

} // namespace namewright
