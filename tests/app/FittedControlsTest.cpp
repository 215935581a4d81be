// Texts that must show whole, at 100 % and (run again under QT_SCALE_FACTOR=2) at 200 %: every column of the 名单
// window at its default size without a horizontal scroll bar, the column choice remembered, the items of the fixed-size
// combo boxes, the titles of the 81数理表, the title of the 数据出错 box; and the file dialogs of the exports.

#include "app/AppContext.h"
#include "app/EvaluationDialog.h"
#include "app/FileDialogs.h"
#include "app/MainWindow.h"
#include "app/QtTranslations.h"
#include "app/ShortlistColumnChooser.h"
#include "app/ShortlistDialog.h"
#include "app/YearWarningBridge.h"
#include "app/favourites/FavouritesStore.h"
#include "app/models/ShortlistModel.h"
#include "support/SmallKnowledgeFile.h"

#include "AppTestSupport.h"

#include <QAbstractFileIconProvider>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

namespace namewright {

namespace {

/// A naming database with the knowledge file beside it, in a folder of their own.
struct DatabaseWithKnowledge {
    QTemporaryDir folder;
    QString database = folder.filePath(QStringLiteral("hun.mdb"));

    DatabaseWithKnowledge() {
        testing::TempDatabase file;
        testing::fillWindowTestDatabase(file);
        file.exec("INSERT OR IGNORE INTO word VALUES ('阳', 17, '土');"); // 欧阳, a compound surname
        const testing::SmallKnowledgeFile knowledge;
        QFile::copy(QString::fromStdString(file.path().string()), database);
        QFile::copy(QString::fromStdString(knowledge.path().string()),
                    folder.filePath(QStringLiteral("characters.db")));
    }
};

/// The width a combo box gives its text: its edit field less the text's margins.
int textRoom(QComboBox& box) {
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    option.frame = box.hasFrame();
    const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box);
    return field.width() - 4; // a line edit's 2 pixels each side; a label's 1
}

/// Each combo box of `window` shows its longest item whole.
void checkComboBoxes(QWidget& window) {
    const QList<QComboBox*> boxes = window.findChildren<QComboBox*>();
    QVERIFY(!boxes.isEmpty());
    for (QComboBox* box : boxes) {
        int widest = box->fontMetrics().horizontalAdvance(box->currentText());
        for (int i = 0; i < box->count(); ++i) {
            widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
        }
        QVERIFY2(textRoom(*box) >= widest,
                 qPrintable(QStringLiteral("%1: %2 < %3").arg(box->objectName()).arg(textRoom(*box)).arg(widest)));
    }
}

/// Each column of `table` that shows is as wide as its title.
void checkTitlesFit(QTableView& table) {
    const QHeaderView* header = table.horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        const int title =
            header->fontMetrics().horizontalAdvance(table.model()->headerData(column, Qt::Horizontal).toString());
        QVERIFY2(
            table.isColumnHidden(column) || table.columnWidth(column) >= title + 4,
            qPrintable(QStringLiteral("column %1: %2 < %3").arg(column).arg(table.columnWidth(column)).arg(title)));
    }
}

} // namespace

class FittedControlsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installQtTranslations(*QCoreApplication::instance())); }

    void init() { QSettings().clear(); }

    void everyShortlistColumnShowsAtTheDefaultSize() {
        DatabaseWithKnowledge data;
        MainWindow window(data.database.toStdString(), nullptr, data.folder.filePath(QStringLiteral("f.json")));
        window.show();
        // The widest case: a compound surname, so that its score shows too.
        window.findChild<QLineEdit*>(QStringLiteral("姓编辑框"))->setText(QStringLiteral("欧阳"));
        window.findChild<QPushButton*>(QStringLiteral("运算按钮"))->click();
        window.context().runController().waitUntilIdle();
        const bool opened = testing::withModalDialog(
            [&] { window.findChild<QToolButton*>(QStringLiteral("名单按钮"))->click(); },
            [&](QDialog* dialog) {
                auto* shortlist = qobject_cast<ShortlistDialog*>(dialog);
                QVERIFY(shortlist != nullptr);
                QVERIFY(shortlist->model().shortlist().facts().knowledgeAvailable());
                QTest::qWait(50);
                QCOMPARE(dialog->size(), QSize(1120, 700));
                auto* table = dialog->findChild<QTableView*>(QStringLiteral("名单表格"));
                QVERIFY(table->verticalScrollBar()->isVisible()); // enough names to scroll down
                for (int column = 0; column < ShortlistModel::kColumns; ++column) {
                    QVERIFY2(!table->isColumnHidden(column), qPrintable(QString::number(column)));
                }
                QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
                QVERIFY(!table->horizontalScrollBar()->isVisible());
                checkTitlesFit(*table);
                // Every listed pinyin fits its column.
                const int pinyin = static_cast<int>(ShortlistColumn::Pinyin);
                for (int row = 0; row < shortlist->model().rowCount(); ++row) {
                    const QString text = shortlist->model().index(row, pinyin).data().toString();
                    QVERIFY2(table->fontMetrics().horizontalAdvance(text) + 4 <= table->columnWidth(pinyin),
                             qPrintable(text));
                }
            });
        QVERIFY(opened);
    }

    void theColumnChoiceIsRememberedAndTheNameAlwaysShows() {
        DatabaseWithKnowledge data;
        AppContext context(data.database.toStdString());
        FavouritesStore favourites(data.folder.filePath(QStringLiteral("f.json")));
        const int heaven = static_cast<int>(ShortlistColumn::Heaven);
        {
            ShortlistDialog dialog(context, favourites, nullptr);
            auto* table = dialog.findChild<QTableView*>(QStringLiteral("名单表格"));
            QVERIFY(table->horizontalHeader()->contextMenuPolicy() == Qt::CustomContextMenu);
            const std::unique_ptr<QMenu> menu = dialog.findChild<ShortlistColumnChooser*>()->menu();
            const QList<QAction*> actions = menu->actions();
            const auto action = [&](const QString& text) {
                const auto at =
                    std::find_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text() == text; });
                return at == actions.end() ? nullptr : *at;
            };
            QVERIFY(action(QStringLiteral("姓名")) != nullptr);
            QVERIFY(!action(QStringLiteral("姓名"))->isEnabled());
            QVERIFY(!action(QStringLiteral("复姓分"))->isEnabled()); // no compound surname in this series
            QVERIFY(action(QStringLiteral("天格"))->isChecked());
            action(QStringLiteral("天格"))->trigger();
            QVERIFY(table->isColumnHidden(heaven));
        }
        ShortlistDialog again(context, favourites, nullptr);
        auto* table = again.findChild<QTableView*>(QStringLiteral("名单表格"));
        QVERIFY(table->isColumnHidden(heaven));
        QVERIFY(!table->isColumnHidden(static_cast<int>(ShortlistColumn::Name)));
        again.findChild<ShortlistColumnChooser*>()->setChosen(ShortlistColumn::Heaven, true);
        QVERIFY(!table->isColumnHidden(heaven));
        QVERIFY(QSettings().value(QStringLiteral("shortlist/hiddenColumns")).toStringList().isEmpty());
    }

    void theFixedSizeComboBoxesShowTheirLongestItem() {
        testing::TempDatabase file;
        testing::fillWindowTestDatabase(file, 5, 5);
        MainWindow window(file.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        checkComboBoxes(window);
        auto* minute = window.findChild<QComboBox*>(QStringLiteral("分组合框"));
        QCOMPARE(minute->geometry(), QRect(584, 72, 40, 20)); // the place and size stay
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("名组合框"))->geometry(), QRect(120, 72, 48, 20));
        EvaluationDialog evaluation(window.context(), nullptr);
        evaluation.show();
        checkComboBoxes(evaluation);
    }

    void theNumerologyTableShowsItsTitlesWhole() {
        testing::TempDatabase file;
        testing::fillWindowTestDatabase(file, 5, 5);
        MainWindow window(file.path());
        window.show();
        for (const char* button : {"数理表", "三才表"}) {
            const bool opened = testing::withModalDialog(
                [&] { window.findChild<QToolButton*>(QString::fromUtf8(button))->click(); },
                [&](QDialog* dialog) {
                    auto* grid = dialog->findChild<QTableView*>(QStringLiteral("高级表格1"));
                    checkTitlesFit(*grid);
                    // Only as wide as the title needs: the wide columns keep their width.
                    QCOMPARE(grid->columnWidth(3), std::string(button) == "数理表" ? 200 : 500);
                });
            QVERIFY(opened);
        }
    }

    void theDateWarningIsAsWideAsItsTitleNeeds() {
        const std::unique_ptr<QMessageBox> box = YearWarningBridge::messageBox(nullptr);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QFont bold = box->font();
        bold.setBold(true);
        QVERIFY(YearWarningBridge::titleBarWidth() >= QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 100);
        QVERIFY2(box->width() >= YearWarningBridge::titleBarWidth(), qPrintable(QString::number(box->width())));
        QCOMPARE(box->windowTitle(), QStringLiteral("数据出错"));
    }

    void theExportDialogsOpenInTheDocumentsFolderThenInTheLastOneUsed() {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        QCOMPARE(FileDialogs::startFolder(), documents);
        QTemporaryDir elsewhere;
        FileDialogs::rememberFolderOf(elsewhere.filePath(QStringLiteral("收藏的名字.pdf")));
        QCOMPARE(FileDialogs::startFolder(), elsewhere.path());
        const std::unique_ptr<QFileDialog> dialog = FileDialogs::saveDialog(
            nullptr, QStringLiteral("导出PDF对话框"), QStringLiteral("导出收藏为 PDF"),
            QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf"), QStringLiteral("收藏的名字.pdf"));
        QCOMPARE(dialog->directory().absolutePath(), elsewhere.path());
        // A folder remembered but gone: the documents folder again.
        QVERIFY(QDir(elsewhere.path()).removeRecursively());
        QCOMPARE(FileDialogs::startFolder(), documents);
        QVERIFY(QDir(documents).rmdir(documents));
        QCOMPARE(FileDialogs::startFolder(), QDir::homePath());
    }

    void theExportDialogsReadInChineseWithWholeDates() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("照片")));
        FileDialogs::rememberFolderOf(folder.filePath(QStringLiteral("x.csv")));
        const std::unique_ptr<QFileDialog> dialog = FileDialogs::saveDialog(
            nullptr, QStringLiteral("导出CSV对话框"), QStringLiteral("导出收藏为 CSV"),
            QStringLiteral("CSV 表格 (*.csv)"), QStringLiteral("csv"), QStringLiteral("收藏的名字.csv"));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(dialog->labelText(QFileDialog::FileName), QStringLiteral("文件名："));
        QCOMPARE(dialog->labelText(QFileDialog::FileType), QStringLiteral("文件类型："));
        QCOMPARE(dialog->labelText(QFileDialog::Accept), QStringLiteral("保存"));
        QCOMPARE(dialog->iconProvider()->type(QFileInfo(folder.filePath(QStringLiteral("照片")))),
                 QStringLiteral("文件夹"));
        QCOMPARE(dialog->iconProvider()->type(QFileInfo(QStringLiteral("a.pdf"))), QStringLiteral("PDF 文件"));
        auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(tree != nullptr && tree->isVisible()); // the detail view, with the dates
        // The column titles come from Qt's Chinese translation; the date column holds a whole date.
        for (int column = 0; column < tree->header()->count(); ++column) {
            const QString title = tree->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(title.front().unicode() > 0x7f, qPrintable(title));
        }
        const QString date = QLocale().toString(QDateTime(QDate(2024, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
        QVERIFY(tree->header()->sectionSize(3) >= tree->fontMetrics().horizontalAdvance(date) + 8);
        dialog->reject();
    }
};

} // namespace namewright

QTEST_MAIN(namewright::FittedControlsTest)
#include "FittedControlsTest.moc"
