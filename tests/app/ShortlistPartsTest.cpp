// The parts the shortlist window wires, each on its own: the filter bar over a model of made-up names, and the
// favourites page over a store of its own (its actions by the rows chosen, its messages for the window).

#include "app/AppContext.h"
#include "app/ShortlistFilterBar.h"
#include "app/favourites/FavouritesPage.h"
#include "app/favourites/FavouritesStore.h"
#include "app/models/ShortlistModel.h"
#include "support/SyntheticStore.h"

#include "AppTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace namewright {

namespace {

template <typename T> T* find(QWidget& parent, const char* name) {
    auto* child = parent.findChild<T*>(QString::fromUtf8(name));
    if (child == nullptr) {
        qFatal("no child %s", name);
    }
    return child;
}

Favourite favourite(const char* family, const char* given, int stars) {
    Favourite f;
    f.familyText = family;
    f.given = given;
    f.stars = stars;
    f.cells.texts = {f.familyText + f.given, "90", "8", "16", "21", "13", "28", "土土木", "火金木"};
    f.added = "2024-05-01 09:30";
    return f;
}

} // namespace

class ShortlistPartsTest : public QObject {
    Q_OBJECT

private slots:
    void theFilterBarSetsEachFilterOnTheModelAndSaysSo() {
        testing::SyntheticStore synthetic;
        const auto li = synthetic.family("李", 7, "火");
        for (int first = 0; first < 60; ++first) {
            synthetic.add(li, first, first % 4 == 0 ? testing::SyntheticStore::kNone : first + 100);
        }
        ShortlistModel model(synthetic.store, ShortlistSources{});
        model.refresh(std::nullopt);
        ShortlistFilterBar bar(model, nullptr);
        QSignalSpy applied(&bar, &ShortlistFilterBar::filterApplied);
        QCOMPARE(model.rowCount(), 60);

        find<QSpinBox>(bar, "最低分框")->setValue(80);
        QCOMPARE(applied.size(), 1);
        QCOMPARE(model.shortlist().filter().minimumScore, 80);
        QVERIFY(model.rowCount() > 0 && model.rowCount() < 60);

        find<QSpinBox>(bar, "最低分框")->setValue(0);
        find<QComboBox>(bar, "字数框")->setCurrentIndex(1); // one-character names only
        QCOMPARE(model.rowCount(), 15);
        find<QComboBox>(bar, "字数框")->setCurrentIndex(0);
        const QString eight = QString::fromStdString(testing::SyntheticStore::character(8));
        find<QLineEdit>(bar, "含字框")->setText(eight);
        QCOMPARE(model.rowCount(), 1);
        find<QLineEdit>(bar, "含字框")->clear();
        find<QLineEdit>(bar, "排除字框")->setText(eight);
        QCOMPARE(model.rowCount(), 59);
        QCOMPARE(applied.size(), 7);

        // Without the character knowledge or a chart its filters are not offered.
        for (const char* name : {"无读音提示框", "有诗句框", "常用字框", "补节气喜用框"}) {
            QVERIFY2(find<QCheckBox>(bar, name)->isHidden(), name);
        }
    }

    void theFavouritesPageOffersWhatTheChosenRowsAllowAndReportsItsExports() {
        testing::TempDatabase file;
        testing::fillWindowTestDatabase(file);
        AppContext context(file.path());
        QTemporaryDir folder;
        FavouritesStore store(folder.filePath(QStringLiteral("favourites.json")));
        QVERIFY(store.add(favourite("李", "哉栋", 3)));
        QVERIFY(store.add(favourite("欧阳", "栋", 5)));
        QVERIFY(store.add(favourite("王", "安然", 1)));
        FavouritesPage page(context, store, nullptr);
        QTableView& table = page.table();
        auto* compare = find<QPushButton>(page, "比较按钮");
        auto* remove = find<QPushButton>(page, "移除收藏按钮");
        QVERIFY(!page.currentFavourite());

        table.selectRow(1);
        page.updateActions();
        QVERIFY(!compare->isEnabled());
        QVERIFY(remove->isEnabled());
        QCOMPARE(page.currentFavourite()->name(), std::string("欧阳栋"));
        table.selectionModel()->select(table.model()->index(2, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        page.updateActions();
        QVERIFY(compare->isEnabled());
        table.clearSelection();
        page.updateActions();
        QVERIFY(!compare->isEnabled() && !remove->isEnabled());
        QVERIFY(!page.currentFavourite()); // a current row that is not chosen shows nothing

        QSignalSpy messages(&page, &FavouritesPage::message);
        const QString csv = folder.filePath(QStringLiteral("收藏.csv"));
        QVERIFY(page.exportCsv(csv));
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0][0].toString(), QStringLiteral("已导出 3 个收藏到 ") + csv);
        QCOMPARE(messages[0][1].toBool(), false);
        QVERIFY(!page.exportCsv(folder.filePath(QStringLiteral("no/such/folder/x.csv"))));
        QVERIFY(messages[1][0].toString().startsWith(QStringLiteral("CSV 文件未能写出：")));
        QCOMPARE(messages[1][1].toBool(), true);
    }
};

} // namespace namewright

QTEST_MAIN(namewright::ShortlistPartsTest)
#include "ShortlistPartsTest.moc"
