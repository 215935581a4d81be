#include "app/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace namewright {

namespace {

QFont firstInstalled(const QStringList& families, int pointSize) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family)) {
            QFont font(family, pointSize);
            return font;
        }
    }
    QFont fallback;
    fallback.setPointSize(pointSize);
    return fallback;
}

} // namespace

QFont interfaceFont() {
    QFont font = firstInstalled({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                                 QStringLiteral("WenQuanYi Micro Hei")},
                                9);
    // Without a language hint the shared CJK font picks Japanese glyph shapes for some characters.
    font.setFamilies({font.family(), QStringLiteral("Noto Sans CJK SC")});
    return font;
}

QFont chartResultFont() {
    return firstInstalled({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                           QStringLiteral("Source Han Serif SC")},
                          9);
}

QFont printFont(int points) {
    QFont font = firstInstalled({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
                                 QStringLiteral("Noto Sans CJK SC")},
                                points);
    font.setFamilies({font.family(), QStringLiteral("Noto Sans CJK SC")});
    return font;
}

} // namespace namewright
