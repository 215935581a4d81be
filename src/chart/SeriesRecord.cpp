#include "chart/SeriesRecord.h"

namespace namewright {

SeriesRecord analyseSeries(std::uint32_t series, const BirthMomentTexts& moment, NamingDatabase& database,
                           const ChartSinks& sinks) {
    SeriesRecord record;
    record.series = series;
    record.moment = moment;
    record.chart = AnalyseBirthChart(moment, database, sinks);
    record.solarTerms = momentSolarTermChart(moment);
    return record;
}

} // namespace namewright
