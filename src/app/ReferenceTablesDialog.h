#pragma once
// The reference-tables window: the numerology table `sl` or the three-talents table `3cai`, whole.

#include <QDialog>

#include <filesystem>
#include <string>

class QTableView;

namespace namewright {

class ReferenceTablesDialog : public QDialog {
    Q_OBJECT

public:
    /// Opens a connection of its own on the database file and lists the table the selector names ("" for `sl`,
    /// "三才" for `3cai`); an unopenable file or another selector leaves the grid empty.
    ReferenceTablesDialog(const std::string& selector, const std::filesystem::path& databaseFile, QWidget* parent);

    QTableView* grid() const { return m_grid; }

private:
    QTableView* m_grid = nullptr;
};

} // namespace namewright
