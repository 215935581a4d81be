#pragma once
// The favourites file (收藏文件): favourites.json in the user's data folder (QStandardPaths::AppDataLocation), the
// only file the program writes of its own accord. Its text is described in FavouritesJson.h.
//
// Saving writes a whole new file through QSaveFile (a temporary file renamed over the old one), so a failed write
// (a full disk, a folder that cannot be written) leaves the old file as it was. Loading sets aside every file of which
// anything is not taken: it is renamed to favourites.json.damaged-<date>-<time> and kept whole. That is a file that is
// not JSON, not ours or of a later version (the list starts empty); a file of ours that is cut short or in which some
// favourites cannot be read (the entries that stand whole are kept); a file with entries for the same name (merged:
// the highest stars, the notes joined); and anything at that path that is not a regular file (a folder, a FIFO: it is
// never opened for reading, so it cannot block the start).

#include "reports/FavouriteList.h"

#include <QString>

#include <compare>
#include <optional>

namespace namewright {

class FavouritesFile {
public:
    /// The file favourites.json in the user's data folder.
    static QString defaultPath();

    explicit FavouritesFile(QString path = defaultPath());

    const QString& path() const { return m_path; }

    struct Loaded {
        /// The favourites read, duplicates merged.
        std::vector<Favourite> favourites;
        /// Where the file was moved to; empty when it was not set aside.
        QString setAsideTo;
        /// Why it was set aside or could not be read; empty when all went well (a missing file is no problem).
        QString problem;
        /// False when the file was set aside: something of it is not among `favourites`.
        bool complete() const { return problem.isEmpty(); }
    };
    Loaded load() const;

    /// Writes the favourites; false with errorString() when the file could not be written (the old one is kept).
    bool save(const FavouriteList& favourites);
    const QString& errorString() const { return m_error; }

    /// Which file is at the path and when it was written: a save replaces the file, so another window's save shows
    /// as a new stamp.
    struct Stamp {
        unsigned long long device = 0;
        unsigned long long inode = 0;
        long long size = 0;
        long long modifiedNs = 0;
        bool operator==(const Stamp&) const = default;
    };
    /// The stamp of what is at the path now, nothing when nothing is there.
    std::optional<Stamp> stamp() const;

private:
    QString m_path;
    QString m_error;
};

} // namespace namewright
