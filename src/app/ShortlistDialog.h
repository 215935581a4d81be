#pragma once
// The shortlist window "名单" (a window of this program beside the six described ones): the distinct names of the
// current series, ranked and filtered, following a running series; the favourites with compare, export and print; and
// the details pane of the selected name. Opened modal from the tool button 名单 and from the result grid's menu. The
// window wires its parts: the filter bar (ShortlistFilterBar), the table of names, the favourites page
// (FavouritesPage), the details pane and the line of status and messages below.

#include <QDialog>

#include <cstdint>
#include <optional>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

namespace namewright {

class AppContext;
class FavouritesPage;
class FavouritesStore;
class NameDetailsPane;
class ShortlistFilterBar;
class ShortlistModel;

class ShortlistDialog : public QDialog {
    Q_OBJECT

public:
    /// How long after the first names show the first of them is chosen (and its details shown), in milliseconds.
    static constexpr int kFirstChoiceDelay = 30;

    ShortlistDialog(AppContext& context, FavouritesStore& favourites, QWidget* parent);
    ~ShortlistDialog() override;

    ShortlistModel& model() { return *m_model; }
    NameDetailsPane& details() { return *m_details; }

    /// Selects the name of store row `storeRow` (any row of it) when it is shown, and shows its details.
    bool selectName(std::uint32_t storeRow);

    /// The exports, to a file already chosen; false with a message in the window when writing failed.
    bool exportCsv(const QString& path);
    bool exportPdf(const QString& path);

protected:
    void done(int result) override;

private:
    void filterApplied();
    void currentNameChanged();
    void currentFavouriteChanged();
    void openReport();
    void updateStatus();
    void keepPlaceBeforeChange();
    void keepPlaceAfterChange();
    /// Whether the list shows names and none is chosen (nor shown in the details pane).
    bool noNameChosen() const;
    void undoRemoval();
    void showFavouritesMessage(const QString& message, bool problem);
    void favouritesChanged();

    AppContext& m_context;
    FavouritesStore& m_favourites;
    ShortlistModel* m_model = nullptr;
    ShortlistFilterBar* m_filterBar = nullptr;
    FavouritesPage* m_favouritesPage = nullptr;
    QTableView* m_table = nullptr;
    QTabWidget* m_pages = nullptr;
    NameDetailsPane* m_details = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_favouritesMessage = nullptr;
    QPushButton* m_undo = nullptr;
    std::optional<std::uint32_t> m_anchor; // the name at the top of the table while names come
    bool m_atTop = true;
};

} // namespace namewright
