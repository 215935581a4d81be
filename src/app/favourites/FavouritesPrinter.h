#pragma once
// Favourites on paper (A4): each favourite starts a page, with its name, stars, note (none when empty) and what each
// given character means at the top and its report below, the report as the report window composes it, with the chart
// the favourite was starred with, in a dark ink that reads on white. The body is printed at 10 and 11 points and runs
// on to further pages, each headed with the favourite's name.

#include "reports/Favourite.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace namewright {

class KnowledgeBase;
class NamingDatabase;

class FavouritesPrinter {
public:
    /// The reports' explanations are looked up on `database` (the interface thread's connection), the meanings in
    /// `knowledge`.
    FavouritesPrinter(NamingDatabase& database, const KnowledgeBase& knowledge)
        : m_database(database), m_knowledge(knowledge) {}

    /// Paints every favourite, a page each, on a printer or a PDF writer.
    void paint(QPagedPaintDevice& device, const std::vector<Favourite>& favourites) const;

    /// Writes a PDF file (written whole to a temporary file, then renamed); false with `error` set when it failed.
    bool writePdf(const QString& path, const std::vector<Favourite>& favourites, QString* error) const;

private:
    NamingDatabase& m_database;
    const KnowledgeBase& m_knowledge;
};

} // namespace namewright
