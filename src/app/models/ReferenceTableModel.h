#pragma once
// A reference-table listing as a table model: column 0 is the empty leading column, the database's columns follow.

#include "reports/ReferenceTableListing.h"

#include <QAbstractTableModel>

namespace namewright {

class ReferenceTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ReferenceTableModel(ReferenceTableListing listing, QObject* parent = nullptr);

    const ReferenceTableListing& listing() const { return m_listing; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ReferenceTableListing m_listing;
};

} // namespace namewright
