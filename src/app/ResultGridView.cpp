#include "app/ResultGridView.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace namewright {

ResultGridView::ResultGridView(QWidget* parent) : QTableView(parent) {
    // QTableView lays itself out anew on every change of the row count; appended rows take appendQuietly first.
    disconnect(verticalHeader(), &QHeaderView::sectionCountChanged, this, nullptr);
    connect(verticalHeader(), &QHeaderView::sectionCountChanged, this, &ResultGridView::followRowCount);
}

void ResultGridView::followRowCount(int oldCount, int newCount) {
    if (newCount > oldCount && appendQuietly(oldCount, newCount)) {
        ++m_quietAppends;
        return;
    }
    QTableView::rowCountChanged(oldCount, newCount);
}

bool ResultGridView::appendQuietly(int oldCount, int newCount) {
    const QHeaderView* rows = verticalHeader();
    const int rowHeight = rows->defaultSectionSize();
    const int height = viewport()->height();
    if (verticalScrollMode() != ScrollPerItem || rows->hiddenSectionCount() != 0 || rowHeight <= 0 || height <= 0 ||
        !isVisible()) {
        return false;
    }
    // The rows that fit wholly, as QTableView::updateGeometries counts them: the scroll range ends where they show
    // the last rows.
    const int fullRows = std::max(1, height / rowHeight);
    QScrollBar* bar = verticalScrollBar();
    if (oldCount < fullRows || bar->minimum() != 0 || bar->maximum() != oldCount - fullRows ||
        bar->pageStep() != fullRows) {
        return false; // a grid not yet full, or a layout still to come: QTableView's own way
    }
    bar->setMaximum(newCount - fullRows);
    const int top = (oldCount - bar->value()) * rowHeight; // where the first new row shows
    if (top < height) {
        viewport()->update(0, top, viewport()->width(), height - top);
    }
    return true;
}

} // namespace namewright
