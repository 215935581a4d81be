// namewright-cli table: one reference table, as the reference-tables window lists it.

#include "cli/CommandList.h"
#include "cli/Tsv.h"
#include "reports/ReferenceTables.h"

namespace namewright::cli {

namespace {

ExitStatus table(const CommandInput& input) {
    const std::string& name = input.arguments.positionals().front();
    std::string_view selector;
    if (name == "sl") {
        selector = kNumerologyTableSelector;
    } else if (name == "3cai") {
        selector = kThreeTalentsTableSelector;
    } else {
        input.err << "the table must be sl or 3cai, not " << name;
        return ExitStatus::BadInput;
    }
    ReferenceTables tables(input.databaseFile);
    if (!tables.isOpen()) {
        return databaseUnavailable(input, tables.database());
    }
    const ReferenceTableListing listing = tables.list(selector);
    if (listing.isEmpty()) {
        input.err << "the naming database has no table " << name;
        return ExitStatus::DatabaseUnavailable;
    }
    writeTsvRow(input.out, listing.headers);
    for (const auto& row : listing.rows) {
        writeTsvRow(input.out, row);
    }
    return ExitStatus::Success;
}

} // namespace

Command makeTableCommand() {
    return Command{
        "table",
        "sl|3cai",
        "a reference table (the 81 numbers or the three talents) as TSV",
        "Prints the numerology table sl or the three-talents table 3cai as tab-separated values: the column names "
        "first, then every row in stored order, each cell as the reference-tables window shows it.",
        {},
        1,
        table,
    };
}

} // namespace namewright::cli
