// How the windows look and answer: one highlighted day in the lunar calendar, read-only report and help boxes, tool
// buttons with their icons and legible captions (this binary runs at 100 % and again at 200 % scale), blank dialog
// titles and check boxes that answer to their whole box.

#include "AppTestSupport.h"
#include "app/AppContext.h"
#include "app/CachedTextDelegate.h"
#include "app/EvaluationDialog.h"
#include "app/Fonts.h"
#include "app/HelpDialog.h"
#include "app/LunarCalendarDialog.h"
#include "app/LunarMonthCalendar.h"
#include "app/MainWindow.h"
#include "app/QtTranslations.h"
#include "app/ReferenceTablesDialog.h"
#include "app/ReportDialog.h"
#include "app/ToolButton.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include <ctime>
#include <memory>
#include <tuple>

namespace namewright {

using testing::fillWindowTestDatabase;
using testing::TempDatabase;
using testing::TempPath;

namespace {

/// Sets the process's time zone for as long as it lives.
class TimeZoneScope {
public:
    explicit TimeZoneScope(const char* zone)
        : m_previous(qgetenv("TZ")), m_hadPrevious(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZoneScope() {
        if (m_hadPrevious) {
            qputenv("TZ", m_previous);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }
    TimeZoneScope(const TimeZoneScope&) = delete;
    TimeZoneScope& operator=(const TimeZoneScope&) = delete;

private:
    QByteArray m_previous;
    bool m_hadPrevious;
};

/// Days of the calendar's grid whose cell is painted in the highlight colour, as the day numbers they show.
QList<int> highlightedDays(LunarMonthCalendar* calendar) {
    auto* view = calendar->findChild<QTableView*>();
    const QImage picture = view->viewport()->grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    const QColor highlight = calendar->palette().color(QPalette::Highlight);
    QList<int> days;
    for (int row = 1; row < view->model()->rowCount(); ++row) { // row 0 holds the weekday names
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            const QModelIndex cell = view->model()->index(row, column);
            const QPoint corner = view->visualRect(cell).topLeft() + QPoint(3, 3);
            if (QColor(picture.pixel(corner * ratio)) == highlight) {
                days << cell.data().toInt();
            }
        }
    }
    return days;
}

void typeInto(QPlainTextEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Backspace);
}

} // namespace

class WindowLookTest : public QObject {
    Q_OBJECT

private:
    /// A report box takes no typing, but its text can be selected and copied, with the keys and from its menu.
    static void verifyReadOnly(QPlainTextEdit* box) {
        QVERIFY(box->isReadOnly());
        const QString before = box->toPlainText();
        QVERIFY(!before.isEmpty());
        typeInto(box, QStringLiteral("xyz"));
        QCOMPARE(box->toPlainText(), before);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), before);
        std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            if (action->isEnabled()) {
                texts << action->text();
            }
        }
        QVERIFY2(!texts.filter(QStringLiteral("复制")).isEmpty(), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY(texts.filter(QStringLiteral("粘贴")).isEmpty());
        QVERIFY(texts.filter(QStringLiteral("剪切")).isEmpty());
    }

private slots:
    void initTestCase() {
        // As main() sets them up.
        QApplication::setFont(interfaceFont());
        QVERIFY(installQtTranslations(*QCoreApplication::instance()));
    }

    void theLunarCalendarHighlightsTodayAloneInAnyTimeZone() {
        // From twelve hours behind to fourteen ahead of UTC, and a zone with daylight saving time.
        for (const char* zone : {"Etc/GMT+12", "UTC", "Asia/Shanghai", "Europe/Berlin", "Pacific/Kiritimati"}) {
            const TimeZoneScope scope(zone);
            const QDate today = QDate::currentDate();
            LunarCalendarDialog dialog(nullptr);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            LunarMonthCalendar* calendar = dialog.calendar();
            QCOMPARE(calendar->selectedDate(), today);
            const QModelIndexList selected = calendar->findChild<QTableView*>()->selectionModel()->selectedIndexes();
            QCOMPARE(selected.size(), 1);
            QCOMPARE(selected.first().data().toInt(), today.day()); // the view marks the same day
            QCOMPARE(highlightedDays(calendar), QList<int>{today.day()});
            QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday); // as the window asks, not the locale's Sunday

            calendar->setSelectedDate(today.addDays(-1)); // another day chosen: it alone is highlighted
            QCOMPARE(highlightedDays(calendar), QList<int>{today.addDays(-1).day()});
        }
    }

    void reportAndHelpBoxesTakeNoTypingButCopy() {
        TempDatabase file;
        fillWindowTestDatabase(file, 20, 5);
        AppContext context(file.path());
        EvaluationDialog evaluation(context, nullptr);
        evaluation.show();
        evaluation.findChild<QPushButton*>(QStringLiteral("按钮1"))->click();
        verifyReadOnly(evaluation.findChild<QPlainTextEdit*>(QStringLiteral("编辑框1")));

        ReportDialog report(context, nullptr);
        report.show();
        verifyReadOnly(report.findChild<QPlainTextEdit*>(QStringLiteral("编辑框1")));
        QCOMPARE(report.findChild<QPlainTextEdit*>(QStringLiteral("编辑框1"))->palette().color(QPalette::Text),
                 QColor(192, 96, 0));

        HelpDialog help(nullptr);
        help.show();
        verifyReadOnly(help.findChild<QPlainTextEdit*>(QStringLiteral("编辑框1")));
    }

    void toolButtonsShowTheirIconAboveALegibleCaption() {
        TempDatabase file;
        MainWindow window(file.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const qreal ratio = window.devicePixelRatio();
        const QList<QToolButton*> buttons = window.findChildren<QToolButton*>();
        QCOMPARE(buttons.size(), 9); // the eight of the described window and 名单
        for (QToolButton* plain : buttons) {
            auto* button = qobject_cast<ToolButton*>(plain);
            QVERIFY2(button != nullptr, qPrintable(plain->objectName()));
            const QRect box = button->rect();
            QCOMPARE(box.size(), QSize(48, 40));

            // The icon: drawn for this scale, not scaled from another size.
            QVERIFY(!button->icon().isNull());
            const QPixmap shown = button->icon().pixmap(ToolButton::kIconSize, ratio);
            QCOMPARE(shown.size(), ToolButton::kIconSize * ratio);
            const QString suffix = ratio > 1.5 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
            bool drawnForThisScale = false;
            for (const QString& name : QDir(QStringLiteral(":/images")).entryList({QStringLiteral("tool-*")})) {
                drawnForThisScale =
                    drawnForThisScale || (name.endsWith(suffix) && (name.contains(QLatin1Char('@')) == (ratio > 1.5)) &&
                                          QImage(QStringLiteral(":/images/") + name) ==
                                              shown.toImage().convertToFormat(QImage::Format_ARGB32));
            }
            QVERIFY2(drawnForThisScale, qPrintable(button->text()));
            QVERIFY(box.contains(button->keyRect()));
            QVERIFY(button->keyRect().contains(button->iconRect()));

            // The caption: at least the interface's 12 px, whole, below the key and inside the button.
            const QFont font = button->captionFont();
            QVERIFY(QFontInfo(font).pixelSize() >= 12);
            const QRect caption = button->captionRect();
            QVERIFY(box.contains(caption));
            QVERIFY(!caption.intersects(button->keyRect()));
            // Its ink, as drawn at this scale, leaves the button's outermost pixels free and stays below the key.
            const QImage picture = button->grab().toImage();
            QCOMPARE(picture.size(), box.size() * ratio);
            QRect ink;
            for (int y = static_cast<int>((button->keyRect().bottom() + 1) * ratio); y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    const QRgb pixel = picture.pixel(x, y);
                    if (qAlpha(pixel) > 200 && qGray(pixel) < 110) {
                        ink |= QRect(x, y, 1, 1);
                    }
                }
            }
            QVERIFY2(ink.width() > 10 * ratio, qPrintable(button->text()));
            QVERIFY2(ink.left() >= 1 && ink.right() < picture.width() - 1, qPrintable(button->text()));
            QVERIFY2(ink.bottom() < picture.height() - 1, qPrintable(button->text()));
            QVERIFY(ink.top() > button->keyRect().bottom() * ratio);
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
            const QPoint keyEdge((button->keyRect().left() + button->keyRect().right()) / 2, button->keyRect().top());
            QVERIFY(qGray(picture.pixel(keyEdge * ratio)) < 215);
        }
    }

    void dialogsWithoutATitleShowABlankTitleBar() {
        // Qt puts the program's name in an empty title bar; the dialogs that have no title must not show it.
        TempDatabase file;
        fillWindowTestDatabase(file, 5, 5);
        AppContext context(file.path());
        TempPath missing(".mdb");
        EvaluationDialog evaluation(context, nullptr);
        ReferenceTablesDialog tables("", missing.path(), nullptr);
        LunarCalendarDialog calendar(nullptr);
        HelpDialog help(nullptr);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&evaluation, &tables, &calendar, &help}) {
            dialog->show();
            const QString title = dialog->windowHandle()->title();
            QVERIFY2(!title.isEmpty() && title.trimmed().isEmpty(), qPrintable(title));
        }
        QCOMPARE(ReportDialog(context, nullptr).windowTitle(), QStringLiteral("名字评测"));
        MainWindow window(file.path());
        QCOMPARE(window.windowTitle(), QStringLiteral("Namewrightv3.0"));
    }

    void tablesDrawTheirKeptTextsAsTheStyleDoes() {
        // Every kind of cell the tables show: names, numbers and marks, left, centred and right, in the highlight
        // colour and the default, on alternating rows, one row selected, the current cell with the keyboard focus, a
        // text too wide for its column (elided), one over two lines, an icon, a check box and a cell in bold.
        QStandardItemModel model(9, 5);
        const QStringList texts = {QStringLiteral("李浩然"), QStringLiteral("96"),      QStringLiteral("✓"),
                                   QStringLiteral("95 贬"),  QStringLiteral("hào rán"), QString(),
                                   QStringLiteral("大吉"),   QStringLiteral("!"),       QStringLiteral("欧阳子轩")};
        const Qt::Alignment alignments[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter,
                                            Qt::AlignRight | Qt::AlignVCenter, Qt::AlignHCenter | Qt::AlignTop,
                                            Qt::AlignLeft | Qt::AlignBottom};
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                auto* item = new QStandardItem(texts[(row + column) % texts.size()]);
                item->setTextAlignment(alignments[column]);
                if (row % 3 == 1) {
                    item->setForeground(QColor(0xd0, 0x20, 0x20));
                }
                model.setItem(row, column, item);
            }
        }
        model.item(2, 1)->setText(QStringLiteral("一个放不下的很长很长的名字说明"));
        model.item(3, 2)->setText(QStringLiteral("两行\n文字"));
        model.item(4, 0)->setCheckable(true);
        QFont bold = QApplication::font();
        bold.setBold(true);
        model.item(7, 4)->setFont(bold);
        QPixmap mark(12, 12);
        mark.fill(QColor(0x20, 0x80, 0x20));
        model.item(5, 3)->setIcon(QIcon(mark));

        const auto grabTable = [&](bool cached, bool enabled) {
            QTableView table;
            table.setModel(&model);
            auto* delegate = new CachedTextDelegate(&table);
            if (cached) {
                table.setItemDelegate(delegate);
            }
            table.setAlternatingRowColors(true);
            table.setSelectionBehavior(QAbstractItemView::SelectRows);
            table.setWordWrap(false);
            table.verticalHeader()->setDefaultSectionSize(22);
            table.setColumnWidth(1, 64);
            table.resize(560, 260);
            table.setEnabled(enabled);
            table.selectRow(6);
            table.setCurrentIndex(model.index(6, 2));
            table.show();
            table.setFocus();
            const QImage image = table.viewport()->grab().toImage();
            return std::tuple(image, delegate->cachedPaints(), delegate->plainPaints());
        };
        for (const bool enabled : {true, false}) {
            const auto [styled, unused, none] = grabTable(false, enabled);
            const auto [cached, cachedPaints, plainPaints] = grabTable(true, enabled);
            QCOMPARE(cached.size(), styled.size());
            QVERIFY2(cached == styled, enabled ? "enabled" : "disabled");
            // The kept texts drew most cells; the style the rest (the elided, two-line, icon and check box cells, the
            // focused one and the empty ones).
            QVERIFY(cachedPaints > 25);
            QVERIFY(plainPaints >= 4);
        }
    }

    void checkBoxesAnswerToTheirWholeBox() {
        TempDatabase file;
        MainWindow window(file.path());
        window.show();
        for (const char* name : {"选择框1", "选择框2"}) {
            auto* box = window.findChild<QCheckBox*>(QString::fromUtf8(name));
            QCOMPARE(box->geometry().top(), 112);
            QCOMPARE(box->height(), 24);
            // The corners of the box, where the standard check box took no click.
            for (const QPoint point :
                 {QPoint(0, 0), QPoint(box->width() - 1, 0), QPoint(0, 23), QPoint(box->width() - 1, 23)}) {
                const bool before = box->isChecked();
                QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, point);
                QVERIFY2(box->isChecked() != before, name);
            }
        }
        QVERIFY(window.context().inputs().snapshot().fixCharacter == false); // four clicks: back where it started
    }
};

} // namespace namewright

QTEST_MAIN(namewright::WindowLookTest)
#include "WindowLookTest.moc"
