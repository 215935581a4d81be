#include "app/DetailsTexts.h"

#include "app/models/TextConversion.h"

#include "text/Utf8.h"

#include <QStringList>

namespace namewright {

namespace {

QString levelText(int level) {
    switch (level) {
    case 1:
        return QStringLiteral("一级字");
    case 2:
        return QStringLiteral("二级字");
    case 3:
        return QStringLiteral("三级字");
    default:
        return QStringLiteral("表外字");
    }
}

} // namespace

QString meaningToneMark(MeaningTone tone) {
    switch (tone) {
    case MeaningTone::Positive:
        return QStringLiteral("（褒）");
    case MeaningTone::Neutral:
        return QStringLiteral("（中）");
    case MeaningTone::Negative:
        return QStringLiteral("（贬）");
    case MeaningTone::Unknown:
        break;
    }
    return {};
}

QString givenMeaningsText(const KnowledgeBase& knowledge, std::string_view given) {
    QStringList lines;
    for (const char32_t c : decodeUtf8(given)) {
        const CharacterKnowledge* k = knowledge.character(c);
        if (k && !k->gloss.empty()) {
            lines << toQString(k->character) + QStringLiteral("：") + toQString(k->gloss) +
                         meaningToneMark(k->meaningTone);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString knowledgeText(const NameDescription& description) {
    QStringList out;
    out << QStringLiteral("拼音：") + toQString(description.pinyinText());
    out << QStringLiteral("声调：") + toQString(description.tonesText());
    for (const SoundWarning& warning : description.soundWarnings) {
        out << QStringLiteral("读音提示：") + toQString(warning.text);
    }
    if (description.soundWarnings.empty()) {
        out << QStringLiteral("读音提示：无");
    }
    for (std::size_t i = 0; i < description.characters.size(); ++i) {
        const DescribedCharacter& c = description.characters[i];
        out << QString() << QStringLiteral("【") + toQString(c.character) + QStringLiteral("】");
        if (!c.known) {
            continue;
        }
        out << QStringLiteral("  繁体（计笔画之形）：") + toQString(c.traditional);
        out << QStringLiteral("  笔画：%1（").arg(c.strokes) + toQString(c.strokeWorking) + QStringLiteral("）");
        out << QStringLiteral("  五行：") + toQString(c.elementReason);
        out << QStringLiteral("  通用规范汉字表：") + levelText(c.commonLevel);
        if (!c.gloss.empty()) {
            // The tone matters for the given characters only: nobody chooses the family name.
            const bool family = i < description.readings.size() && description.readings[i].isFamily;
            out << QStringLiteral("  字义：") + toQString(c.gloss) +
                       (family ? QString() : meaningToneMark(c.meaningTone));
        }
    }
    if (!description.verses.empty()) {
        out << QString() << QStringLiteral("名字两字同在的诗句：");
        for (const Verse& verse : description.verses) {
            out << QStringLiteral("  ") + toQString(verse.text) + QStringLiteral("——") + toQString(verse.work) +
                       QStringLiteral("《") + toQString(verse.title) + QStringLiteral("》") + toQString(verse.author);
        }
    }
    return out.join(QLatin1Char('\n'));
}

QString solarTermText(const MomentSolarTermChart& chart) {
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
    for (const WorkingItem& item : solarTermChartWorking(*chart.chart)) {
        out << toQString(item.caption) + QStringLiteral("：") + toQString(item.value);
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

QString recommendationText(const Recommendation& recommendation) {
    QString text = QStringLiteral("推荐 %1").arg(recommendation.value);
    if (recommendation.bottom) {
        text += QStringLiteral("（有贬义字，排在所有名字之后）");
    }
    QStringList parts;
    for (const RecommendPart& part : partsLargestFirst(recommendation)) {
        // A true minus sign, as printed figures have it; the command line prints ASCII.
        const QString sign = part.points > 0 ? QStringLiteral("+") : QString(QChar(0x2212));
        parts << toQString(recommendTermCaption(part.term)) + QLatin1Char(' ') + sign +
                     QString::number(part.points > 0 ? part.points : -part.points);
    }
    text +=
        QStringLiteral("：") + (parts.isEmpty() ? QStringLiteral("各项都不加减分") : parts.join(QStringLiteral("，")));
    return text;
}

QString scoreNote(bool compound) {
    QString note = QStringLiteral("分数：结果表的分数，阈值高于95分时，高于95分的都记作100。\n"
                                  "评测分：“姓名评测”总是把高于95分的记作100，所以可能比表中高。");
    if (compound) {
        note += QStringLiteral("\n复姓分：本程序把两个姓字的笔画都算进去另算的分数。");
    }
    return note;
}

} // namespace namewright
