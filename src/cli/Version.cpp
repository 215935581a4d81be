#include "cli/Version.h"

namespace namewright::cli {

std::string_view programVersion() {
    return NAMEWRIGHT_VERSION;
}

} // namespace namewright::cli
