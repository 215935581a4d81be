#pragma once
// The favourites table (收藏表格) of the shortlist window, over the favourites store: one row per favourite in the
// order starred. Columns: 姓名 分数 星级 备注 三才 五行 收藏时间.

#include "app/favourites/FavouritesStore.h"

#include <QAbstractTableModel>

namespace namewright {

class FavouritesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Name, Score, Stars, Note, ThreeTalentsKey, Elements, Added, ColumnCount };

    explicit FavouritesModel(FavouritesStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const Favourite& favouriteAt(int row) const { return m_store.list().all()[static_cast<std::size_t>(row)]; }
    /// The row of a favourite's name; -1 when it is no favourite.
    int rowOf(const std::string& familyText, const std::string& given) const;

private:
    void storeChanged();

    FavouritesStore& m_store;
    int m_rows = 0;
};

} // namespace namewright
