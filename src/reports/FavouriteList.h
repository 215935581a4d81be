#pragma once
// The favourites in the order they were starred; a name (family text and given characters) is there at most once.

#include "reports/Favourite.h"

#include <string_view>
#include <vector>

namespace namewright {

class FavouriteList {
public:
    const std::vector<Favourite>& all() const { return m_favourites; }
    std::size_t size() const { return m_favourites.size(); }
    bool empty() const { return m_favourites.empty(); }

    const Favourite* find(std::string_view familyText, std::string_view given) const;
    bool contains(std::string_view familyText, std::string_view given) const {
        return find(familyText, given) != nullptr;
    }

    /// Appends a favourite, its stars clamped to 1..5; false (and nothing changes) when its name is there already.
    bool add(Favourite favourite);
    /// False when the name is not there.
    bool remove(std::string_view familyText, std::string_view given);
    /// Stars are clamped to 1..5. False when the name is not there or nothing changed.
    bool setStars(std::string_view familyText, std::string_view given, int stars);
    bool setNote(std::string_view familyText, std::string_view given, std::string note);

    /// Replaces everything (after loading a file).
    void assign(std::vector<Favourite> favourites);

private:
    Favourite* findMutable(std::string_view familyText, std::string_view given);
    std::vector<Favourite> m_favourites;
};

} // namespace namewright
