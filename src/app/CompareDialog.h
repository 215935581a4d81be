#pragma once
// The compare window "比较收藏": two to four favourites side by side, one column each: the five grids with their luck
// words, the three-talents key with its luck, the elements, the score, the stars, the note and what each given
// character means (字义).

#include "reports/Favourite.h"

#include <QDialog>

#include <vector>

class QTableWidget;

namespace namewright {

class KnowledgeBase;
class NamingDatabase;

class CompareDialog : public QDialog {
    Q_OBJECT

public:
    /// The luck words are looked up on `database` (the interface thread's connection), the meanings in `knowledge`.
    CompareDialog(const std::vector<Favourite>& favourites, NamingDatabase& database, const KnowledgeBase& knowledge,
                  QWidget* parent);

    QTableWidget* table() const { return m_table; }

private:
    QTableWidget* m_table = nullptr;
};

} // namespace namewright
