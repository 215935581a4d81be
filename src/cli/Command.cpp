#include "cli/Command.h"

namespace namewright::cli {

ExitStatus databaseUnavailable(const CommandInput& input, const NamingDatabase& database) {
    if (database.failure() == OpenFailure::NotANamingDatabase) {
        input.err << "the naming database " << input.databaseFile.string() << " lacks " << database.failureDetail();
    } else {
        input.err << "cannot open the naming database " << input.databaseFile.string();
    }
    return ExitStatus::DatabaseUnavailable;
}

} // namespace namewright::cli
