#pragma once
// Asking before favourites the user put something into are removed.

#include "reports/Favourite.h"

#include <vector>

class QWidget;

namespace namewright {

/// Whether removing `chosen` loses something the user gave them: a note, or more than one star.
bool removalLosesUserData(const std::vector<Favourite>& chosen);

/// True when `chosen` may be removed: at once when nothing of the user's would be lost, else after the user said so
/// in a question box (object name "移除收藏确认", 保留 the default).
bool confirmFavouriteRemoval(QWidget* parent, const std::vector<Favourite>& chosen);

} // namespace namewright
