// The 推荐 order's settings in the shortlist window: the reasons line of the details pane, the settings page of the
// single weights (kept in QSettings, bad stored values falling back to the preset, a moved weight re-ranking at
// once), and the parent's own 喜用神 standing for the worked-out ones in 补缺 and its filter.

#include "app/DetailsTexts.h"
#include "app/MainWindow.h"
#include "app/NameDetailsPane.h"
#include "app/RecommendChooser.h"
#include "app/RecommendWeightsDialog.h"
#include "app/RecommendWeightsSettings.h"
#include "app/ShortlistDialog.h"
#include "app/models/ShortlistModel.h"

#include "AppTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace namewright {

using testing::fillWindowTestDatabase;
using testing::TempDatabase;
using testing::withModalDialog;

namespace {

template <typename T> T* find(QWidget& window, const QString& name) {
    T* widget = window.findChild<T*>(name);
    if (widget == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return widget;
}

QSpinBox* weightBox(RecommendWeightsDialog& page, const char* key) {
    return find<QSpinBox>(page, QStringLiteral("权重框_") + QString::fromLatin1(key));
}

/// A window over a finished random run of the test database.
struct FinishedRun {
    TempDatabase file;
    QTemporaryDir folder;
    std::unique_ptr<MainWindow> window;

    FinishedRun() {
        fillWindowTestDatabase(file);
        window = std::make_unique<MainWindow>(file.path(), nullptr, folder.filePath(QStringLiteral("f.json")));
        window->show();
        find<QPushButton>(*window, QStringLiteral("运算按钮"))->click();
        window->context().runController().waitUntilIdle();
    }
};

bool withShortlist(MainWindow& window, const std::function<void(ShortlistDialog&)>& inspect) {
    return withModalDialog([&] { find<QToolButton>(window, QStringLiteral("名单按钮"))->click(); },
                           [&](QDialog* dialog) {
                               auto* shortlist = qobject_cast<ShortlistDialog*>(dialog);
                               QVERIFY(shortlist != nullptr);
                               inspect(*shortlist);
                           });
}

} // namespace

class RecommendSettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_settingsFolder;

private slots:
    void initTestCase() {
        // The settings of this run in a folder of its own, never the settings of whoever runs the tests.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsFolder.path());
    }
    void init() { QSettings().clear(); }

    void theReasonsLineTellsEachTermLargestFirst() {
        Recommendation r;
        r.value = 87;
        r.parts = {{RecommendTerm::Score, 20},
                   {RecommendTerm::NameTier, 12},
                   {RecommendTerm::Verse, 10},
                   {RecommendTerm::Sound, -8},
                   {RecommendTerm::WordLike, -35}};
        QCOMPARE(recommendationText(r), QStringLiteral("推荐 87：分数 +20，名字用字 +12，诗句相连 +10，读音提示 "
                                                       "\u22128，词语地名 \u221235"));
        r.parts = {{RecommendTerm::CommonLevel, -7}, {RecommendTerm::Meaning, 2}};
        r.bottom = true;
        r.value = 31;
        QCOMPARE(recommendationText(r),
                 QStringLiteral("推荐 31（有贬义字，排在所有名字之后）：字义 +2，常用字 \u22127"));
        QCOMPARE(recommendationText(Recommendation{44, false, {}}), QStringLiteral("推荐 44：各项都不加减分"));
    }

    void storedWeightsLoadAndBadOnesFallBackToThePreset() {
        QTemporaryDir folder;
        QSettings settings(folder.filePath(QStringLiteral("s.conf")), QSettings::IniFormat);
        RecommendWeights moved = recommendWeights(RecommendPreset::FiveGrids);
        moved.score = 60;
        moved.soundHomophone = 0;
        saveRecommendWeights(settings, moved, RecommendPreset::FiveGrids);
        // Only the moved weights are kept.
        QCOMPARE(settings.allKeys().size(), 2);
        QCOMPARE(loadRecommendWeights(settings, RecommendPreset::FiveGrids), moved);
        QVERIFY(recommendWeightsAdjusted(moved, RecommendPreset::FiveGrids));
        // Moving a weight back to the preset's removes its key.
        moved.score = recommendWeights(RecommendPreset::FiveGrids).score;
        saveRecommendWeights(settings, moved, RecommendPreset::FiveGrids);
        QCOMPARE(settings.allKeys(), QStringList{QStringLiteral("recommend/weights/soundHomophone")});

        // Values edited by hand: out of range, not whole, not a number, a list: each weight quietly the preset's.
        const RecommendWeights preset = recommendWeights(RecommendPreset::Balanced);
        for (const QVariant& bad :
             {QVariant(-1), QVariant(kMaxRecommendWeight + 1), QVariant(QStringLiteral("12.5")),
              QVariant(QStringLiteral("abc")), QVariant(QStringList{QStringLiteral("1")}), QVariant(QString())}) {
            settings.clear();
            settings.setValue(QStringLiteral("recommend/weights/score"), bad);
            settings.setValue(QStringLiteral("recommend/weights/base"), 50);
            const RecommendWeights loaded = loadRecommendWeights(settings, RecommendPreset::Balanced);
            QCOMPARE(loaded.score, preset.score);
            QCOMPARE(loaded.base, 50); // a sound value beside a bad one is taken
        }
        settings.clear();
        settings.setValue(QStringLiteral("recommend/weights/score"), QStringLiteral(" 100 "));
        settings.setValue(QStringLiteral("recommend/weights/unknownWeight"), 3);
        QCOMPARE(loadRecommendWeights(settings, RecommendPreset::Balanced).score, 100);
    }

    void theWeightsPageMovesSingleWeightsAndKeepsThemToTheNextStart() {
        int changes = 0;
        {
            RecommendChooser chooser;
            QObject::connect(&chooser, &RecommendChooser::changed, &chooser, [&] { ++changes; });
            find<QComboBox>(chooser, QStringLiteral("推荐方案框"))->setCurrentIndex(1); // 重五格
            changes = 0;
            find<QPushButton>(chooser, QStringLiteral("调整权重按钮"))->click();
            RecommendWeightsDialog* page = chooser.weightsPage();
            QVERIFY(page != nullptr && page->isVisible());
            // The page starts from the chosen preset.
            QCOMPARE(weightBox(*page, "score")->value(), recommendWeights(RecommendPreset::FiveGrids).score);
            QVERIFY(find<QLabel>(*page, QStringLiteral("权重预设说明"))->text().contains(QStringLiteral("重五格")));
            weightBox(*page, "wordLike")->setValue(70);
            QCOMPARE(changes, 1);
            QCOMPARE(chooser.weights().wordLike, 70);
            QVERIFY(find<QLabel>(chooser, QStringLiteral("喜用来源"))->text().contains(QStringLiteral("权重已调")));
            QVERIFY(find<QLabel>(chooser, QStringLiteral("喜用来源"))
                        ->toolTip()
                        .contains(QStringLiteral("从“重五格”调整")));
        }
        {
            // The next start: the preset and the moved weight are back.
            RecommendChooser chooser;
            RecommendWeights expected = recommendWeights(RecommendPreset::FiveGrids);
            expected.wordLike = 70;
            QCOMPARE(chooser.weights(), expected);
            // 恢复预设 goes back to the preset, on the page and in the settings.
            chooser.openWeightsPage();
            find<QPushButton>(*chooser.weightsPage(), QStringLiteral("恢复预设按钮"))->click();
            QCOMPARE(chooser.weights(), recommendWeights(RecommendPreset::FiveGrids));
            QCOMPARE(weightBox(*chooser.weightsPage(), "wordLike")->value(),
                     recommendWeights(RecommendPreset::FiveGrids).wordLike);
            QVERIFY(!find<QLabel>(chooser, QStringLiteral("喜用来源"))->text().contains(QStringLiteral("权重")));
            // A moved weight, then another preset: it starts from that preset's own weights.
            weightBox(*chooser.weightsPage(), "base")->setValue(10);
            find<QComboBox>(chooser, QStringLiteral("推荐方案框"))->setCurrentIndex(2);
            QCOMPARE(chooser.weights(), recommendWeights(RecommendPreset::MeaningAndSound));
            QCOMPARE(weightBox(*chooser.weightsPage(), "base")->value(),
                     recommendWeights(RecommendPreset::MeaningAndSound).base);
        }
        QCOMPARE(RecommendChooser().weights(), recommendWeights(RecommendPreset::MeaningAndSound));
    }

    void aMovedWeightReordersTheShortlistAtOnceAndThePaneTellsWhy() {
        FinishedRun run;
        QVERIFY(withShortlist(*run.window, [&](ShortlistDialog& dialog) {
            auto* table = find<QTableView>(dialog, QStringLiteral("名单表格"));
            table->sortByColumn(static_cast<int>(ShortlistColumn::Recommended), Qt::DescendingOrder);
            const Shortlist& shortlist = dialog.model().shortlist();
            QVERIFY(shortlist.size() > 20);
            auto* chooser = find<RecommendChooser>(dialog, QStringLiteral("推荐设置"));
            chooser->openWeightsPage();
            RecommendWeightsDialog& page = *chooser->weightsPage();
            // Only the score counts: the list runs by score.
            for (const char* key : {"favourable", "solarFavourable"}) {
                weightBox(page, key)->setValue(0);
            }
            weightBox(page, "score")->setValue(100);
            weightBox(page, "base")->setValue(0);
            const auto scoreAt = [&](std::size_t i) { return dialog.model().shortlist().factsAt(i).recommended; };
            for (std::size_t i = 1; i < shortlist.size(); ++i) {
                QVERIFY(scoreAt(i - 1) >= scoreAt(i));
            }
            // Only the elements count (the parent's own, 金; the test chart lacks none): names supplying them first.
            find<QCheckBox>(dialog, QStringLiteral("金喜用框"))->setChecked(true);
            weightBox(page, "score")->setValue(0);
            weightBox(page, "favourable")->setValue(50);
            QVERIFY(shortlist.factsAt(0).suppliesMissingElement);
            QVERIFY(!shortlist.factsAt(shortlist.size() - 1).suppliesMissingElement);

            // The pane's reasons line follows the selection and the weights.
            table->setCurrentIndex(dialog.model().index(0, 0));
            auto* reasons = find<QLabel>(dialog, QStringLiteral("详情推荐理由"));
            QVERIFY(!reasons->isHidden());
            QCOMPARE(reasons->text(), QStringLiteral("推荐 50：喜用五行 +50"));
            weightBox(page, "favourable")->setValue(40);
            QCOMPARE(reasons->text(), QStringLiteral("推荐 40：喜用五行 +40"));
        }));
    }

    void theParentsOwnElementsStandForTheWorkedOutOnesInTheMissingElementFilter() {
        FinishedRun run;
        QVERIFY(withShortlist(*run.window, [&](ShortlistDialog& dialog) {
            auto* missing = find<QCheckBox>(dialog, QStringLiteral("补缺框"));
            auto* uses = find<QLabel>(dialog, QStringLiteral("喜用来源"));
            QCOMPARE(uses->text(), QStringLiteral("（补缺、推荐按八字喜用神）"));
            QVERIFY(!missing->toolTip().contains(QStringLiteral("自选")));
            missing->setChecked(true);
            const int byChart = dialog.model().rowCount();
            find<QCheckBox>(dialog, QStringLiteral("金喜用框"))->setChecked(true);
            find<QCheckBox>(dialog, QStringLiteral("木喜用框"))->setChecked(true);
            QCOMPARE(uses->text(), QStringLiteral("（补缺、推荐按自选：金木）"));
            QVERIFY(uses->toolTip().contains(QStringLiteral("自选的喜用神（金木）")));
            QVERIFY(missing->toolTip().contains(QStringLiteral("按自选喜用神（金木）补缺")));
            QVERIFY(find<QLabel>(dialog, QStringLiteral("名单状态"))
                        ->text()
                        .contains(QStringLiteral("补缺：按自选喜用神（金木）补缺，不按本轮八字")));
            const Shortlist& shortlist = dialog.model().shortlist();
            QVERIFY(dialog.model().rowCount() > 0);
            QVERIFY(dialog.model().rowCount() != byChart);
            for (std::size_t i = 0; i < shortlist.size(); ++i) {
                const StoredName& row = run.window->context().results().row(shortlist.firstRowAt(i));
                QVERIFY(row.givenElements.intersects(ElementSet{Element::Metal, Element::Wood}));
            }
            find<QCheckBox>(dialog, QStringLiteral("金喜用框"))->setChecked(false);
            find<QCheckBox>(dialog, QStringLiteral("木喜用框"))->setChecked(false);
            QCOMPARE(dialog.model().rowCount(), byChart);
        }));
    }
};

} // namespace namewright

QTEST_MAIN(namewright::RecommendSettingsTest)
#include "RecommendSettingsTest.moc"
