// The shortlist window (名单): opened from its tool button and the result grid's menu, the distinct names of the
// series ranked by score, filters acting at once, following a run without losing the selection, the details pane,
// the report on Enter, favourites starred from the grid and the window, and the exports.

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "app/NameDetailsPane.h"
#include "app/ShortlistDialog.h"
#include "app/favourites/FavouritesModel.h"
#include "app/favourites/FavouritesStore.h"
#include "app/models/ResultGridModel.h"
#include "app/models/ShortlistModel.h"
#include "app/models/TextConversion.h"
#include "chart/SolarTermChart.h"

#include "AppTestSupport.h"
#include "app/DetailsTexts.h"
#include "support/SmallKnowledgeFile.h"
#include "support/SyntheticStore.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <map>

namespace namewright {

using testing::fillWindowTestDatabase;
using testing::TempDatabase;
using testing::withModalDialog;

namespace {

template <typename T> T* find(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(QString::fromUtf8(name));
    if (widget == nullptr) {
        qFatal("no control %s", name);
    }
    return widget;
}

/// A window over a finished random run of the test database (every name of score 80 or more that the run drew).
struct FinishedRun {
    TempDatabase file;
    QTemporaryDir folder;
    std::unique_ptr<MainWindow> window;

    explicit FinishedRun(int word1Count = 400, int word2Count = 100) {
        fillWindowTestDatabase(file, word1Count, word2Count);
        window = std::make_unique<MainWindow>(file.path(), nullptr, favouritesPath());
        window->show();
        find<QPushButton>(*window, "运算按钮")->click();
        window->context().runController().waitUntilIdle();
        window->gridModel().takeNewRows();
    }
    QString favouritesPath() const { return folder.filePath(QStringLiteral("favourites.json")); }
    const ResultStore& store() const { return window->context().results(); }

    /// Each name's draw count, by brute force over the store.
    std::map<std::string, std::uint32_t> drawsByName() const {
        std::map<std::string, std::uint32_t> draws;
        for (std::size_t i = 0; i < store().rowCount(); ++i) {
            ++draws[store().cellText(i, ResultColumn::Name)];
        }
        return draws;
    }
};

/// Opens the shortlist window of `window` (modal, as the tool button does) and calls `inspect` with it.
bool withShortlist(MainWindow& window, const std::function<void(ShortlistDialog&)>& inspect) {
    return withModalDialog([&] { find<QToolButton>(window, "名单按钮")->click(); },
                           [&](QDialog* dialog) {
                               auto* shortlist = qobject_cast<ShortlistDialog*>(dialog);
                               QVERIFY(shortlist != nullptr);
                               inspect(*shortlist);
                           });
}

/// Clicks `answer` in the message box that `trigger` opens; false when none opened.
bool answerBox(const std::function<void()>& trigger, QMessageBox::StandardButton answer) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll.stop();
            seen = true;
            box->button(answer)->click();
        }
    });
    poll.start();
    trigger();
    poll.stop();
    return seen;
}

/// Stars the first two distinct names of the run's grid; returns their names.
QStringList starTwo(FinishedRun& run) {
    run.window->gridMenu(1)->findChild<QAction*>(QStringLiteral("加入收藏动作"))->trigger();
    int other = 2;
    while (run.window->gridModel().index(other - 1, 1).data() == run.window->gridModel().index(0, 1).data()) {
        ++other;
    }
    run.window->gridMenu(other)->findChild<QAction*>(QStringLiteral("加入收藏动作"))->trigger();
    QStringList names;
    for (const Favourite& f : run.window->favourites().list().all()) {
        names << toQString(f.name());
    }
    return names;
}

QString cell(ShortlistDialog& dialog, int row, ShortlistColumn column) {
    return dialog.model().index(row, static_cast<int>(column)).data().toString();
}

} // namespace

class ShortlistWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theKnowledgeTextSaysWhatEachCharacterMeans() {
        const testing::SmallKnowledgeFile file;
        const KnowledgeBase knowledge = KnowledgeBase::open(file.path());
        const QString text = knowledgeText(describeName(knowledge, "李", "思丽"));
        // The family character's meaning without a tone mark, a given character's with one, none where the table
        // has no meaning (丽).
        QVERIFY2(text.contains(QStringLiteral("  通用规范汉字表：一级字\n  字义：李树（桃李）\n\n【思】")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("  字义：想念；思考（思念）（褒）\n\n【丽】")), qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("字义：")), 2);
    }

    void theToolButtonTakesTheFreePlaceAndOpensTheWindowModal() {
        TempDatabase file;
        QTemporaryDir folder;
        MainWindow window(file.path(), nullptr, folder.filePath(QStringLiteral("f.json")));
        auto* button = find<QToolButton>(window, "名单按钮");
        QCOMPARE(button->geometry(), QRect(416, 8, 48, 40));
        QCOMPARE(button->text(), QStringLiteral("名单"));
        QVERIFY(!button->icon().isNull());
        const bool opened = withShortlist(window, [](ShortlistDialog& dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("名单窗口"));
            QVERIFY(dialog.isModal());
            QCOMPARE(dialog.model().rowCount(), 0); // no run yet: an empty list, no crash
        });
        QVERIFY(opened);
    }

    void itListsEachDistinctNameOnceRankedByScoreWithItsDrawCount() {
        FinishedRun run;
        const auto draws = run.drawsByName();
        QVERIFY(draws.size() > 50);
        QVERIFY(run.store().rowCount() > draws.size()); // the run drew names more than once
        QVERIFY(withShortlist(*run.window, [&](ShortlistDialog& dialog) {
            QAbstractItemModelTester tester(&dialog.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
            QCOMPARE(static_cast<std::size_t>(dialog.model().rowCount()), draws.size());
            int previous = 101;
            for (int row = 0; row < dialog.model().rowCount(); ++row) {
                const int score = cell(dialog, row, ShortlistColumn::Score).toInt();
                QVERIFY(score <= previous);
                previous = score;
                const std::string name = toUtf8(cell(dialog, row, ShortlistColumn::Name));
                QCOMPARE(cell(dialog, row, ShortlistColumn::Draws).toUInt(), draws.at(name));
            }
            // Every column sorts; the draw count ascending puts the least drawn first.
            auto* table = find<QTableView>(dialog, "名单表格");
            table->sortByColumn(static_cast<int>(ShortlistColumn::Draws), Qt::AscendingOrder);
            QCOMPARE(cell(dialog, 0, ShortlistColumn::Draws).toUInt(),
                     std::min_element(draws.begin(), draws.end(), [](auto& a, auto& b) {
                         return a.second < b.second;
                     })->second);
            QCOMPARE(static_cast<std::size_t>(dialog.model().rowCount()), draws.size());
        }));
    }

    void theFiltersActAtOnce() {
        FinishedRun run;
        QVERIFY(withShortlist(*run.window, [&](ShortlistDialog& dialog) {
            QAbstractItemModelTester tester(&dialog.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
            const int all = dialog.model().rowCount();
            auto* minimum = find<QSpinBox>(dialog, "最低分框");
            minimum->setValue(90);
            std::map<std::string, int> scoreOfName; // the score of each name's first listed row
            for (std::size_t i = 0; i < run.store().rowCount(); ++i) {
                scoreOfName.try_emplace(run.store().cellText(i, ResultColumn::Name),
                                        std::stoi(run.store().cellText(i, ResultColumn::Score)));
            }
            const auto expected = static_cast<std::size_t>(
                std::count_if(scoreOfName.begin(), scoreOfName.end(), [](const auto& n) { return n.second >= 90; }));
            QCOMPARE(static_cast<std::size_t>(dialog.model().rowCount()), expected);
            QVERIFY(dialog.model().rowCount() < all);
            minimum->setValue(0);
            QCOMPARE(dialog.model().rowCount(), all);

            // Excluding the top name's first given character removes every name holding it, and only those.
            const QString top = cell(dialog, 0, ShortlistColumn::Name);
            const QString given = top.mid(1);
            const QString excluded = given.left(given.size() > 2 ? 2 : 1); // one character (may be a surrogate pair)
            find<QLineEdit>(dialog, "排除字框")->setText(excluded);
            QVERIFY(dialog.model().rowCount() < all);
            for (int row = 0; row < dialog.model().rowCount(); ++row) {
                QVERIFY(!cell(dialog, row, ShortlistColumn::Name).mid(1).contains(excluded));
            }
            find<QLineEdit>(dialog, "排除字框")->clear();
            find<QLineEdit>(dialog, "含字框")->setText(excluded);
            QVERIFY(dialog.model().rowCount() > 0);
            for (int row = 0; row < dialog.model().rowCount(); ++row) {
                QVERIFY(cell(dialog, row, ShortlistColumn::Name).mid(1).contains(excluded));
            }
            find<QLineEdit>(dialog, "含字框")->clear();

            auto* length = find<QComboBox>(dialog, "字数框");
            length->setCurrentIndex(1); // one-character names only: a two-character run has none
            QCOMPARE(dialog.model().rowCount(), 0);
            length->setCurrentIndex(2);
            QCOMPARE(dialog.model().rowCount(), all);
            length->setCurrentIndex(0);

            // The chart of this series lacks nothing (喜用神 无): no name supplies a missing element.
            find<QCheckBox>(dialog, "补缺框")->setChecked(true);
            QCOMPARE(dialog.model().rowCount(), 0);
            find<QCheckBox>(dialog, "补缺框")->setChecked(false);

            auto* favouritesOnly = find<QCheckBox>(dialog, "只看收藏框");
            favouritesOnly->setChecked(true);
            QCOMPARE(dialog.model().rowCount(), 0);
            favouritesOnly->setChecked(false);
            find<QTableView>(dialog, "名单表格")->selectRow(3);
            const QString starred = cell(dialog, 3, ShortlistColumn::Name);
            find<QPushButton>(dialog, "收藏按钮")->click();
            QCOMPARE(cell(dialog, 3, ShortlistColumn::Favourite), QStringLiteral("★★★"));
            favouritesOnly->setChecked(true);
            QCOMPARE(dialog.model().rowCount(), 1);
            QCOMPARE(cell(dialog, 0, ShortlistColumn::Name), starred);
        }));
        // Starred in the window: saved at once.
        QCOMPARE(FavouritesStore(run.favouritesPath()).list().size(), std::size_t{1});
    }

    void theDetailsPaneShowsTheReportAndEnterOpensTheReportWindow() {
        FinishedRun run;
        QVERIFY(withShortlist(*run.window, [&](ShortlistDialog& dialog) {
            auto* table = find<QTableView>(dialog, "名单表格");
            table->selectRow(2);
            const QString name = cell(dialog, 2, ShortlistColumn::Name);
            QCOMPARE(find<QLabel>(dialog, "详情标题")->text(), name);
            const QString details = find<QPlainTextEdit>(dialog, "详情报告")->toPlainText();
            QVERIFY2(details.contains(QStringLiteral("姓名：") + name), qPrintable(details));
            QVERIFY(details.contains(QStringLiteral("四柱：庚寅年 戊子月 丙辰日 己丑时")));

            table->setFocus();
            QString report;
            const bool opened = withModalDialog([&] { QTest::keyClick(table, Qt::Key_Return); },
                                                [&](QDialog* shown) {
                                                    QCOMPARE(shown->windowTitle(), QStringLiteral("名字评测"));
                                                    report = find<QPlainTextEdit>(*shown, "编辑框1")->toPlainText();
                                                });
            QVERIFY(opened);
            QVERIFY2(report.contains(QStringLiteral("姓名：") + name + QStringLiteral("  得分：")), qPrintable(report));
            QVERIFY(dialog.isVisible()); // Enter opened the report; it did not close the shortlist
        }));
    }

    void thePaneShowsTheKnowledgeTheSolarTermChartAndTheCompoundSurnameScore() {
        // A naming database with the knowledge file beside it, in a folder of their own.
        TempDatabase file;
        fillWindowTestDatabase(file);
        const testing::SmallKnowledgeFile knowledge;
        QTemporaryDir folder;
        const QString database = folder.filePath(QStringLiteral("hun.mdb"));
        QVERIFY(QFile::copy(QString::fromStdString(file.path().string()), database));
        QVERIFY(QFile::copy(QString::fromStdString(knowledge.path().string()),
                            folder.filePath(QStringLiteral("characters.db"))));
        AppContext context(database.toStdString());
        FavouritesStore favourites(folder.filePath(QStringLiteral("favourites.json")));
        NameDetailsPane pane(context, favourites, nullptr);
        auto* tabs = find<QTabWidget>(pane, "详情页");
        QCOMPARE(tabs->count(), 3);

        ListedName name;
        name.familyText = "范";
        name.given = "统";
        name.cells.texts = {"范统", "80", "16", "24", "20", "2", "35", "土火水", "水水水"};
        name.birth = {"2024", "2", "4", "16", "40"}; // 立春 2024 at 16:27
        NameFacts facts;
        facts.compoundGrids = FiveGrids{1, 2, 3, 4, 5};
        facts.compoundScore = 77;
        pane.showSubject(subjectOf(name, facts, nullptr));
        QCOMPARE(find<QLabel>(pane, "详情分数说明")->text().split(QLatin1Char('\n')).size(), 3); // 复姓分 too
        const QString described = find<QPlainTextEdit>(pane, "详情读音")->toPlainText();
        QVERIFY2(described.contains(QStringLiteral("拼音：fàn tǒng")), qPrintable(described));
        QVERIFY(described.contains(QStringLiteral("饭桶")));
        QVERIFY(described.contains(QStringLiteral("【统】")));
        QVERIFY(described.contains(QStringLiteral("通用规范汉字表：一级字")));
        const QString solar = find<QPlainTextEdit>(pane, "详情节气八字")->toPlainText();
        QVERIFY2(solar.contains(QStringLiteral("出生分钟：40 分（取自主窗口的“分”框")), qPrintable(solar));
        const auto after = solarTermChartOf({{2024, 2, 4}, 16, 40});
        QVERIFY(after.has_value());
        QVERIFY(solar.contains(QStringLiteral("四柱：") + toQString(pillarsLineText(after->pillars.pillars))));
        // Every line of the working reads with a Chinese caption, none with the command line's ASCII key.
        for (const QString& line : solar.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            QVERIFY2(line.front().unicode() > 0x7f, qPrintable(line));
        }
        QVERIFY(solar.contains(QStringLiteral("年支藏干：")));
        QVERIFY(solar.contains(QStringLiteral("木 合计：")));
        auto* compound = find<QLabel>(pane, "详情复姓");
        QVERIFY(!compound->isHidden());
        QVERIFY(compound->text().contains(QStringLiteral("天格 1  人格 2  地格 3  外格 4  总格 5，分数 77")));

        // A minute box without a minute: minute 0, said so; no compound surname: no such line.
        name.birth.minute = "";
        name.given = "丽";
        pane.showSubject(subjectOf(name, NameFacts{}, nullptr));
        QVERIFY(find<QPlainTextEdit>(pane, "详情节气八字")->toPlainText().contains(QStringLiteral("按 0 分计算")));
        QVERIFY(compound->isHidden());
        QVERIFY(find<QPlainTextEdit>(pane, "详情读音")->toPlainText().contains(QStringLiteral("读音提示：无")));

        // Without the knowledge file the pane has no knowledge tab, and the shortlist hides its filters.
        QTemporaryDir bare;
        const QString bareDatabase = bare.filePath(QStringLiteral("hun.mdb"));
        QVERIFY(QFile::copy(database, bareDatabase));
        AppContext bareContext(bareDatabase.toStdString());
        NameDetailsPane plain(bareContext, favourites, nullptr);
        QCOMPARE(find<QTabWidget>(plain, "详情页")->count(), 2);
        QVERIFY(plain.findChild<QPlainTextEdit*>(QStringLiteral("详情读音")) == nullptr);
    }

    void withoutTheKnowledgeFileItsFiltersAreHidden() {
        FinishedRun run;
        QVERIFY(withShortlist(*run.window, [](ShortlistDialog& dialog) {
            for (const char* name : {"无读音提示框", "有诗句框", "常用字框"}) {
                QVERIFY2(find<QCheckBox>(dialog, name)->isHidden(), name);
            }
            // The series' chart (2011-01-01 1:10) has a solar-term chart: its filter is there.
            QVERIFY(!find<QCheckBox>(dialog, "补节气喜用框")->isHidden());
            const int all = dialog.model().rowCount();
            find<QCheckBox>(dialog, "补节气喜用框")->setChecked(true);
            QVERIFY(dialog.model().rowCount() < all);
        }));
    }

    void theModelFollowsNewNamesWithoutLosingTheSelection() {
        testing::SyntheticStore synthetic;
        const auto li = synthetic.family("李", 7, "火");
        for (int first = 0; first < 30; ++first) {
            synthetic.add(li, first, first + 40);
        }
        ShortlistModel model(synthetic.store, ShortlistSources{});
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QTableView view;
        view.setModel(&model);
        view.resize(400, 300);
        view.show();
        QCOMPARE(model.rowCount(), 30);
        view.selectRow(20);
        const std::uint32_t chosen = model.firstRowAt(20);
        const QString chosenName = model.index(20, 0).data().toString();

        // Many names arrive, better and worse; each is merged at its place and the chosen name stays chosen.
        for (int first = 30; first < 300; ++first) {
            synthetic.add(li, first, first + 400);
        }
        synthetic.add(li, 3, 43);            // drawn again
        QTRY_COMPARE(model.rowCount(), 300); // the model's own timer takes them
        QVERIFY(view.currentIndex().isValid());
        QCOMPARE(model.firstRowAt(view.currentIndex().row()), chosen);
        QCOMPARE(view.currentIndex().data().toString(), chosenName);
        QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
        QCOMPARE(view.selectionModel()->selectedRows().constFirst().row(), view.currentIndex().row());
        QTRY_COMPARE(model.index(*model.rowOf(0), static_cast<int>(ShortlistColumn::Draws)).data().toString(),
                     QStringLiteral("1"));
        const auto again = model.rowOf(3);
        QVERIFY(again.has_value());
        QCOMPARE(model.index(*again, static_cast<int>(ShortlistColumn::Draws)).data().toString(), QStringLiteral("2"));
        for (int row = 1; row < model.rowCount(); ++row) {
            QVERIFY(model.index(row - 1, 1).data().toInt() >= model.index(row, 1).data().toInt());
        }
    }

    void theFirstNamesToComeAreChosenOnceTheyShow() {
        // The window opened before the run: its first names choose the first of them, a moment after they show.
        TempDatabase file;
        fillWindowTestDatabase(file);
        QTemporaryDir folder;
        MainWindow window(file.path(), nullptr, folder.filePath(QStringLiteral("f.json")));
        window.show();
        QVERIFY(withShortlist(window, [&](ShortlistDialog& dialog) {
            auto* table = find<QTableView>(dialog, "名单表格");
            QCOMPARE(dialog.model().rowCount(), 0);
            QVERIFY(!table->currentIndex().isValid());
            find<QPushButton>(window, "运算按钮")->click();
            QTRY_VERIFY(table->currentIndex().isValid());
            QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
            const QString chosen = cell(dialog, table->currentIndex().row(), ShortlistColumn::Name);
            QCOMPARE(find<QLabel>(dialog, "详情标题")->text(), chosen);
            // Later names do not move the choice.
            window.context().runController().waitUntilIdle();
            QTRY_VERIFY(dialog.model().shortlist().caughtUp());
            QCOMPARE(cell(dialog, table->currentIndex().row(), ShortlistColumn::Name), chosen);
        }));
        window.shutdown();
    }

    void aRunningSeriesStreamsIntoTheOpenWindowKeepingThePlace() {
        TempDatabase file;
        // 2,000 x 2,000 draws: still running while the window is open; listing only 95 or more keeps the names
        // few enough for a debug or sanitizer build to follow.
        fillWindowTestDatabase(file, 3000, 1500);
        QTemporaryDir folder;
        MainWindow window(file.path(), nullptr, folder.filePath(QStringLiteral("f.json")));
        window.show();
        find<QCheckBox>(window, "选择框2")->setChecked(true);
        find<QLineEdit>(window, "分编辑框")->setText(QStringLiteral("95"));
        find<QPushButton>(window, "运算按钮")->click();
        QTRY_VERIFY(window.context().results().rowCount() > 200);
        // No model tester here: it checks every index of each change, which a debug build cannot do for tens of
        // thousands of names as they stream; the model is tested with it above.
        QVERIFY(withShortlist(window, [&](ShortlistDialog& dialog) {
            auto* table = find<QTableView>(dialog, "名单表格");
            QTRY_VERIFY(dialog.model().rowCount() > 40);
            table->selectRow(30);
            const std::uint32_t chosen = dialog.model().firstRowAt(30);
            const std::size_t before = dialog.model().shortlist().distinctCount();
            QTRY_VERIFY_WITH_TIMEOUT(dialog.model().shortlist().distinctCount() > before + 200, 20000);
            QCOMPARE(dialog.model().firstRowAt(table->currentIndex().row()), chosen);
            QVERIFY(find<QLabel>(dialog, "名单状态")->text().contains(QStringLiteral("不重复的名字")));
            find<QPushButton>(window, "停止按钮")->click();
            window.context().runController().waitUntilIdle();
            // The window catches up in bounded ticks, a few milliseconds each, so under a sanitizer the rows of a
            // whole run take a while to be taken.
            QTRY_VERIFY_WITH_TIMEOUT(dialog.model().shortlist().caughtUp(), 60000);
            QCOMPARE(dialog.model().firstRowAt(table->currentIndex().row()), chosen);
        }));
        window.shutdown();
    }

    void theGridMenuStarsCopiesAndEvaluatesAName() {
        FinishedRun run;
        MainWindow& window = *run.window;
        const QString name = window.gridModel().index(0, 1).data().toString(); // grid row 1 is the first listed
        std::unique_ptr<QMenu> menu = window.gridMenu(1);
        QVERIFY(menu != nullptr);
        QVERIFY(window.gridMenu(0) == nullptr); // the header row has none
        QStringList captions;
        for (QAction* action : menu->actions()) {
            captions << action->text();
        }
        QCOMPARE(captions.mid(0, 3),
                 (QStringList{QStringLiteral("加入收藏"), QStringLiteral("复制名字"), QStringLiteral("评测此名")}));

        menu->findChild<QAction*>(QStringLiteral("加入收藏动作"))->trigger();
        QCOMPARE(window.favourites().list().size(), std::size_t{1});
        QCOMPARE(toQString(window.favourites().list().all()[0].name()), name);
        QCOMPARE(FavouritesStore(run.favouritesPath()).list().size(), std::size_t{1});
        QVERIFY(!window.gridMenu(1)->findChild<QAction*>(QStringLiteral("加入收藏动作"))->isEnabled());

        menu->findChild<QAction*>(QStringLiteral("复制名字动作"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), name);

        QString family;
        QString given;
        const bool opened =
            withModalDialog([&] { menu->findChild<QAction*>(QStringLiteral("评测此名动作"))->trigger(); },
                            [&](QDialog* dialog) {
                                family = find<QLineEdit>(*dialog, "编辑框2")->text();
                                given = find<QLineEdit>(*dialog, "编辑框3")->text();
                            });
        QVERIFY(opened);
        QCOMPARE(family, QStringLiteral("李"));
        QCOMPARE(family + given, name);

        // 在名单中查看: the shortlist opens with that name chosen.
        const bool shown =
            withModalDialog([&] { menu->findChild<QAction*>(QStringLiteral("在名单中查看动作"))->trigger(); },
                            [&](QDialog* dialog) { QCOMPARE(find<QLabel>(*dialog, "详情标题")->text(), name); });
        QVERIFY(shown);
    }

    void aFailedSaveIsShownToTheUser() {
        FinishedRun run;
        // The data folder is a plain file: nothing can be written below it.
        QFile blocker(run.folder.filePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        MainWindow window(run.file.path(), nullptr, run.folder.filePath(QStringLiteral("blocked/favourites.json")));
        find<QPushButton>(window, "运算按钮")->click();
        window.context().runController().waitUntilIdle();
        window.gridModel().takeNewRows();
        QString warning;
        const bool warned =
            withModalDialog([&] { window.gridMenu(1)->findChild<QAction*>(QStringLiteral("加入收藏动作"))->trigger(); },
                            [&](QDialog* dialog) {
                                auto* box = qobject_cast<QMessageBox*>(dialog);
                                QVERIFY(box != nullptr);
                                warning = box->text();
                            });
        QVERIFY(warned);
        QVERIFY2(warning.contains(QStringLiteral("未能保存")), qPrintable(warning));
        QCOMPARE(window.favourites().list().size(), std::size_t{1}); // kept for the session
        QVERIFY(withShortlist(window, [](ShortlistDialog& dialog) {
            QVERIFY(find<QLabel>(dialog, "收藏提示")->text().contains(QStringLiteral("未能保存")));
        }));
        window.shutdown();
    }

    void removingAFavouriteWithStarsOrANoteAsksAndCanBeUndone() {
        FinishedRun run;
        const QStringList names = starTwo(run);
        QCOMPARE(names.size(), 2);
        FavouritesStore& store = run.window->favourites();
        const Favourite first = store.list().all()[0];
        const Favourite second = store.list().all()[1];
        store.setStars(second.familyText, second.given, 1); // one star, no note: nothing of the user's to lose
        store.setNote(first.familyText, first.given, "奶奶喜欢");
        QVERIFY(withShortlist(*run.window, [&](ShortlistDialog& dialog) {
            find<QTabWidget>(dialog, "名单页")->setCurrentIndex(1);
            auto* table = find<QTableView>(dialog, "收藏表格");
            auto* remove = find<QPushButton>(dialog, "移除收藏按钮");
            auto* undo = find<QPushButton>(dialog, "撤销移除按钮");
            QVERIFY(!undo->isEnabled());
            table->selectRow(0);
            QVERIFY(answerBox([&] { remove->click(); }, QMessageBox::No)); // asked; kept
            QCOMPARE(store.list().size(), std::size_t{2});
            QVERIFY(answerBox([&] { remove->click(); }, QMessageBox::Yes));
            QCOMPARE(store.list().size(), std::size_t{1});
            QVERIFY(find<QLabel>(dialog, "收藏提示")->text().contains(QStringLiteral("撤销")));
            QVERIFY(undo->isEnabled());
            QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
            undo->click();
            QCOMPARE(store.list().size(), std::size_t{2});
            QCOMPARE(store.list().all()[0].note, std::string("奶奶喜欢")); // back in its place with its note
            QVERIFY(!undo->isEnabled());
            // The one-star favourite without a note goes without a question, and comes back as well.
            table->selectRow(1);
            QVERIFY(!answerBox([&] { remove->click(); }, QMessageBox::No));
            QCOMPARE(store.list().size(), std::size_t{1});
            undo->click();
            QCOMPARE(store.list().size(), std::size_t{2});
            // The details pane's ★ 取消收藏 asks too.
            table->selectRow(0);
            auto* toggle = find<QPushButton>(dialog, "收藏按钮");
            QCOMPARE(toggle->text(), QStringLiteral("★ 取消收藏"));
            QVERIFY(answerBox([&] { toggle->click(); }, QMessageBox::No));
            QCOMPARE(store.list().size(), std::size_t{2});
        }));
        QCOMPARE(FavouritesStore(run.favouritesPath()).list().size(), std::size_t{2});
    }

    void theFavouritesTableShowsFiveStarsAndTheTimeWhole() {
        FinishedRun run;
        starTwo(run);
        FavouritesStore& store = run.window->favourites();
        store.setStars(store.list().all()[0].familyText, store.list().all()[0].given, 5);
        store.setStars(store.list().all()[1].familyText, store.list().all()[1].given, 4);
        QVERIFY(withShortlist(*run.window, [&](ShortlistDialog& dialog) {
            find<QTabWidget>(dialog, "名单页")->setCurrentIndex(1);
            auto* table = find<QTableView>(dialog, "收藏表格");
            // What the table's delegate needs for each column's texts (public on the base class).
            const auto needs = [table](int column) {
                return static_cast<QAbstractItemView*>(table)->sizeHintForColumn(column);
            };
            QCOMPARE(table->model()->index(0, FavouritesModel::Stars).data().toString(), QStringLiteral("★★★★★"));
            for (const int column : {int{FavouritesModel::Stars}, int{FavouritesModel::Added},
                                     int{FavouritesModel::Name}, int{FavouritesModel::Elements}}) {
                QVERIFY2(table->columnWidth(column) >= needs(column), qPrintable(QStringLiteral("column %1: %2 < %3")
                                                                                     .arg(column)
                                                                                     .arg(table->columnWidth(column))
                                                                                     .arg(needs(column))));
            }
            // At the window's own size every column but the note is within the table's view.
            const int right =
                table->columnViewportPosition(FavouritesModel::Added) + table->columnWidth(FavouritesModel::Added);
            QVERIFY2(right <= table->viewport()->width(),
                     qPrintable(QStringLiteral("%1 > %2").arg(right).arg(table->viewport()->width())));
        }));
    }

    void aDamagedFavouritesFileIsReportedAtTheStart() {
        TempDatabase file;
        fillWindowTestDatabase(file);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("favourites.json"));
        {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write("{\"favourites\": [");
        }
        MainWindow window(file.path(), nullptr, path);
        window.show();
        window.showFavouritesProblem();
        auto* box = window.findChild<QMessageBox*>(QStringLiteral("收藏文件提示"));
        QVERIFY(box != nullptr);
        QVERIFY(box->isVisible());
        QVERIFY(!box->isModal()); // the start goes on
        QVERIFY(box->text().contains(QStringLiteral("另存为")));
        box->close();
        // A file that was read well gives no box.
        MainWindow again(file.path(), nullptr, folder.filePath(QStringLiteral("none.json")));
        again.showFavouritesProblem();
        QVERIFY(again.findChild<QMessageBox*>(QStringLiteral("收藏文件提示")) == nullptr);
        window.shutdown();
        again.shutdown();
    }

    void theFavouritesExportAsCsvWithAByteOrderMark() {
        FinishedRun run;
        run.window->gridMenu(1)->findChild<QAction*>(QStringLiteral("加入收藏动作"))->trigger();
        int other = 2; // the next row of another name
        while (run.window->gridModel().index(other - 1, 1).data() == run.window->gridModel().index(0, 1).data()) {
            ++other;
        }
        run.window->gridMenu(other)->findChild<QAction*>(QStringLiteral("加入收藏动作"))->trigger();
        QCOMPARE(run.window->favourites().list().size(), std::size_t{2});
        const QString path = run.folder.filePath(QStringLiteral("收藏.csv"));
        QVERIFY(withShortlist(*run.window, [&](ShortlistDialog& dialog) {
            // Compare wants two to four chosen favourites.
            find<QTabWidget>(dialog, "名单页")->setCurrentIndex(1);
            auto* compare = find<QPushButton>(dialog, "比较按钮");
            QVERIFY(!compare->isEnabled());
            auto* favouritesTable = find<QTableView>(dialog, "收藏表格");
            favouritesTable->selectRow(0);
            QVERIFY(!compare->isEnabled());
            favouritesTable->selectionModel()->select(favouritesTable->model()->index(1, 0),
                                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
            QVERIFY(compare->isEnabled());
            int columns = 0;
            QVERIFY(withModalDialog(
                [&] { compare->click(); },
                [&](QDialog* shown) { columns = find<QTableWidget>(*shown, "比较表格")->columnCount(); }));
            QCOMPARE(columns, 2);
            QVERIFY(dialog.exportCsv(path));
            QVERIFY(!dialog.exportCsv(run.folder.filePath(QStringLiteral("no/such/folder/x.csv"))));
            QVERIFY(find<QLabel>(dialog, "收藏提示")->text().contains(QStringLiteral("未能写出")));
        }));
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QList<QByteArray> lines = bytes.mid(3).split('\n');
        QCOMPARE(lines.size(), 4); // header, two favourites, nothing after the last line end
        QVERIFY(lines[0].startsWith(QByteArray("姓名,姓,名,分数")));
        QCOMPARE(lines[1].count(','), 13);
    }
};

} // namespace namewright

QTEST_MAIN(namewright::ShortlistWindowTest)
#include "ShortlistWindowTest.moc"
