#include "reports/Explanations.h"

namespace namewright {

std::string numerologyExplanation(std::string_view number, const std::optional<NumerologyRow>& row) {
    static const NumerologyRow kNoRow;
    const NumerologyRow& fields = row ? *row : kNoRow;
    std::string text;
    text.reserve(number.size() + fields.description.size() + fields.career.size() + fields.family.size() +
                 fields.health.size() + fields.meaning.size() + 48);
    text.append(number).append("数理:").append(fields.description).append("\r\n");
    text.append("基业:").append(fields.career).append("\r\n");
    text.append("家庭:").append(fields.family).append("\r\n");
    text.append("健康:").append(fields.health).append("\r\n");
    text.append("含意:").append(fields.meaning).append("\r\n");
    return text;
}

std::string threeTalentsExplanation(const std::optional<ThreeTalentsRow>& row) {
    return (row ? row->explanation : std::string()) + "\r\n";
}

} // namespace namewright
