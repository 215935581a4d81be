#include "cli/CommonOptions.h"

#include "cli/InputValues.h"

namespace namewright::cli {

std::optional<BirthMomentTexts> readBirthMoment(const ParsedArguments& arguments, std::ostream& err) {
    const Checked<GregorianDate> date = birthDate(arguments.value(kDateOption.name).value_or(""));
    if (!date.value) {
        err << kDateOption.name << ": " << date.error;
        return std::nullopt;
    }
    const Checked<int> hour = birthHour(arguments.value(kHourOption.name).value_or(""));
    if (!hour.value) {
        err << kHourOption.name << ": " << hour.error;
        return std::nullopt;
    }
    return momentTexts(*date.value, *hour.value);
}

std::optional<std::string> readText(const ParsedArguments& arguments, std::string_view option, std::ostream& err) {
    const std::string_view text = arguments.value(option).value_or("");
    if (!isUtf8(text)) {
        err << option << ": the text is not UTF-8";
        return std::nullopt;
    }
    return std::string(text);
}

} // namespace namewright::cli
