#pragma once
// The program's file dialogs (the exports of the favourites): Qt's own dialog, in Chinese throughout (the file types
// too, which Qt's translations leave in English), in the detail view with a date column wide enough for its dates, and
// opening in the folder last used (QSettings, key "files/lastFolder"), else the documents folder, else home.

#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

namespace namewright {

class FileDialogs {
public:
    /// A save dialog titled `title`, its object name `name`, for files of `filter` with `suffix`, offering
    /// `fileName` in the start folder; not yet shown.
    static std::unique_ptr<QFileDialog> saveDialog(QWidget* parent, const QString& name, const QString& title,
                                                   const QString& filter, const QString& suffix,
                                                   const QString& fileName);

    /// Shows a save dialog modally; the chosen file (its folder remembered), or empty when cancelled.
    static QString chooseSaveFile(QWidget* parent, const QString& name, const QString& title, const QString& filter,
                                  const QString& suffix, const QString& fileName);

    /// The folder a file dialog opens in: the one last used where it still exists, else the documents folder where
    /// it exists, else home.
    static QString startFolder();

    /// Remembers the folder of `file` for the next dialog.
    static void rememberFolderOf(const QString& file);
};

} // namespace namewright
