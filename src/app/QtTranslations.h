#pragma once
// Qt's own Chinese texts for its standard dialogs and menus (the message box's "确定", the edit boxes' "复制",
// "粘贴"), from the translations Qt installs beside itself (QLibraryInfo::TranslationsPath; on Debian the package
// qt6-translations-l10n). The program's own texts are Chinese already and need none.

class QCoreApplication;

namespace namewright {

/// Installs Qt's simplified Chinese translation (qtbase_zh_CN) into `app`, which owns it from then on. Returns false,
/// quietly, when the file is not there: the standard texts then stay English.
bool installQtTranslations(QCoreApplication& app);

} // namespace namewright
