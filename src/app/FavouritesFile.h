#pragma once
// The favourites file (收藏文件): favourites.json in the user's data folder (QStandardPaths::AppDataLocation), the
// only file the program writes of its own accord.
//
// Format, UTF-8 JSON: {"format": "namewright-favourites", "version": 1, "favourites": [ {...}, ... ]}, each favourite
// an object with "family", "given", "cells" (the nine cell texts), "chart" (the seven chart texts by name), "birth"
// (year, month, day, hour, minute texts), "stars", "note" and "added".
//
// Saving writes a whole new file through QSaveFile (a temporary file renamed over the old one), so a failed write
// (a full disk, a folder that cannot be written) leaves the old file as it was. Loading a file that is not JSON, not
// ours or of a later version sets it aside: it is renamed to favourites.json.damaged-<date>-<time> and the list starts
// empty. A file of ours in which only some favourites cannot be read keeps the others and is set aside as well, so
// that nothing the user had is lost; the next save writes the favourites that were read.

#include "reports/FavouriteList.h"

#include <QString>

namespace namewright {

class FavouritesFile {
public:
    /// The file favourites.json in the user's data folder.
    static QString defaultPath();

    explicit FavouritesFile(QString path = defaultPath());

    const QString& path() const { return m_path; }

    struct Loaded {
        std::vector<Favourite> favourites;
        /// Where a damaged or foreign file was moved to; empty when none was set aside.
        QString setAsideTo;
        /// Why it was set aside or could not be read; empty when all went well (a missing file is no problem).
        QString problem;
    };
    Loaded load() const;

    /// Writes the favourites; false with errorString() when the file could not be written (the old one is kept).
    bool save(const FavouriteList& favourites);
    const QString& errorString() const { return m_error; }

    /// The JSON text of a list, as save() writes it.
    static QByteArray toJson(const std::vector<Favourite>& favourites);

private:
    QString m_path;
    QString m_error;
};

} // namespace namewright
