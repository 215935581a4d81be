// Linked into every window test: the user's data folder (QStandardPaths) points into a temporary folder of its own,
// so that no test reads or writes the favourites of whoever runs the tests.

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

void useTemporaryDataFolder() {
    // Test mode keeps the locations under $HOME/.qttest; $HOME itself is a temporary folder removed at exit.
    static QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    QStandardPaths::setTestModeEnabled(true);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(useTemporaryDataFolder)
