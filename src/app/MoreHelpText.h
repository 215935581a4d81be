#pragma once
// The second page of the help window: what this program offers beyond the help text above it (the shortlist,
// favourites, the recommendation column and the command line), in our own words.

#include <QString>

namespace namewright {

/// The page, lines separated by '\n'. `databaseNotice` (empty when the naming database could be read) comes first.
QString moreHelpText(const QString& databaseNotice);

} // namespace namewright
