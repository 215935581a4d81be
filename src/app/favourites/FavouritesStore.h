#pragma once
// The favourites while the program runs: the list, loaded once at start from the favourites file, and saved to it at
// once after every change. The main window owns one; the result grid's menu and the shortlist window change it.
//
// Two windows (or two copies of the program) may hold the same file. Each save takes a lock file beside it
// (favourites.json.lock), and when the file was written by someone else since this store last read or wrote it, reads
// it again and merges (FavouriteList::mergeWithSaved): what another window added stays, what this one removed stays
// removed.

#include "app/favourites/FavouritesFile.h"
#include "reports/FavouriteList.h"
#include "shortlist/ShortlistFacts.h"

#include <QObject>

#include <optional>

namespace namewright {

class FavouritesStore : public QObject {
    Q_OBJECT

public:
    /// Loads the file; a damaged or foreign one is set aside (loadProblem() says so).
    explicit FavouritesStore(QString path = FavouritesFile::defaultPath(), QObject* parent = nullptr);

    const FavouriteList& list() const { return m_list; }
    const FavouritesFile& file() const { return m_file; }
    /// What loading found wrong (at start, or when a save read the file again), empty when nothing.
    const QString& loadProblem() const { return m_loadProblem; }

    /// Each change is saved at once. Returns false when nothing changed (add: the name is there already). A failed
    /// save keeps the change for this session and the old file on disk; saveError() says why, and saveFailed()
    /// is emitted.
    bool add(Favourite favourite);
    bool remove(const std::string& familyText, const std::string& given);
    /// Removes several in one save, remembered together as the last removal; returns how many were there.
    std::size_t removeAll(const std::vector<std::pair<std::string, std::string>>& names);
    bool setStars(const std::string& familyText, const std::string& given, int stars);
    bool setNote(const std::string& familyText, const std::string& given, std::string note);

    /// Whether there is a removal to undo, and what it removed.
    bool canUndoRemoval() const { return !m_lastRemoval.empty(); }
    std::vector<Favourite> lastRemoval() const;
    /// Puts the favourites of the last removal back where they were (those not added again meanwhile); false when
    /// there was none.
    bool undoRemoval();

    /// Why the last save failed; empty after a save that worked.
    const QString& saveError() const { return m_saveError; }

    /// The favourites as the shortlist matches them.
    std::vector<FavouriteStars> names() const;

signals:
    void changed();
    void saveFailed(const QString& message);
    /// After a removal (emitted after changed()): how many favourites went, to offer undoing it.
    void removed(std::size_t count);

private:
    void saveAfterChange();

    struct Removed {
        Favourite favourite;
        std::size_t position = 0;
    };

    FavouritesFile m_file;
    FavouriteList m_list;
    /// The file as this store last read or wrote it; a different one at save time was written by someone else.
    std::optional<FavouritesFile::Stamp> m_seen;
    std::vector<Removed> m_lastRemoval;
    QString m_loadProblem;
    QString m_saveError;
};

} // namespace namewright
