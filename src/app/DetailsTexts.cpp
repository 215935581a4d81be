#include "app/DetailsTexts.h"

#include "app/TextConversion.h"

#include <QStringList>

#include <string_view>
#include <utility>

namespace namewright {

namespace {

/// "key\tvalue" split at its first tab.
std::pair<std::string_view, std::string_view> keyAndValue(std::string_view line) {
    const std::size_t tab = line.find('\t');
    return tab == std::string_view::npos ? std::pair{line, std::string_view()}
                                         : std::pair{line.substr(0, tab), line.substr(tab + 1)};
}

QString levelText(std::string_view level) {
    if (level == "1") {
        return QStringLiteral("一级字");
    }
    if (level == "2") {
        return QStringLiteral("二级字");
    }
    if (level == "3") {
        return QStringLiteral("三级字");
    }
    return QStringLiteral("表外字");
}

/// The Chinese caption of a key of the solar-term chart's lines (the keys are the command line's, kept ASCII there);
/// the key itself for one this table does not know, so that a line added to the chart still shows.
QString solarTermCaption(std::string_view key) {
    static const std::pair<std::string_view, const char*> captions[] = {
        {"pillars", "四柱"},
        {"chart", "算法"},
        {"birth", "出生时刻"},
        {"zi-hour", "子时"},
        {"solar-time", "真太阳时"},
        {"year", "年柱"},
        {"month", "月柱"},
        {"day", "日柱"},
        {"hour", "时柱"},
        {"hidden.year", "年支藏干"},
        {"hidden.month", "月支藏干"},
        {"hidden.day", "日支藏干"},
        {"hidden.hour", "时支藏干"},
        {"season", "月令"},
        {"points.year-stem", "年干得分"},
        {"points.year-branch", "年支得分"},
        {"points.month-stem", "月干得分"},
        {"points.month-branch", "月支得分"},
        {"points.day-stem", "日干得分"},
        {"points.day-branch", "日支得分"},
        {"points.hour-stem", "时干得分"},
        {"points.hour-branch", "时支得分"},
        {"element.wood", "木 合计"},
        {"element.fire", "火 合计"},
        {"element.earth", "土 合计"},
        {"element.metal", "金 合计"},
        {"element.water", "水 合计"},
        {"day-master", "日主"},
        {"support", "生扶"},
        {"restraint", "克泄耗"},
        {"strength", "身强身弱"},
        {"useful", "用神"},
        {"favourable", "喜神"},
        {"unfavourable", "忌神"},
        {"method", "取用神之法"},
    };
    for (const auto& [k, caption] : captions) {
        if (k == key) {
            return QString::fromUtf8(caption);
        }
    }
    return toQString(key);
}

} // namespace

QString knowledgeText(const std::vector<std::string>& describedLines) {
    QStringList out;
    QStringList verses;
    bool warned = false;
    for (const std::string& line : describedLines) {
        const auto [key, value] = keyAndValue(line);
        const QString text = toQString(value);
        if (key == "pinyin") {
            out << QStringLiteral("拼音：") + text;
        } else if (key == "tones") {
            out << QStringLiteral("声调：") + text;
        } else if (key == "warning") {
            out << QStringLiteral("读音提示：") + text;
            warned = true;
        } else if (key == "char") {
            if (!warned) {
                out << QStringLiteral("读音提示：无");
                warned = true;
            }
            out << QString() << QStringLiteral("【") + text + QStringLiteral("】");
        } else if (key == "traditional") {
            out << QStringLiteral("  繁体（计笔画之形）：") + text;
        } else if (key == "strokes") {
            out << QStringLiteral("  笔画：") + text;
        } else if (key == "element") {
            out << QStringLiteral("  五行：") + text;
        } else if (key == "level") {
            out << QStringLiteral("  通用规范汉字表：") + levelText(value);
        } else if (key == "verse") {
            // work \t title \t author \t line
            const QStringList parts = text.split(QLatin1Char('\t'));
            if (parts.size() == 4) {
                verses << QStringLiteral("  ") + parts[3] + QStringLiteral("——") + parts[0] + QStringLiteral("《") +
                              parts[1] + QStringLiteral("》") + parts[2];
            }
        }
    }
    if (!verses.isEmpty()) {
        out << QString() << QStringLiteral("名字两字同在的诗句：") << verses;
    }
    return out.join(QLatin1Char('\n'));
}

QString solarTermText(const SeriesSolarTermChart& chart) {
    QStringList out;
    out << QStringLiteral("节气八字（本程序另算：以立春为岁首、以节气分月；左边报告中的八字按原来的算法，不受影响）");
    out << (chart.minuteFromBox
                ? QStringLiteral("出生分钟：%1 分（取自主窗口的“分”框；只有节气八字用到分钟）").arg(chart.minute)
                : QStringLiteral("出生分钟：不详，按 0 分计算（主窗口的“分”框里没有 0 到 59 的分钟）"));
    if (!chart.chart) {
        out << QStringLiteral("这个出生时刻算不出节气八字（日期不存在或超出 1881-2061 年）。");
        return out.join(QLatin1Char('\n'));
    }
    out << QString();
    for (const std::string& line : solarTermChartLines(*chart.chart)) {
        const auto [key, value] = keyAndValue(line);
        out << solarTermCaption(key) + QStringLiteral("：") + toQString(value);
    }
    return out.join(QLatin1Char('\n'));
}

QString compoundSurnameText(const FiveGrids& grids, int score) {
    return QStringLiteral(
               "复姓算法（本程序另算，两字姓的笔画都计入）：天格 %1  人格 %2  地格 %3  外格 %4  总格 %5，分数 %6")
        .arg(grids.heaven)
        .arg(grids.person)
        .arg(grids.earth)
        .arg(grids.outer)
        .arg(grids.total)
        .arg(score);
}

} // namespace namewright
