#include "app/MainWindow.h"
#include "AppTestSupport.h"
#include "app/AppContext.h"
#include "app/models/ResultGridModel.h"
#include "app/models/TextConversion.h"
#include "support/Files.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <chrono>
#include <thread>

namespace namewright {

using testing::fillWindowTestDatabase;
using testing::TempDatabase;
using testing::TempPath;
using testing::withModalDialog;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    template <typename T> static T* find(QWidget& window, const char* name) {
        T* widget = window.findChild<T*>(QString::fromUtf8(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }

    static QStringList items(QComboBox* box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i) {
            list << box->itemText(i);
        }
        return list;
    }

private slots:
    void everyControlHasItsKindPlaceAndInitialContent() {
        TempDatabase file;
        MainWindow window(file.path());
        QCOMPARE(window.windowTitle(), QStringLiteral("Namewrightv3.0"));
        QCOMPARE(window.size(), QSize(686, 508));

        struct Tool {
            const char* name;
            int x;
            const char* caption;
        };
        for (const Tool& tool :
             {Tool{"宝贝取名", 24, "宝贝取名"}, Tool{"姓名评测", 80, "姓名评测"}, Tool{"生辰八字", 136, "生辰八字"},
              Tool{"数理表", 192, "81数理表"}, Tool{"三才表", 248, "三才表"}, Tool{"农历按钮", 304, "农历表"},
              Tool{"帮助按钮", 360, "帮助"}, Tool{"退出按钮", 472, "退出"}}) {
            auto* button = find<QToolButton>(window, tool.name);
            QCOMPARE(button->geometry(), QRect(tool.x, 8, 48, 40));
            QCOMPARE(button->text(), QString::fromUtf8(tool.caption));
        }

        QCOMPARE(find<QLineEdit>(window, "姓编辑框")->text(), QStringLiteral("李"));
        QCOMPARE(find<QLineEdit>(window, "姓编辑框")->geometry(), QRect(48, 72, 40, 24));
        auto* nameLength = find<QComboBox>(window, "名组合框");
        QCOMPARE(items(nameLength), (QStringList{QStringLiteral("双字"), QStringLiteral("单字")}));
        QCOMPARE(nameLength->currentText(), QStringLiteral("双字"));
        QVERIFY(!nameLength->isEditable());
        QCOMPARE(items(find<QComboBox>(window, "性别组合框")),
                 (QStringList{QStringLiteral("男"), QStringLiteral("女")}));

        auto* year = find<QComboBox>(window, "年组合框");
        QVERIFY(year->isEditable());
        QCOMPARE(year->currentText(), QStringLiteral("2011"));
        QCOMPARE(year->count(), 45);
        QCOMPARE(year->itemText(0), QStringLiteral("1975"));
        QCOMPARE(year->itemText(1), QStringLiteral("1976"));
        QCOMPARE(year->itemText(2), QStringLiteral("1978"));
        QCOMPARE(year->itemText(44), QStringLiteral("2020"));
        QCOMPARE(year->geometry(), QRect(336, 72, 64, 20));

        QCOMPARE(find<QComboBox>(window, "月组合框")->count(), 12);
        QCOMPARE(find<QComboBox>(window, "日组合框")->count(), 31);
        auto* hour = find<QComboBox>(window, "时组合框");
        QCOMPARE(hour->count(), 24);
        QCOMPARE(hour->itemText(0), QStringLiteral("0"));
        QCOMPARE(hour->currentText(), QStringLiteral("1"));
        auto* minute = find<QComboBox>(window, "分组合框");
        QVERIFY(minute->isEditable());
        QCOMPARE(minute->currentText(), QStringLiteral("10"));
        QCOMPARE(minute->count(), 6);

        QCOMPARE(find<QCheckBox>(window, "选择框1")->text(), QStringLiteral("第"));
        QVERIFY(!find<QCheckBox>(window, "选择框1")->isChecked());
        QCOMPARE(items(find<QComboBox>(window, "个组合框")), (QStringList{QStringLiteral("二"), QStringLiteral("三")}));
        QCOMPARE(find<QLabel>(window, "标签10")->text(), QStringLiteral("个字固定为"));
        QVERIFY(find<QLineEdit>(window, "字编辑框")->text().isEmpty());
        QCOMPARE(find<QCheckBox>(window, "选择框2")->text(), QStringLiteral("自动挑选评分为"));
        QCOMPARE(find<QLabel>(window, "标签11")->text(), QStringLiteral("分以上的名字"));
        QCOMPARE(find<QPushButton>(window, "运算按钮")->text(), QStringLiteral("分析"));
        QCOMPARE(find<QPushButton>(window, "运算按钮")->geometry(), QRect(504, 104, 40, 32));
        QCOMPARE(find<QPushButton>(window, "停止按钮")->text(), QStringLiteral("停止"));
        QCOMPARE(find<QTableView>(window, "高级表格1")->geometry(), QRect(24, 168, 424, 280));
        QCOMPARE(find<QWidget>(window, "图片框1")->geometry(), QRect(24, 56, 640, 100));
        QCOMPARE(find<QWidget>(window, "图片框2")->geometry(), QRect(456, 168, 208, 280));

        for (const char* name :
             {"农历标签", "属相标签", "四柱标签", "八字标签", "五行标签", "纳音标签", "喜用神标签"}) {
            QVERIFY2(find<QLabel>(window, name)->text().isEmpty(), name);
            QCOMPARE(find<QLabel>(window, name)->parentWidget(), find<QWidget>(window, "图片框2"));
        }
        QCOMPARE(find<QLabel>(window, "标签25")->text(), QStringLiteral("喜用神："));
        QCOMPARE(find<QLabel>(window, "喜用神标签")->geometry(), QRect(48, 216, 80, 24));
    }

    void everyLabelHasItsTextAndPlace() {
        TempDatabase file;
        MainWindow window(file.path());
        struct Label {
            const char* name;
            const char* text;
            QRect geometry;
        };
        const Label labels[] = {
            {"标签1", "姓：", {24, 72, 24, 24}},
            {"标签2", "名：", {96, 72, 24, 24}},
            {"标签3", "性别：", {168, 72, 32, 24}},
            {"标签4", "出生日期：公历", {248, 72, 88, 24}},
            {"标签5", "年", {400, 72, 16, 24}},
            {"标签6", "月", {456, 72, 16, 24}},
            {"标签7", "日", {512, 72, 16, 24}},
            {"标签8", "时", {568, 72, 24, 24}},
            {"标签9", "分", {624, 72, 24, 24}},
            {"标签10", "个字固定为", {120, 112, 64, 24}},
            {"标签11", "分以上的名字", {392, 112, 80, 24}},
            {"标签19", "农历：", {0, 24, 32, 24}},
            {"标签20", "属相：", {0, 56, 32, 24}},
            {"标签21", "四柱：", {0, 88, 32, 24}},
            {"标签22", "八字：", {0, 120, 32, 24}},
            {"标签23", "五行：", {0, 152, 32, 24}},
            {"标签24", "纳音：", {0, 184, 32, 24}},
            {"标签25", "喜用神：", {0, 216, 48, 24}},
        };
        for (const Label& expected : labels) {
            auto* label = find<QLabel>(window, expected.name);
            QCOMPARE(label->text(), QString::fromUtf8(expected.text));
            QCOMPARE(label->geometry(), expected.geometry);
        }
        const std::pair<const char*, QRect> results[] = {
            {"农历标签", {40, 24, 160, 24}},  {"属相标签", {32, 56, 152, 24}},  {"四柱标签", {32, 88, 160, 24}},
            {"八字标签", {32, 120, 160, 24}}, {"五行标签", {32, 152, 160, 24}}, {"纳音标签", {32, 184, 160, 24}},
        };
        for (const auto& [name, geometry] : results) {
            QCOMPARE(find<QLabel>(window, name)->geometry(), geometry);
        }
        QCOMPARE(find<QComboBox>(window, "分组合框")->geometry(), QRect(584, 72, 40, 20));
        QCOMPARE(find<QCheckBox>(window, "选择框1")->geometry(), QRect(40, 112, 32, 24));
        QCOMPARE(find<QComboBox>(window, "个组合框")->geometry(), QRect(72, 112, 40, 20));
        QCOMPARE(find<QLineEdit>(window, "字编辑框")->geometry(), QRect(184, 112, 32, 20));
        QCOMPARE(find<QCheckBox>(window, "选择框2")->geometry(), QRect(256, 112, 104, 24));
        QCOMPARE(find<QLineEdit>(window, "分编辑框")->geometry(), QRect(360, 112, 32, 20));
        QCOMPARE(find<QPushButton>(window, "停止按钮")->geometry(), QRect(560, 104, 40, 32));
    }

    void theGridShowsItsHeaderRowAndColumnWidths() {
        TempDatabase file;
        MainWindow window(file.path());
        auto* grid = find<QTableView>(window, "高级表格1");
        QVERIFY(grid->horizontalHeader()->isVisibleTo(&window));
        const QStringList titles{QString(),
                                 QStringLiteral("姓名"),
                                 QStringLiteral("分数"),
                                 QStringLiteral("天格"),
                                 QStringLiteral("人格"),
                                 QStringLiteral("地格"),
                                 QStringLiteral("外格"),
                                 QStringLiteral("总格"),
                                 QStringLiteral("三才"),
                                 QStringLiteral("五行")};
        QCOMPARE(grid->model()->columnCount(), 10);
        for (int column = 0; column < 10; ++column) {
            QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
        }
        QCOMPARE(grid->columnWidth(0), 25);
        QCOMPARE(grid->columnWidth(1), 55);
        QCOMPARE(grid->columnWidth(9), 43);
        QVERIFY(grid->alternatingRowColors());
        QCOMPARE(grid->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(grid->palette().color(QPalette::AlternateBase), QColor(0xEC, 0xEC, 0xEC));
        QCOMPARE(window.context().runState().stopFlag(), 1);
    }

    void singleCharacterGreysOutTheFixControlsOnly() {
        TempDatabase file;
        MainWindow window(file.path());
        auto* nameLength = find<QComboBox>(window, "名组合框");
        auto* fix = find<QCheckBox>(window, "选择框1");
        auto* character = find<QLineEdit>(window, "字编辑框");
        auto* position = find<QComboBox>(window, "个组合框");
        nameLength->setCurrentIndex(1);
        emit nameLength->activated(1);
        QVERIFY(!fix->isEnabled());
        QVERIFY(!character->isEnabled());
        QVERIFY(position->isEnabled());
        nameLength->setCurrentIndex(0);
        emit nameLength->activated(0);
        QVERIFY(fix->isEnabled());
        QVERIFY(character->isEnabled());
        QVERIFY(position->isEnabled());
    }

    void editBoxesRefuseTextBeyondTheirGbkWidth() {
        TempDatabase file;
        MainWindow window(file.path());
        auto* family = find<QLineEdit>(window, "姓编辑框");
        family->clear();
        const auto type = [](QLineEdit* edit, const QString& text) {
            for (const QChar c : text) {
                edit->insert(QString(c)); // as typed: one character at a time, through the validator
            }
        };
        type(family, QStringLiteral("欧阳修"));
        QCOMPARE(family->text(), QStringLiteral("欧阳"));
        auto* character = find<QLineEdit>(window, "字编辑框");
        type(character, QStringLiteral("美丽"));
        QCOMPARE(character->text(), QStringLiteral("美"));
        auto* threshold = find<QLineEdit>(window, "分编辑框");
        type(threshold, QStringLiteral("1000"));
        QCOMPARE(threshold->text(), QStringLiteral("100"));
        QCOMPARE(window.context().inputs().snapshot().familyText, std::string("欧阳"));
        QCOMPARE(window.context().inputs().snapshot().thresholdText, std::string("100"));
    }

    void aTypedYearReachesTheWorkerInputs() {
        TempDatabase file;
        MainWindow window(file.path());
        auto* year = find<QComboBox>(window, "年组合框");
        year->setEditText(QStringLiteral("1977"));
        QCOMPARE(window.context().inputs().snapshot().moment.year, std::string("1977"));
        find<QComboBox>(window, "分组合框")->setEditText(QStringLiteral("55"));
        QCOMPARE(window.context().inputs().snapshot().moment.year, std::string("1977"));
        // The minute reaches them too, for the series' 节气八字 only.
        QCOMPARE(window.context().inputs().snapshot().moment.minute, std::string("55"));
    }

    void theChoiceBoxesReachTheWorkerInputsAsValues() {
        TempDatabase file;
        MainWindow window(file.path());
        find<QComboBox>(window, "名组合框")->setCurrentIndex(1);
        find<QComboBox>(window, "性别组合框")->setCurrentIndex(1);
        find<QComboBox>(window, "个组合框")->setCurrentIndex(1);
        const GenerationInputs inputs = window.context().inputs().snapshot();
        QCOMPARE(inputs.nameLength, NameLength::Single);
        QCOMPARE(inputs.gender, Gender::Female);
        QCOMPARE(inputs.fixedPosition, FixedPosition::Third);
    }

    void aComputeCaptionOtherThanTheThreeDoesNothing() {
        TempDatabase file;
        fillWindowTestDatabase(file);
        MainWindow window(file.path());
        auto* compute = find<QPushButton>(window, "运算按钮");
        compute->setText(QStringLiteral("停止"));
        compute->click();
        QCOMPARE(compute->text(), QStringLiteral("停止"));
        QVERIFY(!window.context().runController().isGenerating());
        QCOMPARE(window.context().runState().currentSeries(), 0U);
    }

    void aCaptionTheRunControlDidNotSetMakesAPressDoNothing() {
        // The phase is the run controller's; a caption of another phase written by anything else is as foreign as any
        // other text: the press does nothing, and the stop button brings the caption back to the phase's own.
        TempDatabase file;
        fillWindowTestDatabase(file);
        MainWindow window(file.path());
        auto* compute = find<QPushButton>(window, "运算按钮");
        compute->setText(QStringLiteral("继续"));
        compute->click();
        QCOMPARE(compute->text(), QStringLiteral("继续"));
        QCOMPARE(window.context().runController().phase(), RunPhase::Idle);
        QCOMPARE(window.context().runState().currentSeries(), 0U);
        find<QPushButton>(window, "停止按钮")->click();
        QCOMPARE(compute->text(), QStringLiteral("分析"));
        find<QComboBox>(window, "名组合框")->setCurrentIndex(1); // single characters: the run ends by itself
        compute->click();
        QCOMPARE(compute->text(), QStringLiteral("暂停"));
        QCOMPARE(window.context().runState().currentSeries(), 1U);
        window.context().runController().waitUntilIdle();
    }

    void babyNamingDoesNothing() {
        TempDatabase file;
        MainWindow window(file.path());
        const bool opened = withModalDialog([&] { find<QToolButton>(window, "宝贝取名")->click(); }, [](QDialog*) {});
        QVERIFY(!opened);
        QCOMPARE(find<QPushButton>(window, "运算按钮")->text(), QStringLiteral("分析"));
    }

    void aRunDrivenByClicksFillsTheChartAndListsNames() {
        TempDatabase file;
        fillWindowTestDatabase(file);
        MainWindow window(file.path());
        window.show();
        QAbstractItemModelTester tester(&window.gridModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto* compute = find<QPushButton>(window, "运算按钮");
        find<QCheckBox>(window, "选择框2")->setChecked(true);
        find<QLineEdit>(window, "分编辑框")->setText(QStringLiteral("76"));

        compute->click();
        QCOMPARE(compute->text(), QStringLiteral("暂停"));
        QTRY_COMPARE(find<QLabel>(window, "四柱标签")->text(), QStringLiteral("庚寅年 戊子月 丙辰日 己丑时"));
        QTRY_VERIFY(window.gridModel().rowCount() > 100);
        QCOMPARE(find<QLabel>(window, "属相标签")->text(), QStringLiteral("虎"));
        QCOMPARE(find<QLabel>(window, "八字标签")->text(), QStringLiteral("庚寅 戊子 丙辰 己丑"));
        QCOMPARE(find<QLabel>(window, "五行标签")->text(), QStringLiteral("金木 土水 火土 土土 "));
        QCOMPARE(find<QLabel>(window, "纳音标签")->text(), QStringLiteral("松柏木 霹雳火 沙中土 霹雳火 "));
        QCOMPARE(find<QLabel>(window, "喜用神标签")->text(), QStringLiteral("无"));
        QVERIFY(find<QLabel>(window, "农历标签")->text().startsWith(QStringLiteral("2010年  寅虎年 冬月 廿七")));

        compute->click();
        QCOMPARE(compute->text(), QStringLiteral("继续"));
        compute->click();
        QCOMPARE(compute->text(), QStringLiteral("暂停"));
        find<QPushButton>(window, "停止按钮")->click();
        QCOMPARE(compute->text(), QStringLiteral("分析"));
        window.context().runController().waitUntilIdle();
        QTRY_COMPARE(static_cast<std::size_t>(window.gridModel().rowCount()), window.context().results().rowCount());

        const int before = window.gridModel().rowCount();
        QVERIFY(before > 0);
        compute->click(); // a new series starts from an empty grid
        QVERIFY(window.gridModel().rowCount() < before || window.gridModel().rowCount() == 0);
        find<QPushButton>(window, "停止按钮")->click();
        window.close();
        QVERIFY(!window.context().runController().isGenerating());
    }

    void aDoubleClickOpensTheReportOfThatRow() {
        TempDatabase file;
        fillWindowTestDatabase(file);
        MainWindow window(file.path());
        window.show();
        find<QComboBox>(window, "名组合框")->setCurrentIndex(1); // single characters: the run ends by itself
        find<QPushButton>(window, "运算按钮")->click();
        window.context().runController().waitUntilIdle();
        QTRY_VERIFY(window.gridModel().rowCount() > 2);

        auto* grid = find<QTableView>(window, "高级表格1");
        const QModelIndex cell = grid->model()->index(2, 1);
        const QString name = cell.data().toString();
        QString report;
        const bool opened = withModalDialog(
            [&] {
                const QPoint centre = grid->visualRect(cell).center();
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
                QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            },
            [&](QDialog* dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("名字评测"));
                report = dialog->findChild<QPlainTextEdit*>(QStringLiteral("编辑框1"))->toPlainText();
            });
        QVERIFY(opened);
        QVERIFY2(report.contains(QStringLiteral("姓名：") + name + QStringLiteral("  得分：")), qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("四柱：庚寅年 戊子月 丙辰日 己丑时")));
        QCOMPARE(window.context().reportData().current().name, toUtf8(name));

        const bool headerOpened = withModalDialog([&] { window.openReportForRow(0); }, [](QDialog*) {});
        QVERIFY(!headerOpened);
    }

    void aYearOutsideTheTableWarnsTwiceOnTheInterfaceThread() {
        TempDatabase file;
        fillWindowTestDatabase(file, 20, 5);
        MainWindow window(file.path());
        window.show();
        find<QComboBox>(window, "年组合框")->setEditText(QStringLiteral("1880"));
        int warnings = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                QCOMPARE(box->windowTitle(), QStringLiteral("数据出错"));
                QVERIFY(box->text().startsWith(QStringLiteral("请输入正确日期：")));
                QVERIFY(box->text().endsWith(QStringLiteral("1881年----2060年")));
                ++warnings;
                box->accept();
            }
        });
        poll.start(10);
        find<QPushButton>(window, "运算按钮")->click();
        QTRY_COMPARE(warnings, 2);
        QTRY_COMPARE(find<QLabel>(window, "农历标签")->text(), QStringLiteral("1881-2060"));
        find<QPushButton>(window, "停止按钮")->click();
        poll.stop();
    }

    void closingWhileAWorkerWaitsForTheWarningDoesNotHang() {
        TempDatabase file;
        fillWindowTestDatabase(file, 20, 5);
        auto window = std::make_unique<MainWindow>(file.path());
        find<QComboBox>(*window, "年组合框")->setEditText(QStringLiteral("3000"));
        find<QPushButton>(*window, "运算按钮")->click();
        // Without handling events, so that the worker waits for a warning the interface has not shown yet.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        window->close();
        window.reset();
    }

    void withoutADatabaseTheWindowOpensQuietly() {
        TempPath missing(".mdb");
        MainWindow window(missing.path());
        window.show();
        auto* grid = find<QTableView>(window, "高级表格1");
        QVERIFY(!grid->horizontalHeader()->isVisibleTo(&window));
        QCOMPARE(window.context().runState().stopFlag(), 0);
        auto* compute = find<QPushButton>(window, "运算按钮");
        compute->click();
        QCOMPARE(compute->text(), QStringLiteral("暂停"));
        window.context().runController().waitUntilIdle();
        QTRY_VERIFY(!find<QLabel>(window, "四柱标签")->text().isEmpty());
        QCOMPARE(window.gridModel().rowCount(), 0);
        window.openReportForRow(1);
        window.close();
    }

    void aDamagedDatabaseOpensLikeAMissingOne() {
        TempDatabase file;
        fillWindowTestDatabase(file);
        QVERIFY(testing::overwriteSqlitePages(file.path(), 2, 3));
        MainWindow window(file.path());
        window.show();
        QVERIFY(!find<QTableView>(window, "高级表格1")->horizontalHeader()->isVisibleTo(&window));
        QCOMPARE(window.context().runState().stopFlag(), 0);
        QVERIFY(!window.context().interfaceConnection().isOpen());
        window.close();
    }

    void aRunThatFillsTheResultStorePausesWithOurNotice() {
        TempDatabase file;
        fillWindowTestDatabase(file);
        MainWindow window(file.path());
        window.show();
        window.context().results().setRowLimit(40);
        find<QCheckBox>(window, "选择框2")->setChecked(true);
        find<QLineEdit>(window, "分编辑框")->setText(QStringLiteral("76"));
        auto* compute = find<QPushButton>(window, "运算按钮");
        compute->click();
        QTRY_COMPARE(compute->text(), QStringLiteral("继续"));
        QCOMPARE(window.context().runState().stopFlag(), 1);
        const std::size_t listed = window.context().results().rowCount();
        QVERIFY(listed > 0 && listed <= 40);
        QTRY_COMPARE(static_cast<std::size_t>(window.gridModel().rowCount()), listed);
        auto* notice = window.findChild<QMessageBox*>(QStringLiteral("结果已满提示"));
        QVERIFY(notice != nullptr);
        QVERIFY(notice->isVisible());
        QVERIFY(!notice->isModal());
        QVERIFY(notice->windowTitle().startsWith(QStringLiteral("Namewright 提示")));
        QVERIFY2(notice->text().contains(QStringLiteral("已存满 %1 个名字").arg(listed)), qPrintable(notice->text()));
        notice->close();
        // 继续 finds the store full again and pauses again; 停止 then 分析 start a new series.
        compute->click();
        QTRY_COMPARE(compute->text(), QStringLiteral("继续"));
        QVERIFY(notice->isVisible());
        QCOMPARE(window.context().results().rowCount(), listed);
        find<QPushButton>(window, "停止按钮")->click();
        QCOMPARE(compute->text(), QStringLiteral("分析"));
        window.close();
    }

    void aFileWithoutAWordTableOpensLikeAMissingOne() {
        // It used to open and list nothing, quietly: a run with an empty grid as if no name reached the threshold.
        TempDatabase file;
        fillWindowTestDatabase(file);
        file.exec("DROP TABLE word1");
        MainWindow window(file.path());
        window.show();
        QVERIFY(!find<QTableView>(window, "高级表格1")->horizontalHeader()->isVisibleTo(&window));
        QCOMPARE(window.context().runState().stopFlag(), 0);
        QVERIFY(!window.context().interfaceConnection().isOpen());
        QCOMPARE(window.context().interfaceConnection().failure(), OpenFailure::NotANamingDatabase);
        window.close();
    }
};

} // namespace namewright

QTEST_MAIN(namewright::MainWindowTest)
#include "MainWindowTest.moc"
