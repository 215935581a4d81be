#include "reports/FavouriteList.h"

#include <algorithm>
#include <utility>

namespace namewright {

namespace {

constexpr std::string_view kNoteSeparator = "；";

/// The family's length first, so that no two names share a key whatever characters they hold.
std::string keyOf(std::string_view familyText, std::string_view given) {
    std::string key = std::to_string(familyText.size());
    key += ':';
    key += familyText;
    key += given;
    return key;
}

/// A name as two views into a favourite's own texts, for a merge that copies no text.
struct NameView {
    std::string_view familyText;
    std::string_view given;
    bool operator==(const NameView&) const = default;
};

struct NameViewHash {
    std::size_t operator()(const NameView& name) const {
        const std::size_t family = std::hash<std::string_view>{}(name.familyText);
        return family ^
               (std::hash<std::string_view>{}(name.given) + 0x9e3779b97f4a7c15ULL + (family << 6) + (family >> 2));
    }
};

} // namespace

std::size_t mergeDuplicateFavourites(std::vector<Favourite>& favourites) {
    // The first entry of each name, found with one lookup per entry; the names' texts are not changed by the merge,
    // so the views stay valid until the entries merged away are dropped at the end.
    std::unordered_map<NameView, std::size_t, NameViewHash> first;
    first.reserve(favourites.size());
    // The distinct notes of the names that have duplicates, made only for those.
    std::unordered_map<std::size_t, std::unordered_set<std::string>> notesOf;
    std::vector<bool> mergedAway(favourites.size(), false);
    std::size_t merged = 0;
    for (std::size_t i = 0; i < favourites.size(); ++i) {
        const Favourite& f = favourites[i];
        const auto [found, fresh] = first.try_emplace(NameView{f.familyText, f.given}, i);
        if (fresh) {
            continue;
        }
        ++merged;
        mergedAway[i] = true;
        Favourite& into = favourites[found->second];
        into.stars = std::max(into.stars, f.stars);
        if (f.note.empty()) {
            continue;
        }
        const auto [notes, made] = notesOf.try_emplace(found->second);
        if (made && !into.note.empty()) {
            notes->second.insert(into.note); // still the first entry's own note: nothing was joined to it yet
        }
        if (notes->second.insert(f.note).second) {
            into.note += into.note.empty() ? f.note : std::string(kNoteSeparator) + f.note;
        }
    }
    first.clear();
    if (merged > 0) {
        std::size_t to = 0;
        for (std::size_t i = 0; i < favourites.size(); ++i) {
            if (!mergedAway[i]) {
                if (to != i) {
                    favourites[to] = std::move(favourites[i]);
                }
                ++to;
            }
        }
        favourites.resize(to);
    }
    return merged;
}

void FavouriteList::rebuildIndex() {
    m_index.clear();
    m_index.reserve(m_favourites.size());
    for (std::size_t i = 0; i < m_favourites.size(); ++i) {
        m_index.emplace(keyOf(m_favourites[i].familyText, m_favourites[i].given), i);
    }
}

std::ptrdiff_t FavouriteList::indexOf(std::string_view familyText, std::string_view given) const {
    const auto found = m_index.find(keyOf(familyText, given));
    return found == m_index.end() ? -1 : static_cast<std::ptrdiff_t>(found->second);
}

const Favourite* FavouriteList::find(std::string_view familyText, std::string_view given) const {
    const std::ptrdiff_t at = indexOf(familyText, given);
    return at < 0 ? nullptr : &m_favourites[static_cast<std::size_t>(at)];
}

Favourite* FavouriteList::findMutable(std::string_view familyText, std::string_view given) {
    return const_cast<Favourite*>(std::as_const(*this).find(familyText, given));
}

bool FavouriteList::add(Favourite favourite) {
    return restore(std::move(favourite), m_favourites.size());
}

bool FavouriteList::restore(Favourite favourite, std::size_t position) {
    std::string key = keyOf(favourite.familyText, favourite.given);
    if (m_index.contains(key)) {
        return false;
    }
    favourite.stars = std::clamp(favourite.stars, kFewestStars, kMostStars);
    position = std::min(position, m_favourites.size());
    m_favourites.insert(m_favourites.begin() + static_cast<std::ptrdiff_t>(position), std::move(favourite));
    if (position + 1 == m_favourites.size()) {
        m_index.emplace(key, position);
    } else {
        rebuildIndex();
    }
    m_removedHere.erase(key);
    m_changedHere.insert(std::move(key));
    return true;
}

bool FavouriteList::remove(std::string_view familyText, std::string_view given) {
    std::string key = keyOf(familyText, given);
    const auto found = m_index.find(key);
    if (found == m_index.end()) {
        return false;
    }
    m_favourites.erase(m_favourites.begin() + static_cast<std::ptrdiff_t>(found->second));
    rebuildIndex();
    m_changedHere.erase(key);
    m_removedHere.insert(std::move(key));
    return true;
}

bool FavouriteList::setStars(std::string_view familyText, std::string_view given, int stars) {
    Favourite* favourite = findMutable(familyText, given);
    stars = std::clamp(stars, kFewestStars, kMostStars);
    if (favourite == nullptr || favourite->stars == stars) {
        return false;
    }
    favourite->stars = stars;
    m_changedHere.insert(keyOf(familyText, given));
    return true;
}

bool FavouriteList::setNote(std::string_view familyText, std::string_view given, std::string note) {
    Favourite* favourite = findMutable(familyText, given);
    if (favourite == nullptr || favourite->note == note) {
        return false;
    }
    favourite->note = std::move(note);
    m_changedHere.insert(keyOf(familyText, given));
    return true;
}

std::size_t FavouriteList::assign(std::vector<Favourite> favourites) {
    const std::size_t merged = mergeDuplicateFavourites(favourites);
    for (Favourite& f : favourites) {
        f.stars = std::clamp(f.stars, kFewestStars, kMostStars);
    }
    m_favourites = std::move(favourites);
    rebuildIndex();
    markSaved();
    return merged;
}

void FavouriteList::mergeWithSaved(std::vector<Favourite> saved, bool savedComplete) {
    mergeDuplicateFavourites(saved);
    std::unordered_set<std::string> savedKeys;
    savedKeys.reserve(saved.size());
    std::vector<Favourite> merged;
    merged.reserve(saved.size() + m_favourites.size());
    for (Favourite& f : saved) {
        std::string key = keyOf(f.familyText, f.given);
        if (m_removedHere.contains(key)) {
            continue;
        }
        const Favourite* mine = m_changedHere.contains(key) ? find(f.familyText, f.given) : nullptr;
        if (mine != nullptr) {
            merged.push_back(*mine);
        } else {
            merged.push_back(std::move(f));
        }
        savedKeys.insert(std::move(key));
    }
    for (const Favourite& f : m_favourites) {
        const std::string key = keyOf(f.familyText, f.given);
        if (!savedKeys.contains(key) && (m_changedHere.contains(key) || !savedComplete)) {
            merged.push_back(f);
        }
    }
    for (Favourite& f : merged) {
        f.stars = std::clamp(f.stars, kFewestStars, kMostStars);
    }
    m_favourites = std::move(merged);
    rebuildIndex();
}

void FavouriteList::markSaved() {
    m_changedHere.clear();
    m_removedHere.clear();
}

void FavouriteList::markAllChanged() {
    for (const auto& [key, at] : m_index) {
        m_changedHere.insert(key);
    }
}

} // namespace namewright
