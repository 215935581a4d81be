#pragma once
// FavouritesPage: the shortlist window's page 收藏夹: the favourites in a table with compare, export (CSV, PDF),
// print and removal of the chosen ones. What it has to say (written, not written, removed) it sends as `message`
// for the window to show; removal is undone through the store.

#include "reports/Favourite.h"

#include <QWidget>

#include <optional>
#include <vector>

class QPushButton;
class QTableView;

namespace namewright {

class AppContext;
class FavouritesModel;
class FavouritesStore;

class FavouritesPage : public QWidget {
    Q_OBJECT

public:
    FavouritesPage(AppContext& context, FavouritesStore& favourites, QWidget* parent);

    QTableView& table() { return *m_table; }

    /// The favourite of the table's current row while any row is chosen; nothing otherwise.
    std::optional<Favourite> currentFavourite() const;
    /// Enables compare (two to four chosen) and removal (any chosen) for the rows chosen now.
    void updateActions();

    /// The exports, to a file already chosen; false with a problem message when writing failed.
    bool exportCsv(const QString& path);
    bool exportPdf(const QString& path);

signals:
    /// A message about the favourites for the window to show; `problem` when something failed.
    void message(const QString& text, bool problem);

private:
    std::vector<Favourite> chosenFavourites() const;
    void compareFavourites();
    void removeFavourites();
    void chooseAndExportCsv();
    void chooseAndExportPdf();
    void printFavourites();

    AppContext& m_context;
    FavouritesStore& m_favourites;
    FavouritesModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QPushButton* m_compare = nullptr;
    QPushButton* m_remove = nullptr;
};

} // namespace namewright
