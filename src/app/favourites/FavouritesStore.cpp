#include "app/favourites/FavouritesStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace namewright {

namespace {

/// How long a save waits for another window's save to end; after that it saves anyway (still merging), since a lost
/// change is worse than a rare race.
constexpr int kLockWaitMs = 3000;

} // namespace

FavouritesStore::FavouritesStore(QString path, QObject* parent) : QObject(parent), m_file(std::move(path)) {
    FavouritesFile::Loaded loaded = m_file.load();
    m_list.assign(std::move(loaded.favourites));
    m_loadProblem = loaded.problem;
    m_seen = m_file.stamp();
    if (!loaded.setAsideTo.isEmpty() && !m_list.empty()) {
        // The favourites read from a file that was set aside get a file of their own again.
        m_list.markAllChanged();
        saveAfterChange();
    }
}

void FavouritesStore::saveAfterChange() {
    QDir().mkpath(QFileInfo(m_file.path()).absolutePath());
    QLockFile lock(m_file.path() + QStringLiteral(".lock"));
    lock.tryLock(kLockWaitMs);
    const std::optional<FavouritesFile::Stamp> onDisk = m_file.stamp();
    if (onDisk && onDisk != m_seen) {
        FavouritesFile::Loaded loaded = m_file.load();
        if (!loaded.problem.isEmpty()) {
            m_loadProblem = loaded.problem;
        }
        m_list.mergeWithSaved(std::move(loaded.favourites), loaded.complete());
    }
    if (m_file.save(m_list)) {
        m_list.markSaved();
        m_seen = m_file.stamp();
        m_saveError.clear();
    } else {
        m_saveError =
            QStringLiteral("收藏未能保存（") + m_file.errorString() + QStringLiteral("），原来的收藏文件保持不变。");
        emit saveFailed(m_saveError);
    }
    emit changed();
}

bool FavouritesStore::add(Favourite favourite) {
    if (!m_list.add(std::move(favourite))) {
        return false;
    }
    saveAfterChange();
    return true;
}

bool FavouritesStore::remove(const std::string& familyText, const std::string& given) {
    return removeAll({{familyText, given}}) > 0;
}

std::size_t FavouritesStore::removeAll(const std::vector<std::pair<std::string, std::string>>& names) {
    std::vector<Removed> taken;
    for (const auto& [familyText, given] : names) {
        const std::ptrdiff_t at = m_list.indexOf(familyText, given);
        if (at < 0) {
            continue;
        }
        Favourite favourite = m_list.all()[static_cast<std::size_t>(at)];
        m_list.remove(familyText, given);
        taken.push_back(Removed{std::move(favourite), static_cast<std::size_t>(at)});
    }
    if (taken.empty()) {
        return 0;
    }
    m_lastRemoval = std::move(taken);
    const std::size_t count = m_lastRemoval.size();
    saveAfterChange();
    emit removed(count);
    return count;
}

std::vector<Favourite> FavouritesStore::lastRemoval() const {
    std::vector<Favourite> favourites;
    for (const Removed& r : m_lastRemoval) {
        favourites.push_back(r.favourite);
    }
    return favourites;
}

bool FavouritesStore::undoRemoval() {
    if (m_lastRemoval.empty()) {
        return false;
    }
    // Back in the reverse order of removal, so that each goes to the place it had when it was removed.
    for (auto r = m_lastRemoval.rbegin(); r != m_lastRemoval.rend(); ++r) {
        m_list.restore(std::move(r->favourite), r->position);
    }
    m_lastRemoval.clear();
    saveAfterChange();
    return true;
}

bool FavouritesStore::setStars(const std::string& familyText, const std::string& given, int stars) {
    if (!m_list.setStars(familyText, given, stars)) {
        return false;
    }
    saveAfterChange();
    return true;
}

bool FavouritesStore::setNote(const std::string& familyText, const std::string& given, std::string note) {
    if (!m_list.setNote(familyText, given, std::move(note))) {
        return false;
    }
    saveAfterChange();
    return true;
}

std::vector<FavouriteStars> FavouritesStore::names() const {
    std::vector<FavouriteStars> names;
    names.reserve(m_list.size());
    for (const Favourite& f : m_list.all()) {
        names.push_back(FavouriteStars{f.familyText, f.given, f.stars});
    }
    return names;
}

} // namespace namewright
