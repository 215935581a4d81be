#pragma once
// The result grid (高级表格1) as a table model over the core's result store.
//
// Columns: grid column 0 is the narrow leading column that stays empty, the nine ResultColumns follow it in order. The
// model does not follow the store row by row: a short timer takes the rows that became visible since the last tick and
// inserts them with one beginInsertRows, so millions of rows cost the interface a few small updates per second. A
// fast run lists a quarter of a million rows between two ticks, and the view's bookkeeping grows with the rows of one
// insertion; so a tick inserts at most kRowsPerSlice rows, and the rest follow slice by slice, each in its own pass of
// the event loop, with the interface's other work in between.

#include "naming/ResultStore.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QTimer>

namespace namewright {

class ResultGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kLeadingColumn = 0;
    static constexpr int kColumns = 1 + static_cast<int>(kResultColumnCount);
    static constexpr int kRefreshMilliseconds = 50;
    /// The most rows one insertion takes: about a millisecond of the view's bookkeeping.
    static constexpr int kRowsPerSlice = 65536;
    /// The red of names scoring 95 or more: #990000 keeps a contrast of 4.9:1 on the silver stripes (#C0C0C0) and
    /// 7.6:1 on the light grey ones (#ECECEC), above the 4.5:1 that small text needs (WCAG 2).
    static constexpr QColor kHighlightColour{0x99, 0x00, 0x00};

    /// The grid column that shows a result column.
    static constexpr int gridColumn(ResultColumn column) { return 1 + static_cast<int>(columnIndex(column)); }

    explicit ResultGridModel(const ResultStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Shows the rows that became visible in the store since the last call, then emits storeFull() while the store is
    /// full.
    void takeNewRows();
    /// Shows at most `limit` of them, and emits storeFull() as above once every row is shown. Returns whether rows are
    /// left to take. The timer takes kRowsPerSlice at a time this way.
    bool takeNewRows(int limit);

    /// Call around ResultStore::clear (the clear runs between the two calls).
    void beginClear();
    void endClear();

signals:
    /// The store refused rows at its limit (ResultStore::isFull): emitted on every tick until it is cleared.
    void storeFull();

private:
    /// Takes a slice; while rows are left, the next slice follows in the next pass of the event loop.
    void takeSlice();

    const ResultStore& m_store;
    int m_shownRows = 0;
    QTimer m_timer;
    QTimer m_nextSlice; ///< single shot, no wait: the slices that follow a tick's first one
};

} // namespace namewright
