#pragma once
// The favourites while the program runs: the list, loaded once at start from the favourites file, and saved to it at
// once after every change. The main window owns one; the result grid's menu and the shortlist window change it.

#include "app/FavouritesFile.h"
#include "reports/FavouriteList.h"
#include "shortlist/ShortlistFacts.h"

#include <QObject>

namespace namewright {

class FavouritesStore : public QObject {
    Q_OBJECT

public:
    /// Loads the file; a damaged or foreign one is set aside (loadProblem() says so).
    explicit FavouritesStore(QString path = FavouritesFile::defaultPath(), QObject* parent = nullptr);

    const FavouriteList& list() const { return m_list; }
    const FavouritesFile& file() const { return m_file; }
    /// What loading found wrong, empty when nothing.
    const QString& loadProblem() const { return m_loadProblem; }

    /// Each change is saved at once. Returns false when nothing changed (add: the name is there already). A failed
    /// save keeps the change for this session and the old file on disk; saveError() says why, and saveFailed()
    /// is emitted.
    bool add(Favourite favourite);
    bool remove(const std::string& familyText, const std::string& given);
    bool setStars(const std::string& familyText, const std::string& given, int stars);
    bool setNote(const std::string& familyText, const std::string& given, std::string note);

    /// Why the last save failed; empty after a save that worked.
    const QString& saveError() const { return m_saveError; }

    /// The favourites as the shortlist matches them.
    std::vector<FavouriteStars> names() const;

signals:
    void changed();
    void saveFailed(const QString& message);

private:
    void saveAfterChange();

    FavouritesFile m_file;
    FavouriteList m_list;
    QString m_loadProblem;
    QString m_saveError;
};

} // namespace namewright
