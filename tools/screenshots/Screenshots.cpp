// screenshots: renders the main window during a run and a name report to PNG files, for the README.
//
//   screenshots <hun.mdb> <output directory>
//
// Run it under a real X server (xvfb-run) or with QT_QPA_PLATFORM=offscreen.

#include "app/AppContext.h"
#include "app/Fonts.h"
#include "app/MainWindow.h"
#include "app/QtTranslations.h"
#include "app/ResultGridModel.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <iostream>

namespace {

void processEventsFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: screenshots <hun.mdb> <output directory>\n";
        return 2;
    }
    QApplication::setFont(namewright::interfaceFont());
    namewright::installQtTranslations(app);
    const QString output = QString::fromLocal8Bit(argv[2]);

    namewright::MainWindow window(argv[1]);
    window.show();
    processEventsFor(300);
    window.findChild<QPushButton*>(QStringLiteral("运算按钮"))->click();
    processEventsFor(1500);
    window.findChild<QPushButton*>(QStringLiteral("运算按钮"))->click(); // pause, so the picture holds still
    processEventsFor(300);
    window.grab().save(output + QStringLiteral("/main-window.png"));

    QTimer::singleShot(500, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(top); dialog != nullptr && dialog->isVisible()) {
                dialog->grab().save(output + QStringLiteral("/report.png"));
                dialog->accept();
            }
        }
    });
    window.openReportForRow(3);

    // The other windows, each opened by its tool button and pictured once it is up.
    const auto pictureDialogOf = [&](const char* button, const QString& file,
                                     const std::function<void(QDialog*)>& prepare) {
        QTimer::singleShot(500, [&, file, prepare] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                prepare(dialog);
                processEventsFor(200);
                dialog->grab().save(output + file);
                dialog->accept();
            }
        });
        window.findChild<QToolButton*>(QString::fromUtf8(button))->click();
    };
    pictureDialogOf("姓名评测", QStringLiteral("/evaluation.png"),
                    [](QDialog* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("按钮1"))->click(); });
    pictureDialogOf("数理表", QStringLiteral("/numerology-table.png"), [](QDialog*) {});
    pictureDialogOf("农历按钮", QStringLiteral("/lunar-calendar.png"), [](QDialog*) {});
    pictureDialogOf("帮助按钮", QStringLiteral("/help.png"), [](QDialog*) {});
    window.shutdown();
    return 0;
}
