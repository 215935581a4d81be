#include "naming/Luck.h"

namespace namewright {

Luck luckOf(std::string_view word) {
    if (word == "吉") {
        return Luck::Good;
    }
    if (word == "半吉") {
        return Luck::Half;
    }
    if (word == "凶") {
        return Luck::Bad;
    }
    return Luck::None;
}

} // namespace namewright
