#include "app/models/ReferenceTableModel.h"

#include "app/models/TextConversion.h"

namespace namewright {

ReferenceTableModel::ReferenceTableModel(ReferenceTableListing listing, QObject* parent)
    : QAbstractTableModel(parent), m_listing(std::move(listing)) {}

int ReferenceTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_listing.rowCount());
}

int ReferenceTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_listing.gridColumnCount());
}

QVariant ReferenceTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) || index.column() == 0) {
        return {};
    }
    const std::string& cell =
        m_listing.rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column() - 1)];
    if (role == Qt::DisplayRole) {
        return toQString(cell);
    }
    if (role == Qt::ToolTipRole && !cell.empty()) {
        return toQString(cell); // the long readings do not fit their column
    }
    return {};
}

QVariant ReferenceTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section <= 0 ||
        section >= static_cast<int>(m_listing.gridColumnCount())) {
        return {};
    }
    return toQString(m_listing.headers[static_cast<std::size_t>(section - 1)]);
}

} // namespace namewright
