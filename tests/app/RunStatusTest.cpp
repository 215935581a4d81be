// What the windows say about a run and about missing things: the compute button's tooltip once a run has ended, a
// shortlist that keeps to the current birth moment, empty results that say why, Return starting a run, 评测此名
// evaluating at once, a sort going to the top, the score notes, the help window's second page and the damaged
// database.

#include "app/AppContext.h"
#include "app/HelpDialog.h"
#include "app/MainWindow.h"
#include "app/RunStatusText.h"
#include "app/ShortlistDialog.h"
#include "app/models/ResultGridModel.h"
#include "app/models/ShortlistModel.h"

#include "AppTestSupport.h"
#include "support/Files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace namewright {

using testing::fillWindowTestDatabase;
using testing::TempDatabase;
using testing::TempPath;
using testing::withModalDialog;

namespace {

template <typename T> T* find(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(QString::fromUtf8(name));
    if (widget == nullptr) {
        qFatal("no control %s", name);
    }
    return widget;
}

bool withShortlist(MainWindow& window, const std::function<void(ShortlistDialog&)>& inspect) {
    return withModalDialog([&] { find<QToolButton>(window, "名单按钮")->click(); },
                           [&](QDialog* dialog) {
                               auto* shortlist = qobject_cast<ShortlistDialog*>(dialog);
                               QVERIFY(shortlist != nullptr);
                               inspect(*shortlist);
                           });
}

QString status(ShortlistDialog& dialog) {
    return find<QLabel>(dialog, "名单状态")->text();
}

} // namespace

class RunStatusTest : public QObject {
    Q_OBJECT

    TempDatabase m_file;
    QTemporaryDir m_folder;

    std::unique_ptr<MainWindow> window() {
        return std::make_unique<MainWindow>(m_file.path(), nullptr,
                                            m_folder.filePath(QStringLiteral("favourites.json")));
    }

    /// Presses the compute button and waits until `rows` more rows are listed, then pauses and waits for the worker.
    static void runAndPause(MainWindow& window, std::size_t rows) {
        const std::size_t target = window.context().results().rowCount() + rows;
        find<QPushButton>(window, "运算按钮")->click();
        QTRY_VERIFY(window.context().results().rowCount() >= target);
        find<QPushButton>(window, "运算按钮")->click();
        window.context().runController().waitUntilIdle();
        QCOMPARE(find<QPushButton>(window, "运算按钮")->text(), QStringLiteral("继续"));
    }

private slots:
    void initTestCase() { fillWindowTestDatabase(m_file); }

    void theComputeButtonSaysWhenARunHasEndedAndKeepsItsCaption() {
        auto w = window();
        auto* compute = find<QPushButton>(*w, "运算按钮");
        QVERIFY(compute->toolTip().contains(QStringLiteral("尚未运算")));
        find<QComboBox>(*w, "名组合框")->setCurrentText(QStringLiteral("单字")); // a run that ends by itself
        compute->click();
        w->context().runController().waitUntilIdle();
        QCOMPARE(compute->text(), QStringLiteral("暂停"));
        QTRY_VERIFY(compute->toolTip().contains(QStringLiteral("运算已结束")));
        withShortlist(*w, [](ShortlistDialog& dialog) {
            QVERIFY2(status(dialog).contains(QStringLiteral("运算已结束")), qPrintable(status(dialog)));
        });
        compute->click();
        QCOMPARE(compute->text(), QStringLiteral("继续"));
        QVERIFY(compute->toolTip().contains(QStringLiteral("已暂停")));
        find<QPushButton>(*w, "停止按钮")->click();
        QVERIFY(compute->toolTip().contains(QStringLiteral("已停止")));
    }

    void theShortlistKeepsToTheRowsOfTheCurrentBirthMoment() {
        auto w = window();
        runAndPause(*w, 40);
        find<QComboBox>(*w, "日组合框")->setCurrentText(QStringLiteral("2"));
        const std::size_t changedAt = w->context().results().rowCount();
        runAndPause(*w, 40);
        const std::size_t rows = w->context().results().rowCount();
        QCOMPARE(w->context().seriesRecord()->firstRow, changedAt);
        QVERIFY(withShortlist(*w, [&](ShortlistDialog& dialog) {
            const Shortlist& shortlist = dialog.model().shortlist();
            QCOMPARE(shortlist.firstRow(), changedAt);
            QCOMPARE(shortlist.rowsOfMoment(), rows - changedAt);
            for (int row = 0; row < dialog.model().rowCount(); ++row) {
                QVERIFY(dialog.model().firstRowAt(row) >= changedAt);
            }
            const QString text = status(dialog);
            QVERIFY2(text.contains(QStringLiteral("本轮列出 %1 行")
                                       .arg(QLocale(QLocale::Chinese, QLocale::China)
                                                .toString(static_cast<qulonglong>(rows - changedAt)))),
                     qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("未计入")), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("已暂停")), qPrintable(text));
            QVERIFY2(!text.contains(QStringLiteral("标记：")), "no knowledge file beside the test database: no legend");
            QVERIFY2(!dialog.selectName(0), "a row of the earlier moment is not in this shortlist");
        }));
        w->close();
    }

    void emptyResultsSayWhy() {
        auto w = window();
        QVERIFY(withShortlist(*w, [](ShortlistDialog& dialog) {
            QVERIFY2(status(dialog).contains(QStringLiteral("请先在主窗口按“分析”")), qPrintable(status(dialog)));
        }));
        // The test chart of 2011-01-01 at 1 o'clock has all five elements: 补缺 says so instead of a bare 0.
        runAndPause(*w, 20);
        QVERIFY(withShortlist(*w, [](ShortlistDialog& dialog) {
            find<QCheckBox>(dialog, "补缺框")->setChecked(true);
            QCOMPARE(dialog.model().rowCount(), 0);
            QVERIFY2(status(dialog).contains(QStringLiteral("五行俱全")), qPrintable(status(dialog)));
            QVERIFY(find<QCheckBox>(dialog, "补缺框")->toolTip().contains(QStringLiteral("五行俱全")));
        }));
        ShortlistSources sources;
        sources.chartState = SeriesChartState::OutOfRange;
        QVERIFY(missingElementNote(sources).contains(QStringLiteral("排不出八字")));
        sources.chartState = SeriesChartState::NoDatabase;
        QVERIFY(missingElementNote(sources).contains(QStringLiteral("数据库")));
        sources.chartState = SeriesChartState::Worked;
        sources.missingElements = ElementSet{Element::Fire};
        QVERIFY(missingElementNote(sources).isEmpty());

        // A fixed character the dictionary lacks lists nothing: the earlier chart goes, and the tooltip says why.
        find<QPushButton>(*w, "停止按钮")->click();
        QVERIFY(!find<QLabel>(*w, "八字标签")->text().isEmpty());
        find<QCheckBox>(*w, "选择框1")->setChecked(true);
        find<QLineEdit>(*w, "字编辑框")->setText(QStringLiteral("鿏"));
        find<QPushButton>(*w, "运算按钮")->click();
        w->context().runController().waitUntilIdle();
        QVERIFY(find<QLabel>(*w, "八字标签")->text().isEmpty());
        QVERIFY(find<QLabel>(*w, "农历标签")->text().isEmpty());
        QVERIFY(find<QPushButton>(*w, "运算按钮")->toolTip().contains(QStringLiteral("字库中没有“鿏”")));
        QCOMPARE(w->context().results().rowCount(), 0U);
    }

    void returnInTheFamilyBoxOrOnTheButtonPressesIt() {
        auto w = window();
        w->show();
        auto* compute = find<QPushButton>(*w, "运算按钮");
        QTest::keyClick(find<QLineEdit>(*w, "姓编辑框"), Qt::Key_Return);
        QCOMPARE(compute->text(), QStringLiteral("暂停"));
        QTest::keyClick(find<QLineEdit>(*w, "姓编辑框"), Qt::Key_Return);
        QCOMPARE(compute->text(), QStringLiteral("暂停")); // Return in the family box never pauses a run
        QTest::keyClick(compute, Qt::Key_Return);
        QCOMPARE(compute->text(), QStringLiteral("继续"));
        QTest::keyClick(compute, Qt::Key_Enter);
        QCOMPARE(compute->text(), QStringLiteral("暂停"));
        QTest::keyClick(find<QPushButton>(*w, "停止按钮"), Qt::Key_Return);
        QCOMPARE(compute->text(), QStringLiteral("分析"));
        w->close();
    }

    void evaluatingAListedNameShowsItsReportAtOnce() {
        auto w = window();
        runAndPause(*w, 5);
        w->gridModel().takeNewRows();
        std::unique_ptr<QMenu> menu = w->gridMenu(1);
        QString report;
        QVERIFY(withModalDialog(
            [&] { menu->findChild<QAction*>(QStringLiteral("评测此名动作"))->trigger(); },
            [&](QDialog* dialog) { report = find<QPlainTextEdit>(*dialog, "编辑框1")->toPlainText(); }));
        QVERIFY(!report.isEmpty());
        QVERIFY(report.contains(QString::fromStdString(w->context().results().cellText(0, ResultColumn::Name))));
        w->close();
    }

    void aClickOnAColumnTitleShowsTheTopOfTheNewOrder() {
        auto w = window();
        runAndPause(*w, 300);
        QVERIFY(withShortlist(*w, [](ShortlistDialog& dialog) {
            auto* table = find<QTableView>(dialog, "名单表格");
            QVERIFY(dialog.model().rowCount() > 60);
            table->selectRow(50);
            table->scrollTo(dialog.model().index(50, 0), QAbstractItemView::PositionAtTop);
            QVERIFY(table->verticalScrollBar()->value() > 0);
            QHeaderView* header = table->horizontalHeader();
            const int section = static_cast<int>(ShortlistColumn::Name);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
            QCOMPARE(header->sortIndicatorSection(), section);
            QTRY_COMPARE(table->verticalScrollBar()->value(), 0);
        }));
        w->close();
    }

    void theDetailsPaneSaysWhichScoreIsWhich() {
        auto w = window();
        runAndPause(*w, 5);
        QVERIFY(withShortlist(*w, [](ShortlistDialog& dialog) {
            QCOMPARE(find<QPlainTextEdit>(dialog, "详情报告")->lineWrapMode(), QPlainTextEdit::NoWrap);
            auto* note = find<QLabel>(dialog, "详情分数说明");
            QVERIFY(note->isVisibleTo(&dialog));
            const QStringList lines = note->text().split(QLatin1Char('\n'));
            QCOMPARE(lines.size(), 2); // no compound surname: no line for 复姓分
            QVERIFY(lines[0].startsWith(QStringLiteral("分数：")));
            QVERIFY(lines[1].startsWith(QStringLiteral("评测分：")));
        }));
        w->close();
    }

    void theHelpWindowHasASecondPageAndTheDescribedTextStays() {
        HelpDialog dialog(nullptr, QStringLiteral("未能读取取名数据库 X"));
        dialog.show();
        auto* box = find<QPlainTextEdit>(dialog, "编辑框1");
        auto* more = find<QPlainTextEdit>(dialog, "更多说明框");
        auto* toggle = find<QPushButton>(dialog, "更多说明按钮");
        QVERIFY(box->isVisible());
        QVERIFY(!more->isVisible());
        QVERIFY(box->toPlainText().startsWith(QStringLiteral("使用帮助：")));
        QVERIFY(find<QLabel>(dialog, "数据库提示")->isVisible());
        toggle->click();
        QVERIFY(more->isVisible());
        QVERIFY(!box->isVisible());
        const QString text = more->toPlainText();
        for (const char* word : {"名单", "收藏", "推荐", "namewright-cli", "未能读取取名数据库 X"}) {
            QVERIFY2(text.contains(QString::fromUtf8(word)), word);
        }
        QCOMPARE(toggle->text(), QStringLiteral("使用帮助"));
        toggle->click();
        QVERIFY(box->isVisible());
        QVERIFY(HelpDialog(nullptr).findChild<QLabel*>(QStringLiteral("数据库提示")) == nullptr);
    }

    void aDatabaseThatCannotBeReadIsNamedWithItsPlace() {
        TempDatabase damaged;
        fillWindowTestDatabase(damaged);
        damaged.exec("DROP TABLE word1");
        MainWindow w(damaged.path(), nullptr, m_folder.filePath(QStringLiteral("f2.json")));
        const QString place = QString::fromStdString(damaged.path().string());
        QVERIFY(databaseNotice(w.context()).contains(place));
        QVERIFY(find<QPushButton>(w, "运算按钮")->toolTip().contains(QStringLiteral("未能读取取名数据库")));
        QVERIFY(withShortlist(
            w, [&](ShortlistDialog& dialog) { QVERIFY2(status(dialog).contains(place), qPrintable(status(dialog))); }));
        QVERIFY(withModalDialog(
            [&] { find<QToolButton>(w, "帮助按钮")->click(); },
            [](QDialog* dialog) { QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("数据库提示"))); }));
        QVERIFY(databaseNotice(window()->context()).isEmpty());
    }
};

} // namespace namewright

QTEST_MAIN(namewright::RunStatusTest)
#include "RunStatusTest.moc"
