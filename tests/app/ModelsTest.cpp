// The four table models the windows show, checked by Qt's model tester while their data changes the ways the program
// changes it: rows streaming into the result grid and the shortlist, the shortlist sorted, filtered and starred, the
// favourites added, edited, removed and brought back, a reference table. This test links the models library alone:
// no window is built.

#include "app/favourites/FavouritesModel.h"
#include "app/favourites/FavouritesStore.h"
#include "app/models/ReferenceTableModel.h"
#include "app/models/ResultGridModel.h"
#include "app/models/ShortlistModel.h"
#include "app/models/TextConversion.h"
#include "reports/ReferenceTableListing.h"
#include "support/SyntheticStore.h"
#include "support/TempDatabase.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QSignalSpy>
#include <QTest>

namespace namewright {

namespace {

Favourite favourite(const char* family, const char* given, const char* score, int stars) {
    Favourite f;
    f.familyText = family;
    f.given = given;
    f.stars = stars;
    f.cells.texts = {f.familyText + f.given, score, "8", "16", "21", "13", "28", "土土木", "火金木"};
    f.chart.fourPillars = "庚寅年 戊子月 丙辰日 己丑时";
    f.birth = {"2011", "1", "1", "1"};
    f.added = "2024-05-01 09:30";
    return f;
}

QString cell(const QAbstractItemModel& model, int row, int column, int role = Qt::DisplayRole) {
    return model.index(row, column).data(role).toString();
}

} // namespace

class ModelsTest : public QObject {
    Q_OBJECT

private slots:
    void theResultGridTakesArrivingRowsAndIsCleared() {
        testing::SyntheticStore synthetic;
        const auto li = synthetic.family("李", 7, "火");
        ResultGridModel model(synthetic.store);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), ResultGridModel::kColumns);

        for (int first = 0; first < 40; ++first) {
            synthetic.add(li, first, first % 3 == 0 ? testing::SyntheticStore::kNone : first + 50);
        }
        model.takeNewRows();
        QCOMPARE(model.rowCount(), 40);
        for (int first = 40; first < 100; ++first) {
            synthetic.add(li, first, first + 50);
        }
        model.takeNewRows();
        model.takeNewRows(); // nothing new: no change
        QCOMPARE(model.rowCount(), 100);

        // Row 1 is 李 with characters 1 and 51; the leading column is empty.
        const int name = ResultGridModel::gridColumn(ResultColumn::Name);
        const int score = ResultGridModel::gridColumn(ResultColumn::Score);
        QCOMPARE(cell(model, 1, name), QStringLiteral("李") + toQString(testing::SyntheticStore::character(1) +
                                                                        testing::SyntheticStore::character(51)));
        QCOMPARE(cell(model, 1, score), QString::number(testing::SyntheticStore::scoreOf(1, 51)));
        QVERIFY(!model.index(1, ResultGridModel::kLeadingColumn).data().isValid());
        QCOMPARE(model.headerData(name, Qt::Horizontal).toString(), QStringLiteral("姓名"));
        // The best names are red, the others keep the view's colour.
        for (int row = 0; row < model.rowCount(); ++row) {
            const QVariant foreground = model.index(row, name).data(Qt::ForegroundRole);
            QCOMPARE(foreground.isValid(), cell(model, row, score).toInt() >= 95);
        }

        model.beginClear();
        synthetic.store.clear(2);
        model.endClear();
        QCOMPARE(model.rowCount(), 0);
        model.takeNewRows();
        QCOMPARE(model.rowCount(), 0);
    }

    void theResultGridTakesRowsInBoundedSlicesThatAllArrive() {
        testing::SyntheticStore synthetic;
        const auto li = synthetic.family("李", 7, "火");
        synthetic.store.setRowLimit(300);
        ResultGridModel model(synthetic.store);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy full(&model, &ResultGridModel::storeFull);
        for (int i = 0; i < 250; ++i) {
            synthetic.add(li, i % 50, 50 + i % 40);
        }
        QVERIFY(model.takeNewRows(100));
        QVERIFY(model.takeNewRows(100));
        QVERIFY(!model.takeNewRows(100)); // the last 50
        QVERIFY(!model.takeNewRows(100)); // nothing new: no change
        QCOMPARE(model.rowCount(), 250);
        QCOMPARE(inserted.count(), 3);
        QCOMPARE(inserted.at(1).at(1).toInt(), 100);
        QCOMPARE(inserted.at(1).at(2).toInt(), 199);
        QCOMPARE(inserted.at(2).at(2).toInt(), 249);
        const int name = ResultGridModel::gridColumn(ResultColumn::Name);
        QCOMPARE(cell(model, 249, name), QStringLiteral("李") + toQString(testing::SyntheticStore::character(49) +
                                                                          testing::SyntheticStore::character(59)));

        // A full store is told once every row it kept is shown, not while rows are still to come.
        for (int i = 250; i < 320; ++i) {
            synthetic.add(li, i % 50, 50 + i % 40);
        }
        QVERIFY(synthetic.store.isFull());
        QVERIFY(model.takeNewRows(30));
        QCOMPARE(full.count(), 0);
        QVERIFY(!model.takeNewRows(30));
        QCOMPARE(model.rowCount(), 300);
        QCOMPARE(full.count(), 1);
    }

    void theResultGridsTimerTakesMoreThanASliceOverSeveralPasses() {
        testing::SyntheticStore synthetic;
        const auto li = synthetic.family("李", 7, "火");
        ResultGridModel model(synthetic.store);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        const int rows = 2 * ResultGridModel::kRowsPerSlice + 10;
        for (int i = 0; i < rows; ++i) {
            synthetic.add(li, i % 300, 300 + i % 97);
        }
        QTRY_COMPARE(model.rowCount(), rows);
        QCOMPARE(inserted.count(), 3);
        for (const QList<QVariant>& insertion : inserted) {
            QVERIFY(insertion.at(2).toInt() - insertion.at(1).toInt() + 1 <= ResultGridModel::kRowsPerSlice);
        }
    }

    void theShortlistIsRankedFilteredAndStarredAsNamesArrive() {
        testing::SyntheticStore synthetic;
        const auto li = synthetic.family("李", 7, "火");
        for (int first = 0; first < 60; ++first) {
            synthetic.add(li, first, first + 100);
        }
        ShortlistModel model(synthetic.store, ShortlistSources{});
        model.stopFollowing(); // refreshed by hand below
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.refresh(std::nullopt);
        QCOMPARE(model.rowCount(), 60);

        const int score = static_cast<int>(ShortlistColumn::Score);
        const int draws = static_cast<int>(ShortlistColumn::Draws);
        const int starred = static_cast<int>(ShortlistColumn::Favourite);
        model.sort(score, Qt::DescendingOrder);
        for (int row = 1; row < model.rowCount(); ++row) {
            QVERIFY(cell(model, row - 1, score).toInt() >= cell(model, row, score).toInt());
        }

        // Names drawn again and new ones: the same names are counted, the new ones listed.
        synthetic.add(li, 5, 105);
        synthetic.add(li, 5, 105);
        for (int first = 60; first < 90; ++first) {
            synthetic.add(li, first, first + 100);
        }
        model.refresh(std::nullopt);
        QCOMPARE(model.rowCount(), 90);
        const auto again = model.rowOf(5);
        QVERIFY(again.has_value());
        QCOMPARE(cell(model, *again, draws), QStringLiteral("3"));
        QCOMPARE(model.index(*again, 0).data(ShortlistModel::kFirstRowRole).toUInt(), 5U);

        ShortlistFilter filter;
        filter.minimumScore = 80;
        model.setFilter(filter);
        QVERIFY(model.rowCount() > 0 && model.rowCount() < 90);
        for (int row = 0; row < model.rowCount(); ++row) {
            QVERIFY(cell(model, row, score).toInt() >= 80);
        }

        // A favourite shows its stars; only the favourites when asked.
        const std::string given = testing::SyntheticStore::character(5) + testing::SyntheticStore::character(105);
        model.setFilter(ShortlistFilter{});
        model.setFavourites({{"李", given, 4}});
        QCOMPARE(cell(model, *model.rowOf(5), starred), QString(4, QChar(0x2605)));
        filter = ShortlistFilter{};
        filter.favouritesOnly = true;
        model.setFilter(filter);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.firstRowAt(0), 5U);
        model.setFavourites({});
        QCOMPARE(model.rowCount(), 0);
    }

    void theFavouritesTableFollowsEveryChangeOfTheStore() {
        testing::TempPath file(".json");
        FavouritesStore store(QString::fromStdString(file.path().string()));
        FavouritesModel model(store);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);

        QVERIFY(store.add(favourite("李", "哉栋", "92", 3)));
        QVERIFY(store.add(favourite("欧阳", "栋", "88", 5)));
        QVERIFY(store.add(favourite("王", "安然", "95", 1)));
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(cell(model, 1, FavouritesModel::Name), QStringLiteral("欧阳栋"));
        QCOMPARE(cell(model, 1, FavouritesModel::Score), QStringLiteral("88"));
        QCOMPARE(cell(model, 1, FavouritesModel::Stars), QString(5, QChar(0x2605)));
        QCOMPARE(cell(model, 1, FavouritesModel::Elements), QStringLiteral("火金木"));
        QCOMPARE(cell(model, 1, FavouritesModel::Added), QStringLiteral("2024-05-01 09:30"));

        // An edit keeps the rows and says which changed.
        QSignalSpy edited(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(store.setNote("李", "哉栋", "奶奶喜欢"));
        QVERIFY(store.setStars("李", "哉栋", 2));
        QCOMPARE(edited.size(), 2);
        QCOMPARE(cell(model, 0, FavouritesModel::Note), QStringLiteral("奶奶喜欢"));
        QCOMPARE(cell(model, 0, FavouritesModel::Note, Qt::ToolTipRole), QStringLiteral("奶奶喜欢"));
        QCOMPARE(model.rowOf("王", "安然"), 2);

        QCOMPARE(store.removeAll({{"李", "哉栋"}, {"王", "安然"}}), std::size_t{2});
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.rowOf("王", "安然"), -1);
        QVERIFY(store.undoRemoval());
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(cell(model, 0, FavouritesModel::Name), QStringLiteral("李哉栋"));
        QCOMPARE(cell(model, 0, FavouritesModel::Stars), QString(2, QChar(0x2605)));
    }

    void aReferenceTableShowsItsRowsBesideAnEmptyLeadingColumn() {
        ReferenceTableListing listing;
        listing.headers = {"ID", "属性", "解释", "吉否"};
        listing.rows = {{"7", "金土水", "金土水之配置，上下相生，基础稳固", "吉"}, {"-12", "木木木", "", ""}};
        listing.columnWidths = {25, 30, 50, 500, 30};
        ReferenceTableModel model(listing);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 5);
        QVERIFY(!model.headerData(0, Qt::Horizontal).isValid());
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("属性"));
        QVERIFY(!model.index(0, 0).data().isValid());
        QCOMPARE(cell(model, 0, 3), QStringLiteral("金土水之配置，上下相生，基础稳固"));
        QCOMPARE(cell(model, 0, 3, Qt::ToolTipRole), cell(model, 0, 3));
        QCOMPARE(cell(model, 1, 1), QStringLiteral("-12"));
        QVERIFY(!model.index(1, 3).data(Qt::ToolTipRole).isValid()); // an empty cell has no tip

        // A table that could not be read is an empty model.
        ReferenceTableModel empty{ReferenceTableListing{}};
        QAbstractItemModelTester emptyTester(&empty, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(empty.rowCount(), 0);
        QCOMPARE(empty.columnCount(), 0);
    }
};

} // namespace namewright

QTEST_MAIN(namewright::ModelsTest)
#include "ModelsTest.moc"
