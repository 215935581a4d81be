#include "app/ResultGridView.h"

#include "app/CachedTextDelegate.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace namewright {

ResultGridView::ResultGridView(QWidget* parent) : QTableView(parent) {
    // QTableView lays itself out anew on every change of the row count; appended rows take appendQuietly first.
    disconnect(verticalHeader(), &QHeaderView::sectionCountChanged, this, nullptr);
    connect(verticalHeader(), &QHeaderView::sectionCountChanged, this, &ResultGridView::followRowCount);
    // Repainted many times a second while a run streams in: the cells' texts are laid out once.
    setItemDelegate(new CachedTextDelegate(this));
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
    if (bar->value() == bar->maximum()) {
        // At the end the last row sits on the viewport's bottom edge; once rows follow it, QTableView aligns the row
        // at the top instead, and new rows may show below: its own layout does both.
        return false;
    }
    // Above the end every row wholly shown is above oldCount - 1, and the next one starts past the viewport's bottom:
    // the new rows show nowhere, only the scroll range grows.
    bar->setMaximum(newCount - fullRows);
    return true;
}

} // namespace namewright
