#include "naming/GenerationInputs.h"

#include "text/WholeNumber.h"

namespace namewright {

namespace {

constexpr std::string_view kMale = "男";
constexpr std::string_view kFemale = "女";

} // namespace

std::string_view genderText(Gender gender) {
    return gender == Gender::Male ? kMale : kFemale;
}

Gender genderOfText(std::string_view text) {
    return text == kMale ? Gender::Male : Gender::Female;
}

NameLength nameLengthOfText(std::string_view text) {
    return text == "单字" ? NameLength::Single : NameLength::Double;
}

FixedPosition fixedPositionOfText(std::string_view text) {
    if (text == "二") {
        return FixedPosition::Second;
    }
    return text == "三" ? FixedPosition::Third : FixedPosition::Neither;
}

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
