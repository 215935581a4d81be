#include "app/favourites/FavouritesPrinter.h"

#include "app/DetailsTexts.h"
#include "app/Fonts.h"
#include "app/PageFlow.h"
#include "app/favourites/WholeFile.h"
#include "app/models/TextConversion.h"
#include "reports/ExplanationBuilder.h"
#include "reports/ReportComposer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

namespace namewright {

namespace {

constexpr int kTitlePoints = 18;
constexpr int kHeadPoints = 11;
constexpr int kReportPoints = 10;
/// The body's ink: #333333 on white, a contrast of 12.6:1 (the report window's orange reads poorly on paper).
constexpr QRgb kBodyInk = 0x333333;

} // namespace

void FavouritesPrinter::paint(QPagedPaintDevice& device, const std::vector<Favourite>& favourites) const {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 16)));
    QPainter painter(&device);
    PageFlow flow(painter, device);
    QFont title = printFont(kTitlePoints);
    title.setBold(true);
    const QFont head = printFont(kHeadPoints);
    const QFont report = printFont(kReportPoints);
    const QColor ink = QColor::fromRgb(kBodyInk);
    for (const Favourite& f : favourites) {
        flow.setRunningHead({});
        flow.startPage();
        const QString name = toQString(f.name());
        flow.paragraph(name + QStringLiteral("  ") + QString(f.stars, QChar(0x2605)), title, Qt::black);
        flow.setRunningHead(name + QStringLiteral("（续）"));
        flow.space(head, 0.5);
        QStringList lines;
        if (!f.note.empty()) {
            lines << QStringLiteral("备注：") + toQString(f.note);
        }
        if (!f.added.empty()) {
            lines << QStringLiteral("收藏于 ") + toQString(f.added);
        }
        const QString meanings = givenMeaningsText(m_knowledge, f.given);
        if (!meanings.isEmpty()) {
            lines << QStringLiteral("字义：") << meanings;
        }
        if (!lines.isEmpty()) {
            flow.paragraph(lines.join(QLatin1Char('\n')), head, ink);
            flow.space(head, 0.5);
        }
        const ReportData data = buildReportData(f.cells, m_database);
        flow.paragraph(toDisplayText(composeReport(data, f.chart, ReportBox::ReportWindow).text).trimmed(), report,
                       ink);
    }
}

bool FavouritesPrinter::writePdf(const QString& path, const std::vector<Favourite>& favourites, QString* error) const {
    // Painted into memory first: the PDF writer does not tell when its device refuses bytes, the file writer does.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("收藏的名字"));
        writer.setCreator(QStringLiteral("Namewright"));
        writer.setResolution(300);
        paint(writer, favourites);
    }
    return writeWholeFile(path, bytes, error);
}

} // namespace namewright
