// The favourites list and its CSV export.

#include "reports/FavouriteList.h"
#include "reports/FavouritesCsv.h"
#include "reports/ListedName.h"

#include "support/SyntheticStore.h"

#include <gtest/gtest.h>

namespace namewright {
namespace {

Favourite named(std::string family, std::string given, int stars = 3, std::string note = {}) {
    Favourite f;
    f.familyText = std::move(family);
    f.given = std::move(given);
    f.stars = stars;
    f.note = std::move(note);
    f.cells[ResultColumn::Name] = f.familyText + f.given;
    f.cells[ResultColumn::Score] = "90";
    return f;
}

/// A plain CSV reader (RFC 4180 quoting, CR LF lines) to read the export back.
std::vector<std::vector<std::string>> readCsv(std::string_view text) {
    std::vector<std::vector<std::string>> lines(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            lines.back().push_back(std::move(field));
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines.back().push_back(std::move(field));
            field.clear();
            lines.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    lines.pop_back(); // after the last CR LF
    return lines;
}

TEST(FavouriteList, HoldsEachNameOnceInTheOrderStarred) {
    FavouriteList list;
    EXPECT_TRUE(list.add(named("李", "哉栋")));
    EXPECT_TRUE(list.add(named("李", "哉")));   // a one-character name is another name
    EXPECT_TRUE(list.add(named("欧阳", "哉"))); // so is the same given name under another family
    EXPECT_FALSE(list.add(named("李", "哉栋", 5, "again")));
    ASSERT_EQ(list.size(), 3U);
    EXPECT_EQ(list.all()[0].name(), "李哉栋");
    EXPECT_EQ(list.all()[0].stars, 3); // the second add changed nothing
    EXPECT_EQ(list.all()[2].name(), "欧阳哉");
}

TEST(FavouriteList, ClampsStarsToOneToFiveAndReportsWhetherAnythingChanged) {
    FavouriteList list;
    list.add(named("李", "哉栋", 9));
    EXPECT_EQ(list.find("李", "哉栋")->stars, 5);
    EXPECT_FALSE(list.setStars("李", "哉栋", 7)); // clamped to 5: no change
    EXPECT_TRUE(list.setStars("李", "哉栋", 0));
    EXPECT_EQ(list.find("李", "哉栋")->stars, 1);
    EXPECT_FALSE(list.setStars("王", "哉栋", 3));
    EXPECT_TRUE(list.setNote("李", "哉栋", "奶奶喜欢"));
    EXPECT_FALSE(list.setNote("李", "哉栋", "奶奶喜欢"));
    EXPECT_EQ(list.find("李", "哉栋")->note, "奶奶喜欢");
    EXPECT_TRUE(list.remove("李", "哉栋"));
    EXPECT_FALSE(list.remove("李", "哉栋"));
    EXPECT_TRUE(list.empty());
}

TEST(FavouriteList, AssignMergesRepeatedNamesAndClampsStars) {
    FavouriteList list;
    EXPECT_EQ(list.assign({named("李", "哉栋", -3, "大气"), named("王", "栋", 9), named("李", "哉栋", 4, "好听"),
                           named("李", "哉栋", 2, "大气"), named("李", "哉栋", 1)}),
              3U);
    ASSERT_EQ(list.size(), 2U);
    EXPECT_EQ(list.all()[0].name(), "李哉栋");
    EXPECT_EQ(list.all()[0].stars, 4);           // the highest
    EXPECT_EQ(list.all()[0].note, "大气；好听"); // each distinct note once, in file order
    EXPECT_EQ(list.all()[1].stars, 5);           // clamped
    EXPECT_EQ(list.indexOf("王", "栋"), 1);
    EXPECT_EQ(list.indexOf("王", "哉栋"), -1);
}

TEST(FavouriteList, MergingAThousandNotesForOneNameKeepsEveryNote) {
    std::vector<Favourite> many;
    for (int i = 0; i < 1000; ++i) {
        many.push_back(named("李", "栋", 1 + i % 5, "备注" + std::to_string(i)));
    }
    EXPECT_EQ(mergeDuplicateFavourites(many), 999U);
    ASSERT_EQ(many.size(), 1U);
    EXPECT_EQ(many[0].stars, 5);
    EXPECT_NE(many[0].note.find("备注0；备注1；"), std::string::npos);
    EXPECT_NE(many[0].note.find("；备注999"), std::string::npos);
}

TEST(FavouriteList, MergingInterleavedDuplicatesKeepsTheFirstPlaceAndEveryFirstEntry) {
    std::vector<Favourite> entries = {
        named("李", "一", 2, "甲"), named("王", "二", 1),       named("李", "一", 4, "乙"), named("赵", "三", 3, "丙"),
        named("王", "二", 5, "丁"), named("李", "一", 1, "甲"), named("王", "二", 2, "丁")};
    entries[2].added = "not the first";
    EXPECT_EQ(mergeDuplicateFavourites(entries), 4U);
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries[0].given, "一");
    EXPECT_EQ(entries[0].stars, 4);
    EXPECT_EQ(entries[0].note, "甲；乙"); // the first entry's own note counts as seen
    EXPECT_NE(entries[0].added, "not the first");
    EXPECT_EQ(entries[1].given, "二");
    EXPECT_EQ(entries[1].stars, 5);
    EXPECT_EQ(entries[1].note, "丁"); // an empty first note takes the next one without a separator
    EXPECT_EQ(entries[2].given, "三");
    EXPECT_EQ(entries[2].note, "丙");
}

TEST(FavouriteList, RestorePutsARemovedNameBackInItsPlace) {
    FavouriteList list;
    list.assign({named("李", "一"), named("李", "二"), named("李", "三")});
    const Favourite second = *list.find("李", "二");
    ASSERT_TRUE(list.remove("李", "二"));
    EXPECT_EQ(list.indexOf("李", "三"), 1);
    EXPECT_TRUE(list.restore(second, 1));
    EXPECT_FALSE(list.restore(second, 0)); // there again
    EXPECT_EQ(list.indexOf("李", "二"), 1);
    EXPECT_EQ(list.indexOf("李", "三"), 2);
    EXPECT_TRUE(list.restore(named("李", "四"), 99)); // beyond the end: appended
    EXPECT_EQ(list.indexOf("李", "四"), 3);
}

/// Two windows that read the same file: `mine` changes its list, `saved` is what the other window wrote meanwhile.
TEST(FavouriteListMerge, KeepsTheAdditionsOfBothWindows) {
    FavouriteList mine;
    mine.assign({named("李", "一")});
    mine.add(named("李", "二"));
    mine.mergeWithSaved({named("李", "一"), named("王", "三")});
    ASSERT_EQ(mine.size(), 3U);
    EXPECT_EQ(mine.all()[0].name(), "李一");
    EXPECT_EQ(mine.all()[1].name(), "王三"); // the saved order, then what was added here
    EXPECT_EQ(mine.all()[2].name(), "李二");
}

TEST(FavouriteListMerge, ARemovalHereStaysRemovedAndARemovalThereIsFollowed) {
    FavouriteList mine;
    mine.assign({named("李", "一"), named("李", "二"), named("李", "三")});
    mine.remove("李", "一");
    mine.setNote("李", "三", "这里改的");
    // The other window removed 二 and added 四; it still has 一, and 三 without the note.
    mine.mergeWithSaved({named("李", "一"), named("李", "三"), named("李", "四")});
    ASSERT_EQ(mine.size(), 2U);
    EXPECT_EQ(mine.all()[0].name(), "李三");
    EXPECT_EQ(mine.all()[0].note, "这里改的");
    EXPECT_EQ(mine.all()[1].name(), "李四");
}

TEST(FavouriteListMerge, AfterASaveOnlyNewChangesCountAsOurs) {
    FavouriteList mine;
    mine.assign({named("李", "一")});
    mine.setStars("李", "一", 5);
    mine.markSaved();
    // The other window then set its stars to 2: nothing changed here since, so its version is taken.
    mine.mergeWithSaved({named("李", "一", 2)});
    EXPECT_EQ(mine.find("李", "一")->stars, 2);
}

TEST(FavouriteListMerge, ADamagedSavedFileDropsNothingThatIsMissingFromIt) {
    FavouriteList mine;
    mine.assign({named("李", "一"), named("李", "二")});
    mine.mergeWithSaved({named("李", "二", 5), named("李", "二", 1, "重复")}, false);
    ASSERT_EQ(mine.size(), 2U);
    EXPECT_EQ(mine.all()[0].name(), "李二");
    EXPECT_EQ(mine.all()[0].stars, 5);
    EXPECT_EQ(mine.all()[1].name(), "李一");
}

TEST(ListedNameOfRow, TakesTheRowsTextsCellsAndTheSeriesRecord) {
    testing::SyntheticStore synthetic;
    const auto family = synthetic.family("欧阳", 15, "土");
    synthetic.add(family, 3, 7);
    synthetic.add(family, 4, testing::SyntheticStore::kNone);
    SeriesRecord record;
    record.chart.favourableElement = "金水";
    record.moment = {"2011", "1", "1", "1", "10"};

    const ListedName two = listedNameOfRow(synthetic.store, 0, &record);
    EXPECT_EQ(two.familyText, "欧阳");
    EXPECT_EQ(two.given, testing::SyntheticStore::character(3) + testing::SyntheticStore::character(7));
    EXPECT_EQ(two.cells, synthetic.store.rowCells(0));
    EXPECT_EQ(two.chart.favourableElement, "金水");
    EXPECT_EQ(two.birth.year, "2011");
    EXPECT_EQ(two.birth.minute, "10");

    const ListedName one = listedNameOfRow(synthetic.store, 1, nullptr);
    EXPECT_EQ(one.given, testing::SyntheticStore::character(4));
    EXPECT_TRUE(one.chart.favourableElement.empty());
}

TEST(FavouritesCsv, StartsWithTheByteOrderMarkAndHasAColumnPerField) {
    FavouriteList list;
    Favourite f = named("李", "哉栋", 4, "奶奶喜欢");
    f.cells[ResultColumn::ThreeTalentsKey] = "金土水";
    f.cells[ResultColumn::ElementText] = "火金木";
    f.added = "2024-05-01 09:30";
    list.add(f);
    list.add(named("王", "栋"));

    const std::string csv = favouritesCsv(list);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const auto lines = readCsv(std::string_view(csv).substr(3));
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0], (std::vector<std::string>{"姓名", "姓", "名", "分数", "天格", "人格", "地格", "外格", "总格",
                                                  "三才", "五行", "星级", "备注", "收藏时间"}));
    for (const auto& line : lines) {
        EXPECT_EQ(line.size(), 14U);
    }
    EXPECT_EQ(lines[1][0], "李哉栋");
    EXPECT_EQ(lines[1][1], "李");
    EXPECT_EQ(lines[1][2], "哉栋");
    EXPECT_EQ(lines[1][3], "90");
    EXPECT_EQ(lines[1][9], "金土水");
    EXPECT_EQ(lines[1][10], "火金木");
    EXPECT_EQ(lines[1][11], "4");
    EXPECT_EQ(lines[1][12], "奶奶喜欢");
    EXPECT_EQ(lines[1][13], "2024-05-01 09:30");
    EXPECT_EQ(lines[2][0], "王栋");
}

TEST(FavouritesCsv, QuotesNotesHoldingCommasQuotesAndLineBreaks) {
    FavouriteList list;
    list.add(named("李", "哉栋", 3, "好听, \"大气\"\r\n第二行"));
    list.add(named("李", "栋", 3, "plain"));
    const std::string csv = favouritesCsv(list);
    EXPECT_NE(csv.find("\"好听, \"\"大气\"\"\r\n第二行\""), std::string::npos);
    EXPECT_NE(csv.find(",plain,"), std::string::npos); // a plain field is not quoted
    const auto lines = readCsv(std::string_view(csv).substr(3));
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[1][12], "好听, \"大气\"\r\n第二行");
}

TEST(FavouritesCsv, AnEmptyListIsTheHeaderAlone) {
    const std::string csv = favouritesCsv(FavouriteList{});
    EXPECT_EQ(readCsv(std::string_view(csv).substr(3)).size(), 1U);
}

} // namespace
} // namespace namewright
