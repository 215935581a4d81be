// screenshots: renders the windows to PNG files, for the README and docs/.
//
//   screenshots <hun.mdb> <output directory>
//
// Run it under a real X server (xvfb-run) or with QT_QPA_PLATFORM=offscreen. At 100 % scale it writes every picture;
// under QT_SCALE_FACTOR=2 it writes only main-window-200.png, tool-buttons-200.png and input-rows-200.png. The pages
// of the favourites' PDF (favourites-pdf-1.png, -2.png) need pdftoppm (poppler-utils); without it they are left out.

#include "app/AppContext.h"
#include "app/FileDialogs.h"
#include "app/Fonts.h"
#include "app/MainWindow.h"
#include "app/QtTranslations.h"
#include "app/ShortlistColumnChooser.h"
#include "app/ShortlistDialog.h"
#include "app/models/ResultGridModel.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <iostream>
#include <memory>
#include <utility>

namespace {

void processEventsFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

/// The row of tool buttons, with a margin.
const QRect kToolRow(16, 2, 512, 50);
/// The two rows of inputs (the combo boxes), with a margin.
const QRect kInputRows(16, 66, 640, 76);

void pressStop(namewright::MainWindow& window) {
    window.findChild<QPushButton*>(QStringLiteral("停止按钮"))->click();
    window.context().runController().waitUntilIdle();
    processEventsFor(200);
}

/// The pictures of the mended details: the chart panel with the longest lunar date text, the year warning of a date
/// that does not exist and the Chinese menu of an edit box.
void pictureExtras(namewright::MainWindow& window, const QString& output) {
    auto* compute = window.findChild<QPushButton*>(QStringLiteral("运算按钮"));
    auto* year = window.findChild<QComboBox*>(QStringLiteral("年组合框"));
    auto* month = window.findChild<QComboBox*>(QStringLiteral("月组合框"));
    auto* day = window.findChild<QComboBox*>(QStringLiteral("日组合框"));
    pressStop(window);

    // 1887-05-23, lunar 光绪一十三年 闰四月 初一: the widest text the calendar makes.
    year->setEditText(QStringLiteral("1887"));
    month->setCurrentIndex(4);
    day->setCurrentIndex(22);
    compute->click();
    processEventsFor(800);
    pressStop(window);
    window.findChild<QWidget*>(QStringLiteral("图片框2"))->grab().save(output + QStringLiteral("/long-lunar-text.png"));

    // 2011-02-30: the year warning, with Qt's Chinese OK button; answered, as often as it comes.
    bool pictured = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &answer, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (!pictured) {
                processEventsFor(100);
                box->grab().save(output + QStringLiteral("/impossible-date-warning.png"));
                pictured = true;
            }
            box->accept();
        }
    });
    answer.start(50);
    year->setEditText(QStringLiteral("2011"));
    month->setCurrentIndex(1);
    day->setCurrentIndex(29);
    compute->click();
    processEventsFor(1500);
    pressStop(window);
    answer.stop();
    month->setCurrentIndex(0);
    day->setCurrentIndex(0);

    auto* family = window.findChild<QLineEdit*>(QStringLiteral("姓编辑框"));
    family->selectAll();
    std::unique_ptr<QMenu> menu(family->createStandardContextMenu());
    menu->popup(family->mapToGlobal(QPoint(0, family->height())));
    processEventsFor(300);
    menu->grab().save(output + QStringLiteral("/edit-box-menu.png"));
    menu->close();
}

/// The shortlist's column menu, the favourites' PDF (its first two pages, with pdftoppm) and the export dialog; the
/// shortlist `dialog` is open, with favourites.
void pictureShortlistExtras(QDialog* dialog, const QString& output) {
    auto* shortlist = qobject_cast<namewright::ShortlistDialog*>(dialog);
    auto* table = dialog->findChild<QTableView*>(QStringLiteral("名单表格"));
    const std::unique_ptr<QMenu> menu = dialog->findChild<namewright::ShortlistColumnChooser*>()->menu();
    menu->popup(table->mapToGlobal(QPoint(40, 20)));
    processEventsFor(300);
    menu->grab().save(output + QStringLiteral("/shortlist-columns.png"));
    menu->close();

    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("收藏的名字.pdf"));
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (shortlist->exportPdf(pdf) && !pdftoppm.isEmpty()) {
        QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("90"),
                                     QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                     QStringLiteral("2"), pdf, output + QStringLiteral("/favourites-pdf")});
    }

    // The export dialog in a folder of its own: a subfolder and an earlier export.
    QDir(folder.path()).mkdir(QStringLiteral("宝宝照片"));
    namewright::FileDialogs::rememberFolderOf(pdf);
    const std::unique_ptr<QFileDialog> save = namewright::FileDialogs::saveDialog(
        dialog, QStringLiteral("导出PDF对话框"), QStringLiteral("导出收藏为 PDF"), QStringLiteral("PDF 文件 (*.pdf)"),
        QStringLiteral("pdf"), QStringLiteral("收藏的名字.pdf"));
    save->show();
    processEventsFor(800);
    save->grab().save(output + QStringLiteral("/export-dialog.png"));
    save->reject();
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

    // The favourites and settings of the pictures (the remembered export folder among them) live in a folder of
    // their own, never in the user's: the shortlist shows the 推荐 order under its default weights.
    const QTemporaryDir favouritesFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, favouritesFolder.path());
    namewright::MainWindow window(argv[1], nullptr, favouritesFolder.filePath(QStringLiteral("favourites.json")));
    window.show();
    processEventsFor(300);
    auto* compute = window.findChild<QPushButton*>(QStringLiteral("运算按钮"));
    const auto runBriefly = [&] {
        compute->click();
        processEventsFor(1500);
        compute->click(); // pause, so the picture holds still
        processEventsFor(300);
    };
    runBriefly();
    if (window.devicePixelRatio() >= 2.0) {
        window.grab().save(output + QStringLiteral("/main-window-200.png"));
        window.grab(kToolRow).save(output + QStringLiteral("/tool-buttons-200.png"));
        window.grab(kInputRows).save(output + QStringLiteral("/input-rows-200.png"));
        window.shutdown();
        return 0;
    }
    window.grab().save(output + QStringLiteral("/main-window.png"));
    window.grab(kToolRow).save(output + QStringLiteral("/tool-buttons.png"));
    window.grab(kInputRows).save(output + QStringLiteral("/input-rows.png"));

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
    // February 2024 holds 立春, 除夕, 春节, 元宵 and 雨水: every kind of mark, whatever the day the picture is taken.
    pictureDialogOf("农历按钮", QStringLiteral("/lunar-calendar.png"), [](QDialog* dialog) {
        dialog->findChild<QCalendarWidget*>(QStringLiteral("农历月历1"))->setCurrentPage(2024, 2);
    });
    pictureDialogOf("帮助按钮", QStringLiteral("/help.png"), [](QDialog*) {});
    // The shortlist of the run: two names starred from the grid's menu, the third best name chosen.
    for (const int row : {1, 4}) {
        if (auto menu = window.gridMenu(row)) {
            menu->findChild<QAction*>(QStringLiteral("加入收藏动作"))->trigger();
        }
    }
    // Wide enough for every column, so that the 推荐 column the list is ordered by shows, and the pane's reasons line
    // under the chosen name says why it stands there.
    pictureDialogOf("名单按钮", QStringLiteral("/shortlist.png"), [](QDialog* dialog) {
        auto* table = dialog->findChild<QTableView*>(QStringLiteral("名单表格"));
        const int tableWidth =
            table->horizontalHeader()->length() + table->verticalScrollBar()->sizeHint().width() + 24;
        dialog->resize(tableWidth + 470, dialog->height());
        if (auto* splitter = dialog->findChild<QSplitter*>()) {
            splitter->setSizes({tableWidth, 440});
        }
        table->selectRow(2);
    });
    // The same name's 节气八字 and its character knowledge.
    for (const auto& [tab, file] : {std::pair{1, QStringLiteral("/shortlist-knowledge.png")},
                                    std::pair{2, QStringLiteral("/shortlist-solar-terms.png")}}) {
        pictureDialogOf("名单按钮", file, [tab](QDialog* dialog) {
            dialog->findChild<QTableView*>(QStringLiteral("名单表格"))->selectRow(2);
            dialog->findChild<QTabWidget*>(QStringLiteral("详情页"))->setCurrentIndex(tab);
        });
    }
    QTimer::singleShot(500, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            pictureShortlistExtras(dialog, output);
            dialog->accept();
        }
    });
    window.findChild<QToolButton*>(QStringLiteral("名单按钮"))->click();
    pictureExtras(window, output);
    window.shutdown();
    return 0;
}
