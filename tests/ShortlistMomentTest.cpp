// The shortlist of one birth moment: rows listed under an earlier moment of the same series are left out, and the
// sources say when the series' chart could not be worked out, so that 补缺 marks no name.

#include "shortlist/Shortlist.h"
#include "shortlist/ShortlistSources.h"
#include "support/GenerationFixture.h"
#include "support/SyntheticStore.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace namewright {
namespace {

using testing::SyntheticStore;

std::map<std::string, std::uint32_t> drawsOfRows(const ResultStore& store, std::size_t from) {
    std::map<std::string, std::uint32_t> draws;
    for (std::size_t i = from; i < store.rowCount(); ++i) {
        ++draws[store.cellText(i, ResultColumn::Name)];
    }
    return draws;
}

std::map<std::string, std::uint32_t> drawsShown(const Shortlist& shortlist, const ResultStore& store) {
    std::map<std::string, std::uint32_t> draws;
    for (std::size_t i = 0; i < shortlist.size(); ++i) {
        draws[store.cellText(shortlist.firstRowAt(i), ResultColumn::Name)] = shortlist.factsAt(i).draws;
    }
    return draws;
}

TEST(ShortlistOfAMoment, LeavesOutTheRowsListedBeforeItsFirstRow) {
    SyntheticStore s;
    const std::uint32_t li = s.family("李", 7, "木");
    s.addEveryPair(li, 12, 12, 300, 11); // the rows of the first moment
    const std::size_t firstRow = s.store.rowCount();
    s.addRandom(li, 400, 20, 20, 0.1, 12); // the rows of the moment the series continued with

    Shortlist shortlist(s.store, ShortlistSources{}, firstRow);
    shortlist.refresh();
    EXPECT_EQ(shortlist.firstRow(), firstRow);
    EXPECT_EQ(shortlist.rowsOfMoment(), 400U);
    const auto expected = drawsOfRows(s.store, firstRow);
    EXPECT_EQ(shortlist.distinctCount(), expected.size());
    EXPECT_EQ(drawsShown(shortlist, s.store), expected) << "names and draw counts of the later rows only";
    for (std::size_t i = 0; i < shortlist.size(); ++i) {
        EXPECT_GE(shortlist.firstRowAt(i), firstRow);
    }

    // Rows that come later join as usual.
    s.addRandom(li, 100, 20, 20, 0.1, 13);
    shortlist.refresh();
    EXPECT_EQ(shortlist.rowsOfMoment(), 500U);
    EXPECT_EQ(drawsShown(shortlist, s.store), drawsOfRows(s.store, firstRow));

    // A store cleared for a new run begins again at its row 0.
    s.store.clear(s.series());
    s.addRandom(li, 50, 5, 5, 0.0, 14);
    const Shortlist::Change change = shortlist.refresh();
    EXPECT_TRUE(change.reset);
    EXPECT_EQ(shortlist.firstRow(), 0U);
    EXPECT_EQ(shortlist.rowsOfMoment(), 50U);
    EXPECT_EQ(drawsShown(shortlist, s.store), drawsOfRows(s.store, 0));
}

TEST(ShortlistOfAMoment, AFirstRowAtTheEndShowsNothingUntilRowsCome) {
    SyntheticStore s;
    const std::uint32_t li = s.family("李", 7, "木");
    s.addRandom(li, 200, 10, 10, 0.0, 21);
    Shortlist shortlist(s.store, ShortlistSources{}, s.store.rowCount());
    shortlist.refresh();
    EXPECT_EQ(shortlist.size(), 0U);
    EXPECT_TRUE(shortlist.caughtUp());
    EXPECT_FALSE(shortlist.seriesChanged());
}

SeriesRecord recordWithChart(bool pillars) {
    SeriesRecord record;
    record.chart.missingElements = ElementSet::all(); // as the analysis gives when it finds no element at all
    if (pillars) {
        record.chart.missingElements = ElementSet{Element::Water};
        record.chart.pillars = FourPillars{};
    }
    return record;
}

TEST(ShortlistSourcesOfAChart, MarkNoMissingElementWithoutAChart) {
    NamingDatabase closed;
    const SeriesRecord outOfRange = recordWithChart(false);
    ShortlistSources sources = shortlistSources(&outOfRange, KnowledgeBase(), nullptr, closed, 80);
    EXPECT_EQ(sources.chartState, SeriesChartState::OutOfRange);
    EXPECT_TRUE(sources.missingElements.empty()) << "补缺 marks no name, although the 喜用神 names all five";

    const SeriesRecord worked = recordWithChart(true);
    sources = shortlistSources(&worked, KnowledgeBase(), nullptr, closed, 80);
    EXPECT_EQ(sources.chartState, SeriesChartState::NoDatabase);
    EXPECT_TRUE(sources.missingElements.empty());

    testing::TempDatabase file;
    testing::fillGenerationTables(file, 20, 5);
    NamingDatabase open = file.open();
    ASSERT_TRUE(open.isOpen());
    sources = shortlistSources(&worked, KnowledgeBase(), nullptr, open, 80);
    EXPECT_EQ(sources.chartState, SeriesChartState::Worked);
    EXPECT_EQ(sources.missingElements, ElementSet{Element::Water});

    sources = shortlistSources(nullptr, KnowledgeBase(), nullptr, open, 80);
    EXPECT_EQ(sources.chartState, SeriesChartState::Unknown);
    EXPECT_TRUE(sources.missingElements.empty());
}

} // namespace
} // namespace namewright
