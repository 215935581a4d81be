#include "app/FavouritesStore.h"

namespace namewright {

FavouritesStore::FavouritesStore(QString path, QObject* parent) : QObject(parent), m_file(std::move(path)) {
    FavouritesFile::Loaded loaded = m_file.load();
    m_list.assign(std::move(loaded.favourites));
    m_loadProblem = loaded.problem;
    if (!loaded.setAsideTo.isEmpty() && !m_list.empty()) {
        // The favourites read from a file that was set aside get a file of their own again.
        saveAfterChange();
    }
}

void FavouritesStore::saveAfterChange() {
    if (m_file.save(m_list)) {
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
    if (!m_list.remove(familyText, given)) {
        return false;
    }
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
    for (const Favourite& f : m_list.all()) {
        names.push_back(FavouriteStars{f.familyText, f.given, f.stars});
    }
    return names;
}

} // namespace namewright
