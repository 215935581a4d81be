#pragma once
// The report composer (报告生成): the name report of the report data and a birth chart, laid out as the windows show
// it. Texts are UTF-8; every line break is CR LF.
//
// Layout, "+" joining without a separator, each step appended to the one before:
//   CR LF CR LF
//   "姓名：" + name + "  得分：" + score, three CR LF
//   section rule 生辰八字 (19 hyphens, the title, 53 hyphens, three CR LF)
//   "农历：", "属相：", "四柱：", "八字：", "五行：", "纳音：", "喜用神：" each + its chart text + two CR LF (the
//   captions of kChartResults in its order, LunarChart.h)
//   section rule 五格释义
//   "天格：祖先传下来的先天，对命理影响不大" two CR LF, heaven explanation two CR LF
//   "人格：", "地格：", "外格：", "总格：" each two CR LF, then that grid's explanation two CR LF
//   section rule 三才释义
//   "三才：" two CR LF, two spaces + three-talents explanation two CR LF
//   section rule 五行分析
//   two spaces + name + "  的五行属性为： " + element text, two CR LF
//   favourable element "无":   "  五行布局平衡， 非常完美", three CR LF
//   otherwise:                "  您的五行缺 " + favourable + " 建议使用属性为 " + favourable + " 的汉字为名", three CR
//   LF
// Labels end with the full-width colon "：" (U+FF1A); the sentences use the full-width comma "，" (U+FF0C).

#include "chart/LunarChart.h"
#include "reports/ComposedReport.h"
#include "reports/ReportData.h"

namespace namewright {

class LatestLunarChart;
class SharedReportData;

/// The report of `data` with the texts of the birth chart `chart`, for the given box.
ComposedReport composeReport(const ReportData& data, const ChartTexts& chart, ReportBox box);

/// The report of the shared report data and birth chart as they stand now (a new report window composes this).
ComposedReport composeReport(const SharedReportData& data, const LatestLunarChart& chart, ReportBox box);

} // namespace namewright
