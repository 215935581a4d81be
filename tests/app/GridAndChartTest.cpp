// The result grid and the chart panel of the main window: the whole 五行 column shows without a horizontal scrollbar,
// the vertical scrollbar sits in the gap beside the grid, red names keep their contrast, every chart result label
// holds the longest text it can be given, and the panel picture draws nothing under the labels.

#include "AppTestSupport.h"
#include "app/AppContext.h"
#include "app/ChartResultLabel.h"
#include "app/Fonts.h"
#include "app/MainWindow.h"
#include "app/ResultGridView.h"
#include "app/models/ResultGridModel.h"
#include "calendar/LunarConversion.h"
#include "calendar/LunarTexts.h"
#include "calendar/LunarYearTable.h"
#include "calendar/Pillars.h"
#include "calendar/Sexagenary.h"
#include "support/SyntheticStore.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

namespace namewright {

using testing::fillWindowTestDatabase;
using testing::TempDatabase;

namespace {

/// Relative luminance and contrast ratio of the WCAG 2 formula.
double luminance(const QColor& colour) {
    const auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString withoutSpaces(QString text) {
    return text.remove(QLatin1Char(' '));
}

/// The widest of `texts` in `font`.
QString widest(const QStringList& texts, const QFont& font) {
    const QFontMetricsF metrics(font);
    QString best;
    for (const QString& text : texts) {
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(best)) {
            best = text;
        }
    }
    return best;
}

/// One column of the shipped table source data/tables/bazi.tsv (1 = wuxing, 2 = wuxing1), header skipped.
QStringList shippedBaziColumn(int column) {
    std::ifstream in(std::filesystem::path(NAMEWRIGHT_SOURCE_DIR) / "data" / "tables" / "bazi.tsv");
    std::string line;
    std::getline(in, line);
    QStringList values;
    while (std::getline(in, line)) {
        const QStringList fields = QString::fromStdString(line).split(QLatin1Char('\t'));
        if (fields.size() > column) {
            values << fields[column];
        }
    }
    return values;
}

} // namespace

class GridAndChartTest : public QObject {
    Q_OBJECT

private:
    /// Checks, independently of how the label chose it, that the layout of `text` keeps every character and keeps
    /// each line's ink inside the label's box, above the next line's ink.
    static void verifyHolds(ChartResultLabel* label, const QString& text) {
        const QSize box = label->contentsRect().size();
        const ChartTextLayout layout = ChartResultLabel::layoutText(text, label->font(), box);
        QVERIFY2(layout.fits, qPrintable(label->objectName() + QStringLiteral(": ") + text));
        QVERIFY(layout.lines.size() <= 2);
        QVERIFY(layout.font.pixelSize() >= ChartResultLabel::kSmallestPixelSize);
        QCOMPARE(withoutSpaces(layout.lines.join(QString())), withoutSpaces(text));
        const QFontMetricsF metrics(layout.font);
        qreal previousBottom = 0.0;
        for (qsizetype i = 0; i < layout.lines.size(); ++i) {
            const QRectF ink = metrics.tightBoundingRect(layout.lines[i]).translated(0.0, layout.baselines[i]);
            QVERIFY2(ink.left() >= -0.5 && ink.right() <= box.width(), qPrintable(text));
            QVERIFY2(ink.top() >= previousBottom && ink.bottom() <= box.height(), qPrintable(text));
            previousBottom = ink.bottom();
        }
    }

    static ChartResultLabel* result(MainWindow& window, const char* name) {
        return window.findChild<ChartResultLabel*>(QString::fromUtf8(name));
    }

private slots:
    void initTestCase() { QApplication::setFont(interfaceFont()); } // as main() does

    void theWholeElementColumnShowsWithoutAHorizontalScrollbar() {
        TempDatabase file;
        fillWindowTestDatabase(file);
        MainWindow window(file.path());
        window.show();
        auto* grid = window.findChild<QTableView*>(QStringLiteral("高级表格1"));
        QCOMPARE(grid->geometry(), QRect(24, 168, 424, 280));
        const auto lastColumnShows = [grid] {
            return grid->columnViewportPosition(9) == 424 - 43 && grid->viewport()->width() >= 424 &&
                   !grid->horizontalScrollBar()->isVisible() && !grid->verticalScrollBar()->isVisible();
        };
        QVERIFY(lastColumnShows()); // on the empty grid

        window.findChild<QComboBox*>(QStringLiteral("名组合框"))->setCurrentIndex(1);
        window.findChild<QPushButton*>(QStringLiteral("运算按钮"))->click();
        window.context().runController().waitUntilIdle();
        QTRY_VERIFY(window.gridModel().rowCount() > 40);
        QVERIFY(lastColumnShows()); // with rows enough to scroll
        QCOMPARE(grid->columnWidth(9), 43);
    }

    void theVerticalScrollbarSitsInTheGapAndScrollsTheGrid() {
        TempDatabase file;
        fillWindowTestDatabase(file);
        MainWindow window(file.path());
        window.show();
        auto* grid = window.findChild<QTableView*>(QStringLiteral("高级表格1"));
        auto* bar = window.findChild<QScrollBar*>(QStringLiteral("高级表格1滚动条"));
        QVERIFY(bar != nullptr);
        const QRect panel = window.findChild<QWidget*>(QStringLiteral("图片框2"))->geometry();
        QVERIFY(bar->geometry().left() >= grid->geometry().right() + 1);
        QVERIFY(bar->geometry().right() < panel.left());
        QCOMPARE(bar->geometry().height(), grid->height());
        QVERIFY(!bar->isVisible()); // nothing to scroll yet

        window.findChild<QComboBox*>(QStringLiteral("名组合框"))->setCurrentIndex(1);
        window.findChild<QPushButton*>(QStringLiteral("运算按钮"))->click();
        window.context().runController().waitUntilIdle();
        QTRY_VERIFY(window.gridModel().rowCount() > 40);
        QTRY_VERIFY(bar->isVisible());
        QCOMPARE(bar->maximum(), grid->verticalScrollBar()->maximum());

        bar->setValue(bar->maximum());
        QCOMPARE(grid->verticalScrollBar()->value(), grid->verticalScrollBar()->maximum());
        QCOMPARE(grid->rowAt(grid->viewport()->height() - 1), window.gridModel().rowCount() - 1);
        grid->scrollToTop(); // keys and the wheel move the grid; the bar follows
        QCOMPARE(bar->value(), 0);
        QWheelEvent wheel(QPointF(100, 100), grid->viewport()->mapToGlobal(QPointF(100, 100)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(grid->viewport(), &wheel);
        QVERIFY(bar->value() > 0);
    }

    void rowsStreamingBelowTheGridScrollAsAFullLayoutWouldHaveThem() {
        testing::SyntheticStore synthetic;
        const auto li = synthetic.family("李", 7, "火");
        ResultGridModel model(synthetic.store);
        ResultGridView view;
        view.verticalHeader()->hide();
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.verticalHeader()->setDefaultSectionSize(20);
        view.setModel(&model);
        view.resize(424, 250);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QScrollBar* bar = view.verticalScrollBar();
        int next = 0;
        const auto append = [&](int rows) {
            for (int i = 0; i < rows; ++i, ++next) {
                synthetic.add(li, next % 300, 300 + next % 97);
            }
            model.takeNewRows();
            QCoreApplication::processEvents(); // a full layout, where one was asked for
        };
        // What QTableView's own layout makes of the rows: the light way must leave it nothing to change.
        const auto checkAgainstFullLayout = [&] {
            const int maximum = bar->maximum();
            const int page = bar->pageStep();
            const int value = bar->value();
            view.doItemsLayout();
            QCOMPARE(bar->maximum(), maximum);
            QCOMPARE(bar->pageStep(), page);
            QCOMPARE(bar->value(), value);
        };

        append(3); // a grid not yet full takes the full layout, and shows the rows
        QCOMPARE(view.quietAppends(), 0);
        QCOMPARE(view.rowAt(0), 0);
        QCOMPARE(view.rowAt(2 * 20 + 5), 2);
        append(40); // fills the grid
        checkAgainstFullLayout();
        const int quietBefore = view.quietAppends();
        for (const int slice : {1, 7, 250, 1, 3000}) {
            append(slice);
            QCOMPARE(model.rowCount(), next); // every row arrives
            checkAgainstFullLayout();
        }
        QCOMPARE(view.quietAppends(), quietBefore + 5);

        // At the end the last row sits on the bottom edge; rows that follow bring the row of the scroll value to the
        // top, as QTableView has it, and show below it.
        const int height = view.viewport()->height();
        QVERIFY(height % 20 != 0); // a strip that a row only partly fills
        view.scrollToBottom();
        QCOMPARE(view.rowAt(height - 1), model.rowCount() - 1);
        const int value = bar->value();
        const int lastBefore = model.rowCount() - 1;
        append(2);
        QCOMPARE(bar->value(), value);
        QCOMPARE(bar->maximum(), value + 2);
        QCOMPARE(view.rowAt(0), value);
        QCOMPARE(view.rowAt(height - 1), lastBefore + 1);
        checkAgainstFullLayout();
        QCOMPARE(view.quietAppends(), quietBefore + 5);
        append(500); // above the end again: the light way
        QCOMPARE(view.quietAppends(), quietBefore + 6);
        QCOMPARE(view.rowAt(0), value);
        QCOMPARE(view.rowAt(height - 1), lastBefore + 1);
        checkAgainstFullLayout();

        // A clear and a new series: the full layout again, from the top.
        model.beginClear();
        synthetic.store.clear(synthetic.series());
        model.endClear();
        QCoreApplication::processEvents();
        QCOMPARE(bar->maximum(), 0);
        next = 0;
        append(100);
        QCOMPARE(model.rowCount(), 100);
        checkAgainstFullLayout();
        QCOMPARE(bar->value(), 0);
        QCOMPARE(view.rowAt(0), 0);
    }

    void redNamesKeepTheirContrastOnBothStripes() {
        TempDatabase file;
        fillWindowTestDatabase(file);
        MainWindow window(file.path());
        window.show();
        QAbstractItemModelTester tester(&window.gridModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        window.findChild<QComboBox*>(QStringLiteral("名组合框"))->setCurrentIndex(1);
        window.findChild<QPushButton*>(QStringLiteral("运算按钮"))->click();
        window.context().runController().waitUntilIdle();
        QTRY_VERIFY(window.gridModel().rowCount() > 40);
        const QPalette palette = window.findChild<QTableView*>(QStringLiteral("高级表格1"))->palette();
        int red = 0;
        int plain = 0;
        for (int row = 0; row < window.gridModel().rowCount(); ++row) {
            const int score = window.gridModel().index(row, 2).data().toInt();
            const QVariant foreground = window.gridModel().index(row, 1).data(Qt::ForegroundRole);
            if (score >= 95) {
                ++red;
                const QColor colour = foreground.value<QBrush>().color();
                QVERIFY(colour.red() > 2 * colour.green() && colour.red() > 2 * colour.blue()); // still red
                QVERIFY(contrast(colour, palette.color(QPalette::Base)) >= 4.5);
                QVERIFY(contrast(colour, palette.color(QPalette::AlternateBase)) >= 4.5);
            } else {
                ++plain;
                QVERIFY(!foreground.isValid());
            }
        }
        QVERIFY(red > 0 && plain > 0);
        QVERIFY(contrast(QColor(0xC8, 0x00, 0x00), QColor(0xC0, 0xC0, 0xC0)) < 4.5); // the old red did not
    }

    void everyChartLabelHoldsTheLongestTextItCanBeGiven() {
        TempDatabase file;
        MainWindow window(file.path());
        ChartResultLabel* lunar = result(window, "农历标签");
        // The widest lunar date text of every lunar year (their widths differ by era year, leap month and digits;
        // the hour branch taken at its widest), and the out-of-range text.
        QStringList hours;
        for (int hour = 0; hour < 24; hour += 2) {
            hours << QString::fromStdString(ConvertToLunarText(1887, 5, 23, hour));
        }
        const int widestHour = static_cast<int>(hours.indexOf(widest(hours, lunar->font()))) * 2;
        const QFontMetricsF metrics(lunar->font());
        std::map<int, std::pair<qreal, QString>> widestOfYear;
        for (int count = 1; count <= dayCountOf(2060, 12, 31); ++count) {
            const GregorianDate date = dateOfDayCount(count);
            const QString text =
                QString::fromStdString(ConvertToLunarText(date.year, date.month, date.day, widestHour));
            auto& [width, widestText] = widestOfYear[text.left(4).toInt()];
            if (const qreal advance = metrics.horizontalAdvance(text); advance > width) {
                width = advance;
                widestText = text;
            }
        }
        QCOMPARE(widestOfYear.size(), std::size_t{180});
        for (const auto& [year, widestText] : widestOfYear) {
            verifyHolds(lunar, widestText.second);
        }
        verifyHolds(lunar, QString::fromUtf8(kOutOfRangeText.data(), kOutOfRangeText.size()));

        // Pillars: the widest of the sixty pairs in every place.
        QStringList pairs;
        for (int i = 1; i <= 60; ++i) {
            const std::string_view text = SexagenaryPair::fromPosition(i).text();
            pairs << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        }
        const QString pair = widest(pairs, result(window, "四柱标签")->font());
        verifyHolds(result(window, "四柱标签"), pair + QStringLiteral("年 ") + pair + QStringLiteral("月 ") + pair +
                                                    QStringLiteral("日 ") + pair + QStringLiteral("时"));
        verifyHolds(result(window, "四柱标签"), QStringLiteral("1881-2060"));
        verifyHolds(result(window, "八字标签"), QStringList(4, pair).join(QLatin1Char(' ')));
        verifyHolds(result(window, "八字标签"), QStringLiteral("1881-2060"));

        // Elements and nayin: the widest texts of the shipped table, four of them, each followed by a space.
        const QString elements = widest(shippedBaziColumn(1), result(window, "五行标签")->font());
        const QString nayin = widest(shippedBaziColumn(2), result(window, "纳音标签")->font());
        QVERIFY(!elements.isEmpty() && !nayin.isEmpty());
        verifyHolds(result(window, "五行标签"), QString(elements + QLatin1Char(' ')).repeated(4));
        verifyHolds(result(window, "纳音标签"), QString(nayin + QLatin1Char(' ')).repeated(4));

        QStringList animals;
        for (int branch = 1; branch <= 12; ++branch) {
            const std::string_view animal = EarthlyBranch::fromNumber(branch).animal();
            animals << QString::fromUtf8(animal.data(), static_cast<qsizetype>(animal.size()));
        }
        verifyHolds(result(window, "属相标签"), widest(animals, result(window, "属相标签")->font()));
        verifyHolds(result(window, "喜用神标签"), QStringLiteral("金 木 水 火 土 "));
    }

    void aLongLunarTextTakesTwoLinesAndAnOrdinaryOneKeepsTheNormalType() {
        TempDatabase file;
        MainWindow window(file.path());
        window.show();
        ChartResultLabel* lunar = result(window, "农历标签");
        const int normalSize = QFontInfo(lunar->font()).pixelSize();

        lunar->showResult(QStringLiteral("2010年  寅虎年 冬月 廿七 丑时"));
        QCOMPARE(lunar->currentLayout().lines.size(), 1);
        QCOMPARE(lunar->currentLayout().font.pixelSize(), normalSize);

        const QString leap = QString::fromStdString(ConvertToLunarText(2020, 5, 23, 1));
        lunar->showResult(leap);
        QCOMPARE(lunar->toolTip(), leap);
        QVERIFY(lunar->currentLayout().fits);

        const QString longest = QString::fromStdString(ConvertToLunarText(1887, 5, 23, 1));
        QCOMPARE(longest, QStringLiteral("1887年  光绪一十三年 亥猪年 闰四月 初一 丑时"));
        lunar->showResult(longest);
        QCOMPARE(lunar->toolTip(), longest);
        QCOMPARE(lunar->currentLayout().lines.size(), 2);
        // Both lines are drawn: ink in the upper and in the lower half of the label.
        const QImage picture = lunar->grab().toImage();
        const auto inkRows = [&](int top, int bottom) {
            int rows = 0;
            for (int y = top; y < bottom; ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    if (qGray(picture.pixel(x, y)) < 100) {
                        ++rows;
                        break;
                    }
                }
            }
            return rows;
        };
        QVERIFY(inkRows(0, picture.height() / 2) > 3);
        QVERIFY(inkRows(picture.height() / 2, picture.height()) > 3);
    }

    void thePanelPictureDrawsNothingUnderTheLabels() {
        TempDatabase file;
        MainWindow window(file.path());
        const QImage panel(QStringLiteral(":/images/panel.png"));
        QWidget* holder = window.findChild<QWidget*>(QStringLiteral("图片框2"));
        QCOMPARE(panel.size(), holder->size());
        int checked = 0;
        for (const QLabel* label : holder->findChildren<QLabel*>()) {
            if (label->objectName().isEmpty()) {
                continue; // the picture itself
            }
            // Paper only: light, warm and nearly flat; the frame, rules and ornaments are far darker.
            const QRect area = label->geometry();
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    QVERIFY2(qGray(panel.pixel(x, y)) > 225, qPrintable(label->objectName()));
                }
            }
            ++checked;
        }
        QCOMPARE(checked, 14); // seven captions, seven results
    }
};

} // namespace namewright

QTEST_MAIN(namewright::GridAndChartTest)
#include "GridAndChartTest.moc"
