#pragma once
// The result grid's view (高级表格1): a QTableView that takes rows appended below its last visible row without
// laying itself out anew.
//
// A fast run appends thousands of rows twenty times a second. A plain QTableView answers every new row count with a
// delayed layout: it works out the position of every row again (a walk over all of them, millions in a long run) and
// repaints its whole viewport, although rows added below the visible ones change nothing on screen but the
// scrollbar. For those this view only lengthens its scroll range. Anything else (fewer rows, a first fill, a grid not
// yet full or scrolled to its end) takes QTableView's own layout.
//
// The rows must all be of the vertical header's default height and none hidden, as the result grid has them; the view
// scrolls by rows (QAbstractItemView::ScrollPerItem), as QTableView does by default.

#include <QTableView>

namespace namewright {

class ResultGridView : public QTableView {
    Q_OBJECT

public:
    explicit ResultGridView(QWidget* parent = nullptr);

    /// How many row-count changes took the light way (the tests check that streaming rows do).
    int quietAppends() const { return m_quietAppends; }

private:
    void followRowCount(int oldCount, int newCount);
    /// Lengthens the scroll range for rows appended after `oldCount` when they all fall below the visible rows; false
    /// when the full layout is needed.
    bool appendQuietly(int oldCount, int newCount);

    int m_quietAppends = 0;
};

} // namespace namewright
