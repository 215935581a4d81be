#include "app/PageFlow.h"

#include "app/Fonts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace namewright {

namespace {

constexpr int kRunningHeadPoints = 10;
/// The running head's ink: #555555 on white, 7.5:1.
constexpr QRgb kRunningHeadInk = 0x555555;

} // namespace

PageFlow::PageFlow(QPainter& painter, QPagedPaintDevice& device)
    : m_painter(painter), m_device(device), m_page(painter.viewport()), m_top(m_page.top()) {}

qreal PageFlow::lineHeight(const QFont& font) const {
    return QFontMetricsF(font, &m_device).lineSpacing();
}

void PageFlow::startPage() {
    if (m_blank) {
        return;
    }
    m_device.newPage();
    ++m_pages;
    m_top = m_page.top();
    m_blank = true;
}

void PageFlow::nextPage() {
    m_device.newPage();
    ++m_pages;
    m_top = m_page.top();
    m_blank = true;
    if (!m_runningHead.isEmpty()) {
        const QFont head = printFont(kRunningHeadPoints);
        const QString headText = m_runningHead;
        m_runningHead.clear(); // a head too long for a page must not start page after page
        paragraph(headText, head, QColor::fromRgb(kRunningHeadInk));
        const qreal rule = m_top + lineHeight(head) / 4;
        m_painter.setPen(QPen(QColor::fromRgb(kRunningHeadInk), 0));
        m_painter.drawLine(QPointF(m_page.left(), rule), QPointF(m_page.right(), rule));
        m_top = rule + lineHeight(head) / 2;
        m_runningHead = headText;
    }
}

void PageFlow::space(const QFont& font, qreal lines) {
    if (!m_blank) {
        m_top += lineHeight(font) * lines;
    }
}

void PageFlow::paragraph(const QString& text, const QFont& font, QColor ink) {
    m_painter.setPen(ink);
    // Each line of the text is a paragraph of its own: the reports align their columns with line breaks.
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(line, font, &m_device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        qreal y = 0;
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
            row.setLineWidth(m_page.width());
            row.setPosition(QPointF(0, y));
            y += row.height();
        }
        layout.endLayout();
        if (layout.lineCount() == 0) {
            continue;
        }
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine row = layout.lineAt(i);
            if (m_top + row.height() > m_page.bottom() && !m_blank) {
                nextPage();
                m_painter.setPen(ink);
            }
            row.draw(&m_painter, QPointF(m_page.left(), m_top - row.y()));
            m_top += row.height();
            m_blank = false;
        }
    }
}

} // namespace namewright
