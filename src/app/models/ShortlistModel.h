#pragma once
// The shortlist's table (名单表格) as a model over the core's Shortlist.
//
// Columns: the ShortlistColumn values in order. A short timer takes the store's new rows, at most a few milliseconds of
// work per tick so the window stays responsive while a run streams; names that came are merged in as a layout change,
// so the selection and the views' persistent indexes follow their names. Sorting and filtering are layout changes too.

#include "shortlist/Shortlist.h"

#include <QAbstractTableModel>
#include <QTimer>

#include <chrono>
#include <optional>

namespace namewright {

class ShortlistModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumns = static_cast<int>(kShortlistColumnCount);
    static constexpr int kRefreshMilliseconds = 100;
    /// The ticks' spacing while the shortlist is behind the store.
    static constexpr int kCatchUpMilliseconds = 25;
    /// About the most one tick spends taking rows and merging names; what is left waits for the next tick.
    static constexpr std::chrono::milliseconds kRefreshBudget{5};
    /// The row's first listed store row (a std::uint32_t) under this role.
    static constexpr int kFirstRowRole = Qt::UserRole + 1;

    /// Lists the store's rows from `firstRow` on (Shortlist).
    ShortlistModel(const ResultStore& store, ShortlistSources sources, std::size_t firstRow = 0,
                   QObject* parent = nullptr);

    const Shortlist& shortlist() const { return m_shortlist; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order) override;

    void setFilter(const ShortlistFilter& filter);
    void setFavourites(std::vector<FavouriteStars> favourites);
    /// The 推荐 weights and the parent's own favourable elements (nothing: the charts').
    void setRecommendation(const RecommendWeights& weights, std::optional<ElementSet> ownFavourable);

    /// Takes the store's new rows (the timer calls it); with `budget` nothing, all of them.
    void refresh(std::optional<std::chrono::nanoseconds> budget = kRefreshBudget);
    /// Stops following the store (the window is closing).
    void stopFollowing() { m_timer.stop(); }

    std::uint32_t firstRowAt(int row) const { return m_shortlist.firstRowAt(static_cast<std::size_t>(row)); }
    /// The row showing the name whose first listed row is `firstRow`; nothing when it is not shown.
    std::optional<int> rowOf(std::uint32_t firstRow) const;

    static ShortlistColumn columnAt(int column) { return static_cast<ShortlistColumn>(column); }

signals:
    /// After every refresh that changed something; `orderChanged` when names came or left.
    void refreshed(bool orderChanged);

private:
    template <typename Change> void changeLayout(Change&& change);
    QVariant display(const QModelIndex& index) const;

    const ResultStore& m_store;
    Shortlist m_shortlist;
    QTimer m_timer;
};

} // namespace namewright
