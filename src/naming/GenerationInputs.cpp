#include "naming/GenerationInputs.h"

#include "text/WholeNumber.h"

namespace namewright {

int scoreThreshold(bool ownThreshold, std::string_view thresholdText) {
    constexpr int kDefaultThreshold = 80;
    constexpr int kLowestOwnThreshold = 76;
    if (!ownThreshold) {
        return kDefaultThreshold;
    }
    const int value = wholeNumberOrZero(thresholdText);
    return value >= kLowestOwnThreshold ? value : kDefaultThreshold;
}

} // namespace namewright
