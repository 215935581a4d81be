#pragma once
// The shortlist window "名单" (a window of this program beside the six described ones): the distinct names of the
// current series, ranked and filtered, following a running series; the favourites with compare, export and print; and
// the details pane of the selected name. Opened modal from the tool button 名单 and from the result grid's menu.

#include "calendar/Element.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace namewright {

class AppContext;
class FavouritesModel;
class FavouritesStore;
class NameDetailsPane;
class ShortlistModel;

class ShortlistDialog : public QDialog {
    Q_OBJECT

public:
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
    QWidget* buildFilterBar();
    QWidget* buildFavouritesPage();
    void applyFilter();
    void currentNameChanged();
    void currentFavouriteChanged();
    void openReport();
    void updateStatus();
    /// The 补缺 box's tooltip: which elements it asks for (the parent's own when ticked) or why it shows nothing.
    void updateMissingElementTip(const std::optional<ElementSet>& own);
    void keepPlaceBeforeChange();
    void keepPlaceAfterChange();
    void compareFavourites();
    void chooseAndExportCsv();
    void chooseAndExportPdf();
    void printFavourites();
    void removeFavourites();
    void undoRemoval();
    void showFavouritesMessage(const QString& message, bool problem);
    void favouritesChanged();

    AppContext& m_context;
    FavouritesStore& m_favourites;
    ShortlistModel* m_model = nullptr;
    FavouritesModel* m_favouritesModel = nullptr;
    QTableView* m_table = nullptr;
    QTableView* m_favouritesTable = nullptr;
    QTabWidget* m_pages = nullptr;
    NameDetailsPane* m_details = nullptr;
    QSpinBox* m_minimumScore = nullptr;
    QCheckBox* m_suppliesMissing = nullptr;
    QLineEdit* m_contains = nullptr;
    QLineEdit* m_excludes = nullptr;
    QComboBox* m_length = nullptr;
    QCheckBox* m_favouritesOnly = nullptr;
    QCheckBox* m_noSoundWarning = nullptr;
    QCheckBox* m_hasVerse = nullptr;
    QCheckBox* m_commonOnly = nullptr;
    QCheckBox* m_suppliesFavourable = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_favouritesMessage = nullptr;
    QPushButton* m_compare = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_undo = nullptr;
    std::optional<std::uint32_t> m_anchor; // the name at the top of the table while names come
    bool m_atTop = true;
};

} // namespace namewright
