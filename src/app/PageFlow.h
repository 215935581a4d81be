#pragma once
// Text flowed down the pages of a printer or a PDF writer: paragraphs are wrapped to the page's width and run over to
// a new page where the page ends, and each page a text runs on to starts with a running head (the favourite's name),
// so that a loose page still says what it belongs to. Sizes are in points whatever the device's resolution.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace namewright {

class PageFlow {
public:
    /// Flows onto `device` through `painter` (already begun on it) within the page's viewport.
    PageFlow(QPainter& painter, QPagedPaintDevice& device);

    /// The text put at the top of every page the flow runs on to (not of pages begun by `startPage`).
    void setRunningHead(const QString& head) { m_runningHead = head; }

    /// Starts a new page, unless nothing has been painted on the current one.
    void startPage();

    /// A paragraph in `font` and `ink`, wrapped at the page's width; lines that do not fit go on the next page.
    void paragraph(const QString& text, const QFont& font, QColor ink);

    /// Vertical space of `lines` lines of `font`; none at the top of a page.
    void space(const QFont& font, qreal lines);

    /// The pages begun so far (1 after construction).
    int pages() const { return m_pages; }

private:
    void nextPage();
    qreal lineHeight(const QFont& font) const;

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    QRectF m_page;
    qreal m_top = 0;
    bool m_blank = true;
    int m_pages = 1;
    QString m_runningHead;
};

} // namespace namewright
