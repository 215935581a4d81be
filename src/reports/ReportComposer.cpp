#include "reports/ReportComposer.h"

#include "chart/LatestLunarChart.h"
#include "reports/SharedReportData.h"

#include <string_view>

namespace namewright {

namespace {

constexpr std::string_view kLine = "\r\n";

void appendSectionRule(std::string& text, std::string_view title) {
    text.append(19, '-').append(title).append(53, '-');
    text.append(kLine).append(kLine).append(kLine);
}

void appendLabelled(std::string& text, std::string_view label, std::string_view value) {
    text.append(label).append(value).append(kLine).append(kLine);
}

} // namespace

ComposedReport composeReport(const ReportData& data, const ChartTexts& chart, ReportBox box) {
    ComposedReport report;
    report.clearFirst = box == ReportBox::EvaluationWindow;
    report.colour = box == ReportBox::EvaluationWindow ? kEvaluationReportColour : kReportWindowColour;

    std::string& text = report.text;
    text.reserve(2048 + data.heavenExplanation.size() + data.personExplanation.size() + data.earthExplanation.size() +
                 data.outerExplanation.size() + data.totalExplanation.size() + data.threeTalentsExplanation.size());
    text.append(kLine).append(kLine);
    text.append("姓名：").append(data.name).append("  得分：").append(data.score);
    text.append(kLine).append(kLine).append(kLine);

    appendSectionRule(text, "生辰八字");
    for (const ChartResult& result : kChartResults) {
        appendLabelled(text, std::string(result.caption) + "：", chart.*result.text);
    }

    appendSectionRule(text, "五格释义");
    appendLabelled(text, "天格：祖先传下来的先天，对命理影响不大", "");
    appendLabelled(text, data.heavenExplanation, "");
    appendLabelled(text, "人格：", "");
    appendLabelled(text, data.personExplanation, "");
    appendLabelled(text, "地格：", "");
    appendLabelled(text, data.earthExplanation, "");
    appendLabelled(text, "外格：", "");
    appendLabelled(text, data.outerExplanation, "");
    appendLabelled(text, "总格：", "");
    appendLabelled(text, data.totalExplanation, "");

    appendSectionRule(text, "三才释义");
    appendLabelled(text, "三才：", "");
    appendLabelled(text, "  ", data.threeTalentsExplanation);

    appendSectionRule(text, "五行分析");
    text.append("  ").append(data.name).append("  的五行属性为： ").append(data.elementText);
    text.append(kLine).append(kLine);
    if (chart.favourableElement == "无") {
        text.append("  五行布局平衡， 非常完美");
    } else {
        text.append("  您的五行缺 ").append(chart.favourableElement);
        text.append(" 建议使用属性为 ").append(chart.favourableElement).append(" 的汉字为名");
    }
    text.append(kLine).append(kLine).append(kLine);
    return report;
}

ComposedReport composeReport(const SharedReportData& data, const LatestLunarChart& chart, ReportBox box) {
    return composeReport(data.current(), chart.current(), box);
}

} // namespace namewright
