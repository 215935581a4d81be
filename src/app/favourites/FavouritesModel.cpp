#include "app/favourites/FavouritesModel.h"

#include "app/models/TextConversion.h"

namespace namewright {

FavouritesModel::FavouritesModel(FavouritesStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_rows(static_cast<int>(store.list().size())) {
    connect(&m_store, &FavouritesStore::changed, this, &FavouritesModel::storeChanged);
}

void FavouritesModel::storeChanged() {
    const int rows = static_cast<int>(m_store.list().size());
    if (rows == m_rows) {
        if (rows > 0) {
            emit dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1));
        }
        return;
    }
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int FavouritesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int FavouritesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FavouritesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const Favourite& f = favouriteAt(index.row());
    if (role == Qt::TextAlignmentRole) {
        return index.column() == Score ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    switch (index.column()) {
    case Name:
        return toQString(f.name());
    case Score:
        return toQString(f.cells[ResultColumn::Score]);
    case Stars:
        return QString(f.stars, QChar(0x2605));
    case Note:
        return toQString(f.note);
    case ThreeTalentsKey:
        return toQString(f.cells[ResultColumn::ThreeTalentsKey]);
    case Elements:
        return toQString(f.cells[ResultColumn::ElementText]);
    case Added:
        return toQString(f.added);
    default:
        return {};
    }
}

QVariant FavouritesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) {
        return {};
    }
    static const char* const titles[] = {"姓名", "分数", "星级", "备注", "三才", "五行", "收藏时间"};
    return QString::fromUtf8(titles[section]);
}

int FavouritesModel::rowOf(const std::string& familyText, const std::string& given) const {
    return static_cast<int>(m_store.list().indexOf(familyText, given));
}

} // namespace namewright
