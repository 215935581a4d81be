#pragma once
// Conversions between the core's UTF-8 texts and Qt's strings.

#include <QString>

#include <string>
#include <string_view>

namespace namewright {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toUtf8(const QString& text) {
    return text.toStdString();
}

/// A core text with CR LF or lone CR line breaks as a Qt text with LF breaks, the only break Qt's text boxes know.
QString toDisplayText(std::string_view utf8);

} // namespace namewright
