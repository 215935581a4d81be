#pragma once
// A favourite (收藏): a listed name the user starred, with the user's own stars and note.

#include "reports/ListedName.h"

#include <string>

namespace namewright {

struct Favourite : ListedName {
    int stars = 3;          ///< 1..5
    std::string note = {};  ///< the user's note, any text
    std::string added = {}; ///< when it was starred, "YYYY-MM-DD HH:MM" local time
    bool operator==(const Favourite&) const = default;
};

inline constexpr int kFewestStars = 1;
inline constexpr int kMostStars = 5;

} // namespace namewright
