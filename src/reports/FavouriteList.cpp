#include "reports/FavouriteList.h"

#include <algorithm>
#include <utility>

namespace namewright {

const Favourite* FavouriteList::find(std::string_view familyText, std::string_view given) const {
    const auto found = std::find_if(m_favourites.begin(), m_favourites.end(),
                                    [&](const Favourite& f) { return f.familyText == familyText && f.given == given; });
    return found == m_favourites.end() ? nullptr : &*found;
}

Favourite* FavouriteList::findMutable(std::string_view familyText, std::string_view given) {
    return const_cast<Favourite*>(std::as_const(*this).find(familyText, given));
}

bool FavouriteList::add(Favourite favourite) {
    if (contains(favourite.familyText, favourite.given)) {
        return false;
    }
    favourite.stars = std::clamp(favourite.stars, kFewestStars, kMostStars);
    m_favourites.push_back(std::move(favourite));
    return true;
}

bool FavouriteList::remove(std::string_view familyText, std::string_view given) {
    return std::erase_if(m_favourites,
                         [&](const Favourite& f) { return f.familyText == familyText && f.given == given; }) > 0;
}

bool FavouriteList::setStars(std::string_view familyText, std::string_view given, int stars) {
    Favourite* favourite = findMutable(familyText, given);
    stars = std::clamp(stars, kFewestStars, kMostStars);
    if (favourite == nullptr || favourite->stars == stars) {
        return false;
    }
    favourite->stars = stars;
    return true;
}

bool FavouriteList::setNote(std::string_view familyText, std::string_view given, std::string note) {
    Favourite* favourite = findMutable(familyText, given);
    if (favourite == nullptr || favourite->note == note) {
        return false;
    }
    favourite->note = std::move(note);
    return true;
}

void FavouriteList::assign(std::vector<Favourite> favourites) {
    m_favourites.clear();
    for (Favourite& favourite : favourites) {
        add(std::move(favourite));
    }
}

} // namespace namewright
