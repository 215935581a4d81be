#pragma once
// The columns of the shortlist table (名单表格), fitted to the window: each column is as wide as the widest text it
// shows (measured in the table's font, so at any scale), and the header's context menu chooses which columns show.
// The choice is kept in QSettings (group "shortlist") from one start of the program to the next. Columns the series
// cannot fill (the knowledge columns without the knowledge file, 复姓分 without a compound surname) stay hidden
// whatever the choice.

#include "shortlist/ShortlistColumn.h"

#include <QObject>

#include <bitset>
#include <memory>

class QMenu;
class QPoint;
class QTableView;

namespace namewright {

class ShortlistColumnChooser : public QObject {
    Q_OBJECT

public:
    using Columns = std::bitset<kShortlistColumnCount>;

    /// Fits and chooses the columns of `table` (its model a ShortlistModel); restores the remembered choice.
    explicit ShortlistColumnChooser(QTableView& table);

    /// Marks a column the series can or cannot fill.
    void setAvailable(ShortlistColumn column, bool available);

    /// Shows or hides a column by the user's choice, and remembers it.
    void setChosen(ShortlistColumn column, bool shown);

    /// The width the columns that show take (chosen and filled by the series), without the table's frame and scroll
    /// bar.
    int shownColumnsWidth() const;

    /// The width column `column` gets: its title's or its widest value's, whichever is wider, with the margins.
    int fittedWidth(ShortlistColumn column) const;

    /// The header's context menu: a checkable entry per column (the name's and those the series cannot fill
    /// disabled).
    std::unique_ptr<QMenu> menu();

private:
    void showMenu(QPoint at);
    void apply();

    QTableView& m_table;
    Columns m_unavailable;
    Columns m_hiddenByChoice;
};

} // namespace namewright
