#include "cli/Command.h"

namespace namewright::cli {

ExitStatus databaseUnavailable(const CommandInput& input) {
    input.err << "cannot open the naming database " << input.databaseFile.string();
    return ExitStatus::DatabaseUnavailable;
}

} // namespace namewright::cli
