#pragma once
// The favourites in the order they were starred; a name (family text and given characters) is there at most once.
//
// The list also remembers which names this program changed or removed since the favourites were last read from or
// written to the file, so that a save can first take in what another window wrote meanwhile (mergeWithSaved()).

#include "reports/Favourite.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace namewright {

/// Merges entries for the same name into the first of them: the highest stars, the distinct non-empty notes joined
/// with "；" in file order, the rest (cells, chart, time added) of the first. Linear in the entries. Returns how many
/// entries were merged away.
std::size_t mergeDuplicateFavourites(std::vector<Favourite>& favourites);

class FavouriteList {
public:
    const std::vector<Favourite>& all() const { return m_favourites; }
    std::size_t size() const { return m_favourites.size(); }
    bool empty() const { return m_favourites.empty(); }

    const Favourite* find(std::string_view familyText, std::string_view given) const;
    bool contains(std::string_view familyText, std::string_view given) const {
        return find(familyText, given) != nullptr;
    }
    /// The place of a name in the list, -1 when it is not there.
    std::ptrdiff_t indexOf(std::string_view familyText, std::string_view given) const;

    /// Appends a favourite, its stars clamped to 1..5; false (and nothing changes) when its name is there already.
    bool add(Favourite favourite);
    /// Puts a removed favourite back at `position` (or at the end when the list is shorter now); false when its
    /// name is there already.
    bool restore(Favourite favourite, std::size_t position);
    /// False when the name is not there.
    bool remove(std::string_view familyText, std::string_view given);
    /// Stars are clamped to 1..5. False when the name is not there or nothing changed.
    bool setStars(std::string_view familyText, std::string_view given, int stars);
    bool setNote(std::string_view familyText, std::string_view given, std::string note);

    /// Replaces everything (after loading a file), duplicates merged as mergeDuplicateFavourites() does; nothing
    /// counts as changed here afterwards. Returns how many duplicates were merged away.
    std::size_t assign(std::vector<Favourite> favourites);

    /// Takes in the favourites another window saved since this list was read or saved: names removed here stay
    /// removed, names added or changed here keep this list's version, and every other name is as saved, in the
    /// saved order followed by the names added here. A name neither in `saved` nor changed here was removed by the
    /// other window and goes, unless `savedComplete` is false (the file was damaged): then nothing is dropped for
    /// being absent from it.
    void mergeWithSaved(std::vector<Favourite> saved, bool savedComplete = true);
    /// Call once the list is written: nothing counts as changed here any more.
    void markSaved();
    /// Counts every favourite as changed here, so that the next merge keeps them all (after the file was set aside).
    void markAllChanged();

private:
    Favourite* findMutable(std::string_view familyText, std::string_view given);
    void rebuildIndex();

    std::vector<Favourite> m_favourites;
    std::unordered_map<std::string, std::size_t> m_index; ///< key -> place in m_favourites
    std::unordered_set<std::string> m_changedHere;
    std::unordered_set<std::string> m_removedHere;
};

} // namespace namewright
