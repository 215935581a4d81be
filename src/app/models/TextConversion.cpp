#include "app/models/TextConversion.h"

namespace namewright {

QString toDisplayText(std::string_view utf8) {
    QString text = toQString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace namewright
