#include "app/RunStatusText.h"

#include "app/AppContext.h"
#include "app/models/TextConversion.h"

namespace namewright {

QString runStatusText(RunPhase phase, std::uint32_t series, bool generating, bool storeFull) {
    switch (phase) {
    case RunPhase::Idle:
        return series == 0 ? QStringLiteral("尚未运算：请先按“分析”") : QStringLiteral("已停止：再按“分析”重新开始");
    case RunPhase::Paused:
        return QStringLiteral("已暂停：按“继续”接着运算，按“停止”结束");
    case RunPhase::Running:
        break;
    }
    if (generating) {
        return QStringLiteral("运算中：按“暂停”可暂停");
    }
    if (storeFull) {
        return QStringLiteral("运算已结束：结果已满，按“停止”后可重新开始");
    }
    return QStringLiteral("运算已结束：候选名字已用完（按钮仍显示“暂停”），按“停止”后可重新开始");
}

QString runStatusText(AppContext& context) {
    return runStatusText(context.runController().phase(), context.runState().currentSeries(),
                         context.runController().isGenerating(), context.results().isFull());
}

QString databaseNotice(const AppContext& context) {
    if (context.databaseOpen()) {
        return {};
    }
    return QStringLiteral("未能读取取名数据库（缺失、损坏或不完整），查找的位置：%1")
        .arg(QString::fromStdString(context.databaseFile().string()));
}

QString missingElementNote(const ShortlistSources& sources) {
    switch (sources.chartState) {
    case SeriesChartState::Unknown:
        return QStringLiteral("本轮还没有排出八字，无从补缺");
    case SeriesChartState::OutOfRange:
        return QStringLiteral("出生日期不在农历表（1881—2060 年）之内或并不存在，排不出八字，无从补缺");
    case SeriesChartState::NoDatabase:
        return QStringLiteral("未能读取取名数据库，八字的五行不明，无从补缺");
    case SeriesChartState::Worked:
        break;
    }
    return sources.missingElements.empty() ? QStringLiteral("本轮八字五行俱全，没有所缺的五行可补") : QString();
}

QString missingElementNote(const ShortlistSources& sources, std::optional<ElementSet> own) {
    if (own && !own->empty()) {
        return QStringLiteral("按自选喜用神（%1）补缺，不按本轮八字").arg(elementSetText(*own));
    }
    return missingElementNote(sources);
}

QString elementSetText(ElementSet elements) {
    QString text;
    for (const Element element : kChartElementOrder) {
        if (elements.contains(element)) {
            text += toQString(elementText(element));
        }
    }
    return text;
}

} // namespace namewright
