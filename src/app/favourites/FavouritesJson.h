#pragma once
// The favourites file's text: UTF-8 JSON, {"format": "namewright-favourites", "version": 1, "favourites": [...]},
// each favourite an object with "family", "given", "cells" (the nine cell texts), "chart" (the seven chart texts by
// name), "birth" (year, month, day, hour, minute texts), "stars", "note" and "added".

#include "reports/Favourite.h"

#include <QByteArray>

#include <vector>

namespace namewright {

struct ReadFavourites {
    std::vector<Favourite> favourites; ///< every entry that could be read, in file order, duplicates included
    bool ours = false;                 ///< the text is a favourites file of ours (perhaps cut short)
    bool complete = false;             ///< every entry of it was read
};

/// The JSON text of a list, as the favourites file holds it.
QByteArray favouritesToJson(const std::vector<Favourite>& favourites);

/// Reads a favourites file's text in time linear in its size. A text that is not JSON (a file cut short, a byte
/// changed) still gives every entry that stands whole before the damage, each read on its own.
ReadFavourites favouritesFromJson(const QByteArray& bytes);

/// The same reading through a whole JSON document (QJsonDocument): what favouritesFromJson() falls back on for the
/// texts its one-pass reader (FavouritesJsonReader) leaves alone, and the reference that reader is tested against.
ReadFavourites favouritesFromJsonDocument(const QByteArray& bytes);

} // namespace namewright
