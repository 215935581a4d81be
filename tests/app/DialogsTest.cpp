#include "AppTestSupport.h"
#include "app/AppContext.h"
#include "app/EvaluationDialog.h"
#include "app/HelpDialog.h"
#include "app/HelpText.h"
#include "app/LunarCalendarDialog.h"
#include "app/LunarMonthCalendar.h"
#include "app/MainWindow.h"
#include "app/ReferenceTablesDialog.h"
#include "app/models/TextConversion.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace namewright {

using testing::fillWindowTestDatabase;
using testing::TempDatabase;
using testing::TempPath;
using testing::withModalDialog;

class DialogsTest : public QObject {
    Q_OBJECT

private:
    static QPlainTextEdit* reportBox(QWidget& dialog) {
        return dialog.findChild<QPlainTextEdit*>(QStringLiteral("编辑框1"));
    }

private slots:
    void theEvaluationWindowEvaluatesItsInitialContents() {
        TempDatabase file;
        fillWindowTestDatabase(file, 20, 5);
        AppContext context(file.path());
        EvaluationDialog dialog(context, nullptr);
        QCOMPARE(dialog.size(), QSize(472, 582));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("编辑框2"))->text(), QStringLiteral("李"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("编辑框3"))->text(), QStringLiteral("哉栋"));
        auto* year = dialog.findChild<QComboBox*>(QStringLiteral("组合框1"));
        QCOMPARE(year->currentText(), QStringLiteral("2011"));
        QCOMPARE(year->count(), 2);
        QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("组合框4"))->itemText(0), QStringLiteral("0"));
        QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("组合框4"))->currentText(), QStringLiteral("1"));
        QVERIFY(reportBox(dialog)->toPlainText().isEmpty());

        dialog.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
        const QString report = reportBox(dialog)->toPlainText();
        QVERIFY2(report.startsWith(QStringLiteral("\n\n姓名：李哉栋  得分：")), qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("四柱：庚寅年 戊子月 丙辰日 己丑时")));
        QCOMPARE(reportBox(dialog)->palette().color(QPalette::Text), QColor(0, 0, 255));
        QCOMPARE(context.reportData().current().name, std::string("李哉栋"));

        // A second evaluation replaces the first report; a given name of three characters changes nothing.
        dialog.findChild<QLineEdit*>(QStringLiteral("编辑框3"))->setText(QStringLiteral("栋"));
        dialog.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
        const QString second = reportBox(dialog)->toPlainText();
        QVERIFY(second.startsWith(QStringLiteral("\n\n姓名：李栋  得分：")));
        QCOMPARE(second.count(QStringLiteral("姓名：")), 1);
        dialog.findChild<QLineEdit*>(QStringLiteral("编辑框3"))->setText(QStringLiteral("哉栋哉"));
        dialog.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
        QCOMPARE(reportBox(dialog)->toPlainText(), second);
    }

    void referenceTablesFollowTheSelectorOfTheLastToolButton() {
        TempDatabase file;
        fillWindowTestDatabase(file, 5, 5);
        MainWindow window(file.path());
        window.show();
        const auto listedColumns = [&](const char* button) {
            QStringList headers;
            const bool opened =
                withModalDialog([&] { window.findChild<QToolButton*>(QString::fromUtf8(button))->click(); },
                                [&](QDialog* dialog) {
                                    auto* grid = dialog->findChild<QTableView*>(QStringLiteral("高级表格1"));
                                    QAbstractItemModelTester tester(
                                        grid->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
                                    for (int column = 0; column < grid->model()->columnCount(); ++column) {
                                        headers << grid->model()->headerData(column, Qt::Horizontal).toString();
                                    }
                                    headers << QString::number(grid->model()->rowCount());
                                    headers << QString::number(grid->columnWidth(3));
                                });
            return opened ? headers : QStringList{QStringLiteral("no dialog")};
        };
        const QStringList numerology{QString(),
                                     QStringLiteral("数理序号"),
                                     QStringLiteral("吉否"),
                                     QStringLiteral("一字描述"),
                                     QStringLiteral("基业"),
                                     QStringLiteral("家庭"),
                                     QStringLiteral("健康"),
                                     QStringLiteral("含意"),
                                     QStringLiteral("81"),
                                     QStringLiteral("200")};
        QCOMPARE(listedColumns("数理表"), numerology);
        const QStringList threeTalents{QString(),
                                       QStringLiteral("ID"),
                                       QStringLiteral("属性"),
                                       QStringLiteral("解释"),
                                       QStringLiteral("吉否"),
                                       QStringLiteral("125"),
                                       QStringLiteral("500")};
        QCOMPARE(listedColumns("三才表"), threeTalents);
        QCOMPARE(listedColumns("数理表"), numerology);
    }

    void aReferenceWindowWithoutADatabaseShowsAnEmptyGrid() {
        TempPath missing(".mdb");
        ReferenceTablesDialog dialog("", missing.path(), nullptr);
        QCOMPARE(dialog.size(), QSize(600, 436));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("标签1"))->text(), QStringLiteral("详细内容如下表："));
        QCOMPARE(dialog.grid()->model()->rowCount(), 0);
        QCOMPARE(dialog.grid()->model()->columnCount(), 0);
    }

    void theLunarCalendarNamesEveryDay() {
        LunarCalendarDialog dialog(nullptr);
        QCOMPARE(dialog.calendar()->objectName(), QStringLiteral("农历月历1"));
        QCOMPARE(dialog.calendar()->geometry(), QRect(32, 24, 365, 262));
        QCOMPARE(dialog.calendar()->minimumDate(), QDate(1881, 1, 30));
        QCOMPARE(dialog.calendar()->maximumDate(), QDate(2060, 12, 31));
        QCOMPARE(LunarMonthCalendar::lunarCaption(QDate(2010, 3, 16)), QStringLiteral("二月"));
        QCOMPARE(LunarMonthCalendar::lunarCaption(QDate(2010, 2, 15)), QStringLiteral("初二"));
        // Day 20 reads 二十 in the calendar, although the lunar date text of that day says 廿十.
        QCOMPARE(LunarMonthCalendar::lunarCaption(QDate(2010, 3, 5)), QStringLiteral("二十"));
        QVERIFY(LunarMonthCalendar::dayTooltip(QDate(2010, 3, 5)).contains(QStringLiteral("正月二十")));
        QCOMPARE(LunarMonthCalendar::lunarCaption(QDate(2020, 5, 23)), QStringLiteral("闰四月"));
        QCOMPARE(LunarMonthCalendar::lunarCaption(QDate(2034, 1, 20)), QStringLiteral("大寒")); // 腊月初一, a term day
        QVERIFY(LunarMonthCalendar::lunarCaption(QDate(1881, 1, 29)).isEmpty());
        dialog.calendar()->setSelectedDate(QDate(1800, 1, 1));
        QCOMPARE(dialog.calendar()->selectedDate(), QDate(1881, 1, 30));
        dialog.show();
        QVERIFY(!dialog.grab().isNull()); // paints every cell, inside and outside the covered dates
    }

    void theLunarCalendarMarksTermsAndFestivals() {
        // 2024: 春节 on 2024-02-10, 立春 on 2024-02-04 16:27, 清明 (term and festival) on 2024-04-04, 中秋 on 09-17.
        QCOMPARE(LunarMonthCalendar::lunarCaption(QDate(2024, 2, 10)), QStringLiteral("春节"));
        QCOMPARE(LunarMonthCalendar::lunarCaption(QDate(2024, 2, 4)), QStringLiteral("立春"));
        QCOMPARE(LunarMonthCalendar::lunarCaption(QDate(2024, 4, 4)), QStringLiteral("清明"));
        QCOMPARE(LunarMonthCalendar::lunarCaption(QDate(2024, 9, 17)), QStringLiteral("中秋"));
        QCOMPARE(LunarMonthCalendar::lunarCaption(QDate(2024, 2, 9)), QStringLiteral("除夕"));
        QCOMPARE(LunarMonthCalendar::lunarCaption(QDate(2024, 2, 11)), QStringLiteral("初二"));

        const QColor normal(Qt::black);
        QCOMPARE(LunarMonthCalendar::markColour(QDate(2024, 2, 10), normal), QColor(190, 20, 20));
        QCOMPARE(LunarMonthCalendar::markColour(QDate(2024, 2, 4), normal), QColor(0, 120, 60));
        QCOMPARE(LunarMonthCalendar::markColour(QDate(2024, 2, 11), normal), normal);
        QCOMPARE(LunarMonthCalendar::markColour(QDate(2024, 3, 10), normal), QColor(190, 90, 0)); // 二月初一

        const QString tip = LunarMonthCalendar::dayTooltip(QDate(2024, 2, 4));
        QVERIFY2(tip.contains(QStringLiteral("立春 2024-02-04 16:27")), qPrintable(tip));
        QVERIFY2(tip.contains(QStringLiteral("日柱 戊戌")), qPrintable(tip));
        QVERIFY(!LunarMonthCalendar::dayTooltip(QDate(2024, 2, 5)).contains(QStringLiteral("立春")));
        QVERIFY(LunarMonthCalendar::dayTooltip(QDate(1881, 1, 29)).isEmpty());
    }

    void theLunarCalendarFindsTheDayUnderThePointer() {
        LunarCalendarDialog dialog(nullptr);
        LunarMonthCalendar* calendar = dialog.calendar();
        calendar->setSelectedDate(QDate(2024, 2, 4));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* view = calendar->findChild<QAbstractItemView*>();
        QVERIFY(view != nullptr);
        view->viewport()->repaint();
        // Every day of the shown month lies under exactly one cell's centre.
        int found = 0;
        for (int y = 0; y < view->viewport()->height(); y += 4) {
            for (int x = 0; x < view->viewport()->width(); x += 4) {
                const QDate date = calendar->dateAt(QPoint(x, y));
                found += date == QDate(2024, 2, 4) ? 1 : 0;
            }
        }
        QVERIFY(found > 0);
        QVERIFY(!calendar->dateAt(QPoint(-5, -5)).isValid());
    }

    void theHelpWindowShowsTheHelpTextReadOnly() {
        HelpDialog dialog(nullptr);
        auto* box = dialog.findChild<QPlainTextEdit*>(QStringLiteral("编辑框1"));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->geometry(), QRect(16, 16, 448, 384));
        const QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 28);
        QCOMPARE(lines.first(), QStringLiteral("使用帮助："));
        QVERIFY(lines[1].isEmpty());
        QCOMPARE(lines[17].count(QLatin1Char('-')), 84);
        QCOMPARE(lines.last(), QStringLiteral("   "));
        const std::string text = helpText();
        QVERIFY(text.ends_with("\r\n   "));
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), 27);
    }
};

} // namespace namewright

QTEST_MAIN(namewright::DialogsTest)
#include "DialogsTest.moc"
