#pragma once
// The reference tables (参考表): the numerology table `sl` and the three-talents table `3cai`, listed whole for the
// reference-tables window on a connection of the window's own.

#include "db/NamingDatabase.h"
#include "reports/ReferenceTableListing.h"

#include <filesystem>
#include <string_view>

namespace namewright {

/// The reference-table selector: the empty text selects `sl`, "三才" selects `3cai`.
inline constexpr std::string_view kNumerologyTableSelector = "";
inline constexpr std::string_view kThreeTalentsTableSelector = "三才";

class ReferenceTables {
public:
    /// Opens a read-only connection of its own on the database file; an unopenable file leaves it closed, quietly.
    explicit ReferenceTables(const std::filesystem::path& databaseFile);

    bool isOpen() const { return m_database.isOpen(); }
    /// The connection, for why it did not open (NamingDatabase::failure).
    const NamingDatabase& database() const { return m_database; }

    /// The selected table whole: column names, every cell as text by its column's kind (CellText.h), rows in stored
    /// order, and the column widths of that table:
    ///   grid column   0   1   2    3    4    5    6    7
    ///   `sl`          25  30  30   200  200  200  200  200
    ///   `3cai`        25  30  50   500  30
    /// Grid columns beyond these keep the default width. A closed connection, a missing table or a selector that is
    /// neither "" nor "三才" gives an empty listing; a table without rows gives the header alone.
    ReferenceTableListing list(std::string_view selector);

private:
    NamingDatabase m_database;
};

} // namespace namewright
