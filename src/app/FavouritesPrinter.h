#pragma once
// Favourites on paper: one page per favourite (A4), with its name, stars and note at the top and its report below,
// the report as the report window composes it, with the chart the favourite was starred with. The font shrinks, down
// to 6 points, until a report fits its page.

#include "reports/Favourite.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace namewright {

class NamingDatabase;

class FavouritesPrinter {
public:
    /// The reports' explanations are looked up on `database` (the interface thread's connection).
    explicit FavouritesPrinter(NamingDatabase& database) : m_database(database) {}

    /// Paints every favourite, a page each, on a printer or a PDF writer.
    void paint(QPagedPaintDevice& device, const std::vector<Favourite>& favourites) const;

    /// Writes a PDF file (written whole to a temporary file, then renamed); false with `error` set when it failed.
    bool writePdf(const QString& path, const std::vector<Favourite>& favourites, QString* error) const;

private:
    NamingDatabase& m_database;
};

} // namespace namewright
