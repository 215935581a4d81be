// The 推荐 order on the shipped hun.mdb and characters.db: after a whole random run, the first page holds names a
// parent would choose, the well-liked names of tests/data/popular_given_names.tsv stand near the top and the clumsy
// names of tests/data/clumsy_names.tsv far down.

#include "chart/SeriesRecord.h"
#include "db/NamingDatabase.h"
#include "db/RandomSource.h"
#include "knowledge/KnowledgeBase.h"
#include "naming/LuckTables.h"
#include "naming/NameScoring.h"
#include "naming/ResultStore.h"
#include "naming/RunController.h"
#include "shortlist/FamilyKnowledgeFlags.h"
#include "shortlist/RecommendCharacterFacts.h"
#include "shortlist/Shortlist.h"
#include "shortlist/ShortlistSources.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <unordered_map>
#include <vector>

namespace namewright {
namespace {

/// The first column of a list of tests/data, comment lines left out.
std::vector<std::string> namesOf(const std::string& file) {
    std::ifstream in(std::string(NAMEWRIGHT_TEST_DATA) + "/" + file);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') {
            out.push_back(line.substr(0, line.find('\t')));
        }
    }
    return out;
}

struct Figures {
    std::size_t names = 0;
    int firstHundredLevel2 = 0;   ///< names of the first 100 with a character of level 2
    int firstHundredRare = 0;     ///< ... with one outside levels 1 and 2
    int firstHundredWarnings = 0; ///< ... that read like an unfortunate word
    int firstHundredBottom = 0;   ///< ... with a 贬 character
    std::size_t popularListed = 0, popularInFirstTenth = 0, popularMedian = 0;
    std::size_t clumsyListed = 0, clumsyInFirst1000 = 0, clumsyMedian = 0;
};

std::size_t median(std::vector<std::size_t> ranks) {
    if (ranks.empty()) {
        return 0;
    }
    std::nth_element(ranks.begin(), ranks.begin() + static_cast<std::ptrdiff_t>(ranks.size() / 2), ranks.end());
    return ranks[ranks.size() / 2];
}

Figures runAndMeasure(Gender gender) {
    const KnowledgeBase knowledge = KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE);
    NamingDatabase database = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    EXPECT_TRUE(knowledge.isAvailable());
    EXPECT_TRUE(database.isOpen());
    GenerationInputs inputs;
    inputs.familyText = "李";
    inputs.gender = gender;
    inputs.nameLength = NameLength::Double;
    inputs.moment = BirthMomentTexts{"2011", "1", "1", "0"};
    InputsChannel channel;
    channel.publish(inputs);
    RunState state;
    ResultStore store;
    RunController controller(database, channel, state, store, {}, RandomSource(1));
    controller.pressCompute();
    controller.waitUntilIdle();
    controller.shutdown();
    const std::optional<SeriesRecord> record = controller.seriesRecord(store.series());
    Shortlist shortlist(store, shortlistSources(record ? &*record : nullptr, knowledge,
                                                std::make_shared<const LuckTables>(LuckTables::load(database)),
                                                database, scoreThreshold(false, "")));
    shortlist.refresh();
    shortlist.sort(ShortlistColumn::Recommended, true);

    Figures f;
    f.names = shortlist.size();
    const FamilyKnowledgeFlags li(knowledge, "李");
    std::unordered_map<std::string, std::size_t> rankOf;
    for (std::size_t i = 0; i < shortlist.size(); ++i) {
        const std::string name = store.cellText(shortlist.firstRowAt(i), ResultColumn::Name);
        const std::string given = name.substr(std::string("李").size());
        rankOf.emplace(given, i);
        if (i >= 100) {
            continue;
        }
        int worst = 1;
        for (const char32_t c : decodeUtf8(given)) {
            const int level = knowledge.compact(c).commonLevel;
            worst = std::max(worst, level == 1 || level == 2 ? level : 3);
        }
        f.firstHundredLevel2 += worst == 2 ? 1 : 0;
        f.firstHundredRare += worst == 3 ? 1 : 0;
        const auto characters = decodeUtf8(given);
        f.firstHundredWarnings += li.soundStrength(characters[0], characters.size() > 1 ? characters[1] : 0) ==
                                          SoundChecker::Strength::SoundsLikeWord
                                      ? 1
                                      : 0;
        f.firstHundredBottom += shortlist.factsAt(i).recommendedBottom ? 1 : 0;
    }
    std::vector<std::size_t> popular, clumsy;
    for (const std::string& given : namesOf("popular_given_names.tsv")) {
        if (const auto found = rankOf.find(given); found != rankOf.end()) {
            popular.push_back(found->second);
            f.popularInFirstTenth += found->second < f.names / 10 ? 1 : 0;
        }
    }
    for (const std::string& given : namesOf("clumsy_names.tsv")) {
        if (const auto found = rankOf.find(given); found != rankOf.end()) {
            clumsy.push_back(found->second);
            f.clumsyInFirst1000 += found->second < 1000 ? 1 : 0;
        }
    }
    f.popularListed = popular.size();
    f.clumsyListed = clumsy.size();
    f.popularMedian = median(popular);
    f.clumsyMedian = median(clumsy);
    return f;
}

void expectAChoosableOrder(const Figures& f) {
    ASSERT_GT(f.names, 100000U);
    EXPECT_EQ(f.firstHundredRare, 0);
    EXPECT_LE(f.firstHundredLevel2, 10);
    EXPECT_EQ(f.firstHundredWarnings, 0);
    EXPECT_EQ(f.firstHundredBottom, 0);
    // The lists are weighed by how much each character is used in names: a knowledge file without the name tiers
    // cannot order them.
    if (recommendCharacter(KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE), U'思').nameTier == 0) {
        GTEST_SKIP() << "the knowledge file holds no name tiers";
    }
    ASSERT_GT(f.popularListed, 20U);
    ASSERT_GT(f.clumsyListed, 20U);
    // Nineteen in twenty of the well-liked names a run lists stand in the first tenth (those below it carry a sound
    // warning with the family, a low score or the fashion of an earlier decade); none of the clumsy ones in the first
    // thousand, and the clumsy names' median lies in the last third.
    EXPECT_GE(f.popularInFirstTenth * 20, f.popularListed * 19);
    EXPECT_LT(f.popularMedian, f.names / 20);
    EXPECT_EQ(f.clumsyInFirst1000, 0U);
    EXPECT_GT(f.clumsyMedian, f.names * 2 / 3);
}

void print(const Figures& f) {
    std::printf("names %zu; first 100: level 2 %d, outside 1-2 %d, homophone %d, 贬 %d; popular %zu listed, %zu in the "
                "first tenth, median rank %zu; clumsy %zu listed, %zu in the first 1000, median rank %zu\n",
                f.names, f.firstHundredLevel2, f.firstHundredRare, f.firstHundredWarnings, f.firstHundredBottom,
                f.popularListed, f.popularInFirstTenth, f.popularMedian, f.clumsyListed, f.clumsyInFirst1000,
                f.clumsyMedian);
}

TEST(RecommendedOrderOnTheShippedData, TheDefaultBoysRunOpensWithNamesParentsChoose) {
    const Figures f = runAndMeasure(Gender::Male);
    print(f);
    expectAChoosableOrder(f);
}

TEST(RecommendedOrderOnTheShippedData, AGirlsRunOpensWithNamesParentsChoose) {
    const Figures f = runAndMeasure(Gender::Female);
    print(f);
    expectAChoosableOrder(f);
}

} // namespace
} // namespace namewright
