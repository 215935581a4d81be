#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace namewright {

bool installQtTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    // Chinese whatever the user's locale says: every other text of the program is Chinese.
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace namewright
