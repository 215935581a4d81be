#include "app/models/ResultGridModel.h"

#include "app/models/TextConversion.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <array>
#include <limits>

namespace namewright {

namespace {

/// Names at or above this score are shown in red, as the help text promises for the best names.
constexpr int kHighlightedScore = 95;

} // namespace

ResultGridModel::ResultGridModel(const ResultStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store) {
    m_timer.setInterval(kRefreshMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &ResultGridModel::takeSlice);
    m_timer.start();
    m_nextSlice.setSingleShot(true);
    m_nextSlice.setInterval(0);
    connect(&m_nextSlice, &QTimer::timeout, this, &ResultGridModel::takeSlice);
}

int ResultGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_shownRows;
}

int ResultGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ResultGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        index.column() == kLeadingColumn) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const ResultColumn column = kResultColumns[static_cast<std::size_t>(index.column() - 1)];
    switch (role) {
    case Qt::DisplayRole:
        return toQString(m_store.cellText(row, column));
    case Qt::TextAlignmentRole:
        return column == ResultColumn::Name || column == ResultColumn::ElementText
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignCenter);
    case Qt::ForegroundRole:
        return m_store.row(row).score >= kHighlightedScore ? QBrush(kHighlightColour) : QVariant();
    default:
        return {};
    }
}

QVariant ResultGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns) {
        return {};
    }
    if (section == kLeadingColumn) {
        return QString();
    }
    return toQString(resultColumnTitle(kResultColumns[static_cast<std::size_t>(section - 1)]));
}

void ResultGridModel::takeNewRows() {
    takeNewRows(std::numeric_limits<int>::max());
}

bool ResultGridModel::takeNewRows(int limit) {
    const std::size_t available =
        std::min<std::size_t>(m_store.rowCount(), static_cast<std::size_t>(std::numeric_limits<int>::max()));
    const int count = static_cast<int>(available);
    const int last = count - m_shownRows > limit ? m_shownRows + limit : count;
    if (last > m_shownRows) {
        beginInsertRows(QModelIndex(), m_shownRows, last - 1);
        m_shownRows = last;
        endInsertRows();
    }
    if (last < count) {
        return true;
    }
    if (m_store.isFull()) {
        emit storeFull();
    }
    return false;
}

void ResultGridModel::takeSlice() {
    if (takeNewRows(kRowsPerSlice)) {
        m_nextSlice.start();
    }
}

void ResultGridModel::beginClear() {
    beginResetModel();
    m_shownRows = 0;
}

void ResultGridModel::endClear() {
    endResetModel();
}

} // namespace namewright
