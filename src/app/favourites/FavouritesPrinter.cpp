#include "app/favourites/FavouritesPrinter.h"

#include "app/DetailsTexts.h"
#include "app/favourites/WholeFile.h"
#include "app/models/TextConversion.h"
#include "reports/ExplanationBuilder.h"
#include "reports/ReportComposer.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

namespace namewright {

namespace {

constexpr int kLargestPoints = 11;
constexpr int kSmallestPoints = 6;
/// The body's ink: #333333 on white, a contrast of 12.6:1 (the report window's orange reads poorly on paper).
constexpr QRgb kBodyInk = 0x333333;

} // namespace

void FavouritesPrinter::paint(QPagedPaintDevice& device, const std::vector<Favourite>& favourites) const {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 16)));
    QPainter painter(&device);
    const QRect page = painter.viewport();
    for (std::size_t i = 0; i < favourites.size(); ++i) {
        const Favourite& f = favourites[i];
        if (i > 0) {
            device.newPage();
        }
        QFont title = painter.font();
        title.setPointSize(18);
        title.setBold(true);
        painter.setFont(title);
        QRect used;
        painter.drawText(page, Qt::AlignLeft | Qt::AlignTop,
                         toQString(f.name()) + QStringLiteral("  ") + QString(f.stars, QChar(0x2605)), &used);
        int top = used.bottom() + used.height() / 3;
        QFont body = painter.font();
        body.setBold(false);
        body.setPointSize(kLargestPoints);
        QStringList head;
        if (!f.note.empty()) {
            head << QStringLiteral("备注：") + toQString(f.note);
        }
        if (!f.added.empty()) {
            head << QStringLiteral("收藏于 ") + toQString(f.added);
        }
        const QString meanings = givenMeaningsText(m_knowledge, f.given);
        if (!meanings.isEmpty()) {
            head << QStringLiteral("字义：") << meanings;
        }
        if (!head.isEmpty()) {
            painter.setFont(body);
            painter.setPen(QColor::fromRgb(kBodyInk));
            painter.drawText(QRect(page.left(), top, page.width(), page.bottom() - top),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, head.join(QLatin1Char('\n')), &used);
            top = used.bottom() + QFontMetrics(body).height() / 2;
        }
        const ReportData data = buildReportData(f.cells, m_database);
        const QString report = toDisplayText(composeReport(data, f.chart, ReportBox::ReportWindow).text).trimmed();
        const QRect area(page.left(), top, page.width(), page.bottom() - top);
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        for (int points = kLargestPoints; points >= kSmallestPoints; --points) {
            body.setPointSize(points);
            painter.setFont(body);
            if (painter.boundingRect(area, flags, report).height() <= area.height() || points == kSmallestPoints) {
                break;
            }
        }
        painter.setPen(QColor::fromRgb(kBodyInk));
        painter.drawText(area, flags, report);
        painter.setPen(Qt::black);
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
