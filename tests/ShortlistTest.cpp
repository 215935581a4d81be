// The shortlist: its ranking and every column's order against a brute-force sort of the distinct names, its filters
// alone and combined against a plain loop, names arriving while it is shown, and a new series.

#include "shortlist/Shortlist.h"
#include "naming/CompoundSurnameScoring.h"
#include "support/SmallKnowledgeFile.h"
#include "support/SyntheticStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <tuple>

namespace namewright {
namespace {

using testing::SyntheticStore;

/// One distinct name as the brute force sees it: read back from the store's texts, not from the shortlist's tables.
struct Oracle {
    std::uint32_t firstRow = 0;
    std::uint32_t draws = 0;
    std::string familyText;
    int familyStrokes = 0;
    std::string first, second; ///< given characters; second empty for a one-character name
    std::string givenElements;
    int score = 0;
    FiveGrids grids;
    std::string elementText;
};

std::vector<Oracle> distinctNames(const ResultStore& store) {
    std::map<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>, std::size_t> index;
    std::vector<Oracle> names;
    for (std::size_t i = 0; i < store.rowCount(); ++i) {
        const StoredName& row = store.row(i);
        const auto [it, fresh] = index.try_emplace({row.family, row.firstCharacter, row.secondCharacter}, names.size());
        if (fresh) {
            Oracle name;
            name.firstRow = static_cast<std::uint32_t>(i);
            const auto family = store.family(row.family);
            name.familyText = store.texts().text(family.text);
            name.familyStrokes = family.strokes;
            name.first = store.texts().text(row.firstCharacter);
            name.second = row.isOneCharacter() ? "" : store.texts().text(row.secondCharacter);
            name.elementText = store.cellText(i, ResultColumn::ElementText);
            name.givenElements = name.elementText.substr(store.texts().text(family.element).size());
            name.score = row.score;
            name.grids = store.grids(i);
            names.push_back(name);
        }
        ++names[it->second].draws;
    }
    return names;
}

std::vector<std::uint32_t> shown(const Shortlist& shortlist) {
    std::vector<std::uint32_t> rows;
    for (std::size_t i = 0; i < shortlist.size(); ++i) {
        rows.push_back(shortlist.firstRowAt(i));
    }
    return rows;
}

/// The first rows of the names that pass, ordered by `less` (a strict order on the column) and then by first row.
std::vector<std::uint32_t> expectedOrder(std::vector<Oracle> names, const std::function<bool(const Oracle&)>& passes,
                                         const std::function<bool(const Oracle&, const Oracle&)>& less) {
    std::erase_if(names, [&](const Oracle& name) { return !passes(name); });
    std::stable_sort(names.begin(), names.end(), [&](const Oracle& a, const Oracle& b) {
        if (less(a, b) || less(b, a)) {
            return less(a, b);
        }
        return a.firstRow < b.firstRow;
    });
    std::vector<std::uint32_t> rows;
    for (const Oracle& name : names) {
        rows.push_back(name.firstRow);
    }
    return rows;
}

/// The index of a character of SyntheticStore::character.
int indexOf(const std::string& character) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(character[i]); };
    return static_cast<int>(((b(0) & 0x0FU) << 12U) | ((b(1) & 0x3FU) << 6U) | (b(2) & 0x3FU)) - 0x4E00;
}

bool all(const Oracle&) {
    return true;
}

const ElementSet kMissing{Element::Metal, Element::Water};

/// A series of two families with repeats, one-character names and a score spread.
class ShortlistOfASeries : public ::testing::Test {
protected:
    ShortlistOfASeries() {
        const auto li = s.family("李", 7, "火");
        const auto zhang = s.family("张", 11, "火");
        s.addRandom(li, 4000, 30, 40, 0.15, 11);
        s.addRandom(zhang, 1500, 12, 12, 0.2, 12);
    }

    ShortlistSources sources() const {
        ShortlistSources sources;
        sources.missingElements = kMissing;
        return sources;
    }

    SyntheticStore s;
};

TEST_F(ShortlistOfASeries, RanksTheDistinctNamesByScoreHighestFirst) {
    Shortlist shortlist(s.store, sources());
    shortlist.refresh();
    EXPECT_EQ(shortlist.distinctCount(), distinctNames(s.store).size());
    EXPECT_EQ(shown(shortlist), expectedOrder(distinctNames(s.store), all,
                                              [](const Oracle& a, const Oracle& b) { return a.score > b.score; }));
    for (std::size_t i = 0; i < shortlist.size(); ++i) {
        const NameFacts facts = shortlist.factsAt(i);
        EXPECT_EQ(facts.firstRow, shortlist.firstRowAt(i));
        EXPECT_GE(facts.draws, 1U);
    }
}

TEST_F(ShortlistOfASeries, EveryColumnSortsBothWays) {
    using Less = std::function<bool(const Oracle&, const Oracle&)>;
    const auto by = [](auto field) -> Less {
        return [field](const Oracle& a, const Oracle& b) { return field(a) < field(b); };
    };
    const auto supplies = [](const Oracle& name) {
        return ElementSet::occurringIn(name.givenElements).intersects(kMissing);
    };
    const std::vector<std::pair<ShortlistColumn, Less>> columns{
        {ShortlistColumn::Name,
         by([](const Oracle& n) { return std::tuple(n.familyText, n.familyStrokes, n.first, n.second); })},
        {ShortlistColumn::Score, by([](const Oracle& n) { return n.score; })},
        {ShortlistColumn::Heaven, by([](const Oracle& n) { return n.grids.heaven; })},
        {ShortlistColumn::Person, by([](const Oracle& n) { return n.grids.person; })},
        {ShortlistColumn::Earth, by([](const Oracle& n) { return n.grids.earth; })},
        {ShortlistColumn::Outer, by([](const Oracle& n) { return n.grids.outer; })},
        {ShortlistColumn::Total, by([](const Oracle& n) { return n.grids.total; })},
        {ShortlistColumn::ThreeTalentsKey, by([](const Oracle& n) {
             return std::tuple(gridElement(n.grids.heaven), gridElement(n.grids.person), gridElement(n.grids.earth));
         })},
        {ShortlistColumn::ElementText, by([](const Oracle& n) { return n.elementText; })},
        {ShortlistColumn::Draws, by([](const Oracle& n) { return n.draws; })},
        {ShortlistColumn::SuppliesMissingElement, by(supplies)},
    };
    Shortlist shortlist(s.store, sources());
    shortlist.refresh();
    const auto names = distinctNames(s.store);
    for (const auto& [column, less] : columns) {
        shortlist.sort(column, false);
        EXPECT_EQ(shown(shortlist), expectedOrder(names, all, less)) << shortlistColumnTitle(column);
        shortlist.sort(column, true);
        EXPECT_EQ(shown(shortlist),
                  expectedOrder(names, all, [&](const Oracle& a, const Oracle& b) { return less(b, a); }))
            << shortlistColumnTitle(column) << " descending";
    }
}

TEST_F(ShortlistOfASeries, EachFilterAloneAndCombinedMatchesAPlainLoop) {
    const std::string c3 = SyntheticStore::character(3);
    const std::string c35 = SyntheticStore::character(35);
    const std::string c4 = SyntheticStore::character(4);
    const std::string c40 = SyntheticStore::character(40);
    const auto given = [](const Oracle& n) { return n.first + n.second; };
    const auto holds = [](const Oracle& n, const std::string& c) { return n.first == c || n.second == c; };
    struct Case {
        const char* what;
        ShortlistFilter filter;
        std::function<bool(const Oracle&)> passes;
    };
    std::vector<Case> cases;
    cases.push_back({"nothing", {}, all});
    ShortlistFilter f;
    f.minimumScore = 85;
    cases.push_back({"minimum score", f, [](const Oracle& n) { return n.score >= 85; }});
    f = {};
    f.suppliesMissingElement = true;
    cases.push_back({"supplies a missing element", f,
                     [](const Oracle& n) { return ElementSet::occurringIn(n.givenElements).intersects(kMissing); }});
    f = {};
    f.containsCharacters = " " + c3 + ",";
    cases.push_back({"contains", f, [&](const Oracle& n) { return holds(n, c3); }});
    f = {};
    f.containsCharacters = c3 + c35;
    cases.push_back({"contains both", f, [&](const Oracle& n) { return holds(n, c3) && holds(n, c35); }});
    f = {};
    f.containsCharacters = "鿿";
    cases.push_back({"contains a character no name has", f, [](const Oracle&) { return false; }});
    f = {};
    f.excludedCharacters = c4 + "、" + c40 + " 鿿";
    cases.push_back({"excludes", f, [&](const Oracle& n) { return !holds(n, c4) && !holds(n, c40); }});
    f = {};
    f.length = GivenLength::One;
    cases.push_back({"one character", f, [](const Oracle& n) { return n.second.empty(); }});
    f.length = GivenLength::Two;
    cases.push_back({"two characters", f, [](const Oracle& n) { return !n.second.empty(); }});
    f = {};
    f.favouritesOnly = true;
    const std::string favouriteGiven = SyntheticStore::character(3) + SyntheticStore::character(35);
    cases.push_back(
        {"favourites only", f, [&](const Oracle& n) { return n.familyText == "李" && given(n) == favouriteGiven; }});
    f = {};
    f.minimumScore = 70;
    f.suppliesMissingElement = true;
    f.excludedCharacters = c4;
    f.length = GivenLength::Two;
    cases.push_back({"combined", f, [&](const Oracle& n) {
                         return n.score >= 70 && ElementSet::occurringIn(n.givenElements).intersects(kMissing) &&
                                !holds(n, c4) && !n.second.empty();
                     }});
    // Without the knowledge file the knowledge filters have no effect; the 节气八字 filter has none without that chart.
    f = {};
    f.noSoundWarning = true;
    f.hasVerse = true;
    f.commonOnly = true;
    f.suppliesFavourableElement = true;
    cases.push_back({"knowledge and solar-term filters without their sources", f, all});

    Shortlist shortlist(s.store, sources());
    shortlist.refresh();
    shortlist.setFavourites({FavouriteStars{"李", favouriteGiven, 4}, FavouriteStars{"王", favouriteGiven, 2}});
    const auto names = distinctNames(s.store);
    const auto byScore = [](const Oracle& a, const Oracle& b) { return a.score > b.score; };
    for (const Case& c : cases) {
        shortlist.setFilter(c.filter);
        EXPECT_EQ(shown(shortlist), expectedOrder(names, c.passes, byScore)) << c.what;
    }
}

TEST_F(ShortlistOfASeries, FavouritesCarryTheirStarsAndFollowNamesThatComeLater) {
    const std::string later = SyntheticStore::character(500) + SyntheticStore::character(501);
    Shortlist shortlist(s.store, sources());
    shortlist.refresh();
    ShortlistFilter favourites;
    favourites.favouritesOnly = true;
    shortlist.setFilter(favourites);
    shortlist.setFavourites({FavouriteStars{"李", later, 5}});
    EXPECT_EQ(shortlist.size(), 0U);

    const auto li = s.family("李", 7, "火");
    s.add(li, 500, 501);
    shortlist.refresh();
    ASSERT_EQ(shortlist.size(), 1U);
    EXPECT_EQ(shortlist.firstRowAt(0), s.store.rowCount() - 1);
    EXPECT_EQ(shortlist.factsAt(0).favouriteStars, 5);

    shortlist.setFilter({});
    shortlist.sort(ShortlistColumn::Favourite, true);
    EXPECT_EQ(shortlist.firstRowAt(0), s.store.rowCount() - 1);
    EXPECT_EQ(shortlist.factsAt(1).favouriteStars, 0);
}

TEST_F(ShortlistOfASeries, NamesArrivingLaterAreMergedAtTheirPlaces) {
    for (const ShortlistColumn column : {ShortlistColumn::Score, ShortlistColumn::Name, ShortlistColumn::Total}) {
        SyntheticStore growing;
        const auto li = growing.family("李", 7, "火");
        Shortlist shortlist(growing.store, sources());
        shortlist.sort(column, column == ShortlistColumn::Score);
        ShortlistFilter filter;
        filter.minimumScore = 65;
        shortlist.setFilter(filter);
        for (std::uint64_t step = 0; step < 12; ++step) {
            // A few names at a time merge one by one; a big batch rebuilds: both must give the same order.
            growing.addRandom(li, step == 6 ? 3000 : 40 + step * 10, 60, 80, 0.1, 100 + step);
            const Shortlist::Change change = shortlist.refresh();
            EXPECT_TRUE(change.orderChanged || change.newNames == 0);
            Shortlist fresh(growing.store, sources());
            fresh.sort(column, column == ShortlistColumn::Score);
            fresh.setFilter(filter);
            fresh.refresh();
            ASSERT_EQ(shown(shortlist), shown(fresh)) << shortlistColumnTitle(column) << " after step " << step;
        }
    }
}

TEST_F(ShortlistOfASeries, ABudgetedRefreshCatchesUpOverSeveralCalls) {
    SyntheticStore big;
    const auto li = big.family("李", 7, "火");
    big.addRandom(li, 60'000, 200, 200, 0.0, 21);
    Shortlist shortlist(big.store, sources());
    int calls = 0;
    while ((!shortlist.caughtUp() || shortlist.mergePending()) && calls < 10'000) {
        shortlist.refresh(std::chrono::nanoseconds(0)); // one slice of rows and one part of the names per call
        ++calls;
    }
    EXPECT_GT(calls, 1);
    EXPECT_TRUE(shortlist.caughtUp());
    EXPECT_FALSE(shortlist.mergePending());
    Shortlist fresh(big.store, sources());
    fresh.refresh();
    EXPECT_EQ(shown(shortlist), shown(fresh));
}

TEST_F(ShortlistOfASeries, ACatchUpSpreadOverManyTicksEndsAsAOneShotBuild) {
    // A stream: rows arrive between ticks, each tick takes one slice and merges one part, so names wait unmerged
    // while more come; sorted and filtered, the rows shown at the end are those of one build over the whole store.
    for (const ShortlistColumn column : {ShortlistColumn::Score, ShortlistColumn::Name}) {
        SyntheticStore growing;
        const auto li = growing.family("李", 7, "火");
        Shortlist shortlist(growing.store, sources());
        shortlist.sort(column, column == ShortlistColumn::Score);
        ShortlistFilter filter;
        filter.minimumScore = 65;
        shortlist.setFilter(filter);
        bool leftNamesWaiting = false;
        for (std::uint64_t step = 0; step < 20; ++step) {
            growing.addRandom(li, 700, 90, 90, 0.1, 300 + step);
            for (int tick = 0; tick < 3; ++tick) {
                shortlist.takeRows(std::chrono::nanoseconds(0)); // two slices taken, one part merged: names wait
                shortlist.takeRows(std::chrono::nanoseconds(0));
                shortlist.mergeTaken(std::chrono::nanoseconds(0));
                leftNamesWaiting = leftNamesWaiting || shortlist.mergePending();
                const std::vector<std::uint32_t> rows = shown(shortlist);
                ASSERT_EQ(std::set<std::uint32_t>(rows.begin(), rows.end()).size(), rows.size()); // no name twice
            }
        }
        EXPECT_TRUE(leftNamesWaiting);
        int calls = 0;
        while ((!shortlist.caughtUp() || shortlist.mergePending()) && calls < 10'000) {
            shortlist.refresh(std::chrono::nanoseconds(0));
            ++calls;
        }
        Shortlist fresh(growing.store, sources());
        fresh.sort(column, column == ShortlistColumn::Score);
        fresh.setFilter(filter);
        fresh.refresh();
        EXPECT_EQ(shown(shortlist), shown(fresh)) << shortlistColumnTitle(column);
        for (std::size_t i = 0; i < shortlist.size(); ++i) {
            ASSERT_EQ(shortlist.positionOf(shortlist.firstRowAt(i)), i);
        }
    }
}

TEST_F(ShortlistOfASeries, DrawCountsGrowWithoutMovingTheNames) {
    Shortlist shortlist(s.store, sources());
    shortlist.refresh();
    const auto before = shown(shortlist);
    const std::uint32_t top = shortlist.firstRowAt(0);
    const StoredName again = s.store.row(top);
    s.store.append(s.series(), again);
    const Shortlist::Change change = shortlist.refresh();
    EXPECT_TRUE(change.drawsChanged);
    EXPECT_FALSE(change.orderChanged);
    EXPECT_EQ(shown(shortlist), before);
    const auto names = distinctNames(s.store);
    const auto it = std::find_if(names.begin(), names.end(), [&](const Oracle& n) { return n.firstRow == top; });
    ASSERT_NE(it, names.end());
    EXPECT_EQ(shortlist.factsAt(0).draws, it->draws);
}

TEST_F(ShortlistOfASeries, PositionOfFindsEveryShownNameAndNoOther) {
    Shortlist shortlist(s.store, sources());
    ShortlistFilter filter;
    filter.minimumScore = 80;
    shortlist.setFilter(filter);
    shortlist.refresh();
    for (std::size_t i = 0; i < shortlist.size(); ++i) {
        EXPECT_EQ(shortlist.positionOf(shortlist.firstRowAt(i)), i);
    }
    for (const Oracle& name : distinctNames(s.store)) {
        if (name.score < 80) {
            EXPECT_FALSE(shortlist.positionOf(name.firstRow));
        }
    }
    // A row that is a repeat, not the first of its name, is no shown name.
    for (std::size_t i = 0; i < s.store.rowCount(); ++i) {
        const auto at = shortlist.positionOf(static_cast<std::uint32_t>(i));
        if (at) {
            EXPECT_EQ(shortlist.firstRowAt(*at), i);
        }
    }
    EXPECT_FALSE(shortlist.positionOf(0xFFFFFFF0U));
}

TEST_F(ShortlistOfASeries, ANewSeriesEmptiesTheShortlist) {
    Shortlist shortlist(s.store, sources());
    shortlist.refresh();
    ASSERT_GT(shortlist.size(), 0U);
    s.store.clear(s.series() + 1);
    Shortlist::Change change = shortlist.refresh();
    EXPECT_TRUE(change.reset);
    EXPECT_EQ(shortlist.size(), 0U);
    EXPECT_EQ(shortlist.distinctCount(), 0U);

    const auto li = s.store.internFamily("李", 7, "火");
    StoredName row;
    row.family = li;
    row.firstCharacter = s.store.texts().intern("安");
    row.score = 90;
    s.store.append(s.series() + 1, row);
    change = shortlist.refresh();
    EXPECT_FALSE(change.reset);
    EXPECT_EQ(shortlist.size(), 1U);
}

TEST(ShortlistCompoundSurname, ScoresByTheCompoundRuleBesideTheDescribedScore) {
    SyntheticStore s;
    const auto ouyang = s.family("欧阳", 15, "土");
    const auto li = s.family("李", 7, "火");
    s.addRandom(ouyang, 800, 20, 20, 0.2, 31);
    s.addRandom(li, 200, 20, 20, 0.2, 32);
    const WordRow ou{"欧", 15, "土"};
    const WordRow yang{"阳", 17, "土"};
    std::vector<NumerologyRow> numbers;
    for (int n = 1; n <= 81; ++n) {
        numbers.push_back(
            NumerologyRow{std::to_string(n), n % 3 == 0 ? "吉" : (n % 3 == 1 ? "半吉" : "凶"), "", "", "", "", ""});
    }
    auto luck = std::make_shared<LuckTables>(numbers, std::vector<ThreeTalentsRow>{});
    ShortlistSources sources;
    sources.luck = luck;
    sources.compoundFamily = [&](std::string_view family) -> std::optional<std::pair<WordRow, WordRow>> {
        if (family == "欧阳") {
            return std::pair{ou, yang};
        }
        return std::nullopt;
    };
    Shortlist shortlist(s.store, sources);
    shortlist.refresh();
    EXPECT_TRUE(shortlist.facts().anyCompoundSurname());

    std::map<std::uint32_t, int> compound; // first row -> score by the compound rule, for 欧阳 names
    for (const Oracle& name : distinctNames(s.store)) {
        if (name.familyText != "欧阳") {
            continue;
        }
        const int first = indexOf(name.first);
        const WordRow b1{name.first, SyntheticStore::strokesOf(first), ""};
        if (name.second.empty()) {
            compound[name.firstRow] = scoreCompoundSurnameName("欧阳", ou, yang, b1, nullptr, *luck, false).score;
        } else {
            const int second = indexOf(name.second);
            const WordRow b2{name.second, SyntheticStore::strokesOf(second), ""};
            compound[name.firstRow] = scoreCompoundSurnameName("欧阳", ou, yang, b1, &b2, *luck, false).score;
        }
    }
    shortlist.sort(ShortlistColumn::CompoundSurnameScore, true);
    std::optional<int> previous;
    std::size_t withScore = 0;
    for (std::size_t i = 0; i < shortlist.size(); ++i) {
        const NameFacts facts = shortlist.factsAt(i);
        const auto expected = compound.find(facts.firstRow);
        if (expected == compound.end()) {
            EXPECT_FALSE(facts.compoundScore) << "李 is no compound surname";
            EXPECT_EQ(i >= compound.size(), true) << "names without the score sort after those with it";
            continue;
        }
        ++withScore;
        ASSERT_TRUE(facts.compoundScore);
        EXPECT_EQ(*facts.compoundScore, expected->second);
        if (previous) {
            EXPECT_LE(*facts.compoundScore, *previous);
        }
        previous = facts.compoundScore;
    }
    EXPECT_EQ(withScore, compound.size());
}

/// Names of the family 范 over the small knowledge file's characters.
TEST(ShortlistKnowledge, KnowledgeFiltersAgreeWithTheKnowledgeColumns) {
    testing::SmallKnowledgeFile file;
    const KnowledgeBase knowledge = KnowledgeBase::open(file.path());
    ASSERT_TRUE(knowledge.isAvailable());
    ResultStore store;
    store.clear(1);
    const auto fan = store.internFamily("范", 8, "木");
    const std::vector<std::string> firsts{"统", "思", "丽", "婧", "钰"};
    const std::vector<std::string> seconds{"远", "丽", "统", "钰", ""};
    for (const auto& a : firsts) {
        for (const auto& b : seconds) {
            StoredName row;
            row.family = fan;
            row.firstCharacter = store.texts().intern(a);
            if (!b.empty()) {
                row.secondCharacter = store.texts().intern(b);
            }
            row.elementText = store.texts().intern("木水");
            row.score = 90;
            store.append(1, row);
        }
    }
    ShortlistSources sources;
    sources.knowledge = knowledge;
    Shortlist shortlist(store, sources);
    shortlist.refresh();
    ASSERT_TRUE(shortlist.facts().knowledgeAvailable());
    const FamilyKnowledgeFlags columns(knowledge, "范");
    for (int mask = 0; mask < 8; ++mask) {
        ShortlistFilter filter;
        filter.noSoundWarning = (mask & 1) != 0;
        filter.hasVerse = (mask & 2) != 0;
        filter.commonOnly = (mask & 4) != 0;
        shortlist.setFilter(filter);
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < store.rowCount(); ++i) {
            const std::string given = store.cellText(i, ResultColumn::Name).substr(3);
            const KnowledgeFlags c = columns.flags(given);
            if ((!filter.noSoundWarning || c.noSoundWarning) && (!filter.hasVerse || c.hasVerse) &&
                (!filter.commonOnly || c.commonOnly)) {
                expected.push_back(given);
            }
        }
        std::vector<std::string> got;
        for (std::size_t i = 0; i < shortlist.size(); ++i) {
            got.push_back(store.cellText(shortlist.firstRowAt(i), ResultColumn::Name).substr(3));
            EXPECT_EQ(shortlist.factsAt(i).knowledge, columns.flags(got.back()));
        }
        EXPECT_EQ(got, expected) << "filters " << mask;
    }
    // By pinyin: the syllables of the first, then of the second given character (a one-character name first).
    shortlist.setFilter({});
    shortlist.sort(ShortlistColumn::Pinyin, false);
    const auto syllableOf = [&](const std::string& c) {
        if (c.empty()) {
            return std::string();
        }
        const Syllable& s = knowledge.character(c)->syllable;
        return s.letters + std::to_string(s.tone);
    };
    std::vector<std::tuple<std::string, std::string>> order;
    for (std::size_t i = 0; i < shortlist.size(); ++i) {
        const std::string given = store.cellText(shortlist.firstRowAt(i), ResultColumn::Name).substr(3);
        order.emplace_back(syllableOf(given.substr(0, 3)), syllableOf(given.substr(3)));
    }
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_EQ(order.size(), 25U);
    EXPECT_TRUE(shortlist.pinyinAt(0).starts_with("fàn ")) << shortlist.pinyinAt(0);
}

TEST(ShortlistKnowledge, WithoutTheKnowledgeFileTheColumnsAreEmpty) {
    SyntheticStore s;
    const auto li = s.family("李", 7, "火");
    s.addRandom(li, 100, 5, 5, 0.1, 3);
    Shortlist shortlist(s.store, ShortlistSources{});
    shortlist.refresh();
    ASSERT_GT(shortlist.size(), 0U);
    EXPECT_FALSE(shortlist.facts().knowledgeAvailable());
    EXPECT_FALSE(shortlist.factsAt(0).knowledge.available);
    EXPECT_EQ(shortlist.pinyinAt(0), "");
    shortlist.sort(ShortlistColumn::Pinyin, false); // sorts by first listed row, as every key is the same
    for (std::size_t i = 1; i < shortlist.size(); ++i) {
        EXPECT_LT(shortlist.firstRowAt(i - 1), shortlist.firstRowAt(i));
    }
}

} // namespace
} // namespace namewright
