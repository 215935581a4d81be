// Namewright: choosing a Chinese given name for a baby.

#include "app/Fonts.h"
#include "app/MainWindow.h"
#include "app/QtTranslations.h"

#include <QApplication>
#include <QIcon>

#include <filesystem>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Namewright"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));
    QApplication::setFont(namewright::interfaceFont());
    namewright::installQtTranslations(app);

    // The naming database is the file hun.mdb in the program's own directory.
    const std::filesystem::path directory = QCoreApplication::applicationDirPath().toStdString();
    namewright::MainWindow window(directory / "hun.mdb");
    window.show();
    window.showFavouritesProblem();
    return QApplication::exec();
}
