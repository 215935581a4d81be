#include "text/SqlIdentifier.h"

namespace namewright {

std::string quoteIdentifier(std::string_view name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted.push_back(c);
        if (c == '"') {
            quoted.push_back('"');
        }
    }
    quoted.push_back('"');
    return quoted;
}

} // namespace namewright
