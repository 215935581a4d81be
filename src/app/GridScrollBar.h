#pragma once
// The result grid's vertical scrollbar, placed outside the grid in the 8-pixel gap to the chart panel.
//
// The grid's columns (25 + 55 + 8 × 43) fill its whole 424-pixel width, so a scrollbar inside it would cover the
// 五行 column. The grid therefore shows neither of its own scrollbars; this slim bar mirrors the grid's vertical
// scrolling both ways (dragging it scrolls the grid; the wheel, the keys and new rows move it) and shows only when
// there is something to scroll, as the grid's own bar would.

#include <QAbstractScrollArea>
#include <QPointer>
#include <QScrollBar>

namespace namewright {

class GridScrollBar : public QScrollBar {
    Q_OBJECT

public:
    /// Turns off `area`'s own scrollbars and follows its vertical one. `parent` holds the gap the bar sits in.
    GridScrollBar(QAbstractScrollArea* area, QWidget* parent);

private:
    void follow();

    QPointer<QScrollBar> m_source;
};

} // namespace namewright
