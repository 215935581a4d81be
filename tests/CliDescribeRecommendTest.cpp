// namewright-cli describe with the birth moment run in-process: the 推荐 value and its terms agree with the 推荐 column
// of generate --distinct --order recommended for the same moment, batch lines included; the terms without the moment;
// and the refusals of a moment that cannot be read.

#include "cli/CommandLine.h"
#include "support/BaziFixture.h"
#include "support/GenerationFixture.h"
#include "support/SmallKnowledgeFile.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace namewright {
namespace {

using testing::SmallKnowledgeFile;
using testing::TempDatabase;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> words, const std::filesystem::path& database, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCommandLine(words, database, in, out, err);
    return Outcome{status, out.str(), err.str()};
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end = text.find(separator); end != std::string::npos; end = text.find(separator, start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

/// A program folder: the generation test database as hun.mdb with the small knowledge file beside it as characters.db,
/// so that generate and describe read the same knowledge.
class CliDescribeRecommend : public ::testing::Test {
protected:
    void SetUp() override {
        testing::fillGenerationTables(m_file, 300, 100);
        testing::fillBazi(m_file);
        std::filesystem::create_directory(m_folder.path());
        std::filesystem::copy_file(m_file.path(), database());
        std::filesystem::copy_file(m_knowledge.path(), m_folder.path() / "characters.db");
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder.path(), ignored);
    }
    std::filesystem::path database() const { return m_folder.path() / "hun.mdb"; }
    Outcome describe(std::vector<std::string> options, const std::string& input = {}) {
        std::vector<std::string> words{"describe"};
        words.insert(words.end(), options.begin(), options.end());
        return run(std::move(words), database(), input);
    }

    TempDatabase m_file;
    SmallKnowledgeFile m_knowledge;
    testing::TempPath m_folder{"-program"};
};

TEST_F(CliDescribeRecommend, TheValueAndTermsAgreeWithTheRecommendedOrderOfARunOfTheSameMoment) {
    // The run's 推荐 column. The knowledge file knows none of the test characters: each counts as outside levels 1-2.
    const Outcome listed = run({"generate", "--family", "李", "--gender", "男", "--date", "2011-01-01", "--hour", "1",
                                "--distinct", "--order", "recommended", "--limit", "40"},
                               database());
    ASSERT_EQ(listed.status, 0) << listed.err;
    std::map<std::string, std::string> recommendedOf; // given name -> 推荐
    std::map<std::string, int> scoreOf;
    std::string batch;
    for (const std::string& line : split(listed.out, '\n')) {
        const std::vector<std::string> cells = split(line, '\t');
        if (cells.size() != 11 || cells[0] == "姓名") {
            continue;
        }
        const std::string given = cells[0].substr(std::string("李").size());
        recommendedOf[given] = cells[10];
        scoreOf[given] = std::stoi(cells[1]);
        batch += "李\t" + given + "\n";
    }
    ASSERT_GE(recommendedOf.size(), 30U);

    // One moment for every line of a batch; each record ends with its 推荐 lines.
    const Outcome described = describe({"--batch", "--date", "2011-01-01", "--hour", "1"}, batch);
    ASSERT_EQ(described.status, 0) << described.err;
    const std::vector<std::string> records = split(described.out, '\n');
    std::size_t checked = 0;
    std::size_t withElements = 0;
    std::string given;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::vector<std::string> cells = split(records[i], '\t');
        if (cells[0] == "char" && i + 1 < records.size() && cells.size() == 2 && cells[1] != "李") {
            given += cells[1];
        }
        if (cells[0] == "recommend") {
            ASSERT_TRUE(recommendedOf.contains(given)) << given;
            EXPECT_EQ(cells[1], recommendedOf[given]) << given;
            // The score term is the listed score's: 0 at 80, +20 at 100 (均衡), and comes first when largest.
            int sum = 44;
            for (std::size_t j = i + 1; j < records.size() && records[j].starts_with("recommend-term\t"); ++j) {
                const std::vector<std::string> term = split(records[j], '\t');
                ASSERT_EQ(term.size(), 3U);
                ASSERT_TRUE(term[2].starts_with('+') || term[2].starts_with('-')) << term[2];
                sum += std::stoi(term[2]);
                if (term[1] == "分数") {
                    EXPECT_EQ(std::stoi(term[2]), scoreOf[given] - 80);
                }
                withElements += term[1] == "喜用五行" || term[1] == "节气喜用" ? 1 : 0;
            }
            EXPECT_EQ(std::to_string(std::clamp(sum, 0, 100)), cells[1]) << given;
            ++checked;
            given.clear();
        }
    }
    EXPECT_EQ(checked, recommendedOf.size());
    EXPECT_GT(withElements, 0U); // the moment's element terms were told
}

TEST_F(CliDescribeRecommend, WithoutTheMomentOnlyTheKnowledgeTermsAreToldAndTheDatabaseIsNotRead) {
    const Outcome with =
        run({"describe", "--family", "范", "--given", "统", "--knowledge", m_knowledge.path().string()},
            "/nonexistent/hun.mdb");
    ASSERT_EQ(with.status, 0) << with.err;
    EXPECT_TRUE(with.out.ends_with("\nlevel\t1\nrecommend-term\t读音提示\t-45\n")) << with.out;
    EXPECT_EQ(with.out.find("recommend\t"), std::string::npos);
    // 治标 reads as an everyday word; 标 is a name character of tier 2, 治 too: no 名字用字 points.
    const Outcome word = describe({"--family", "李", "--given", "治标"});
    EXPECT_TRUE(word.out.ends_with("\nrecommend-term\t词语地名\t-35\n")) << word.out;
    // With the moment the same terms stand among the others.
    const Outcome moment = describe({"--family", "李", "--given", "治标", "--date", "2011-01-01", "--hour", "1"});
    ASSERT_EQ(moment.status, 0) << moment.err;
    EXPECT_NE(moment.out.find("\nrecommend\t"), std::string::npos);
    EXPECT_NE(moment.out.find("\nrecommend-term\t词语地名\t-35\n"), std::string::npos) << moment.out;
    EXPECT_TRUE(moment.out.starts_with(word.out.substr(0, word.out.find("recommend-term"))));
}

TEST_F(CliDescribeRecommend, AMomentThatCannotBeReadIsRefusedInOneLineWithStatus2) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--date", "2011-01-01"}, "--date and --hour go together"},
        {{"--hour", "1"}, "--date and --hour go together"},
        {{"--date", "2011-02-30", "--hour", "1"}, "--date: "},
        {{"--date", "2011-01-01", "--hour", "24"}, "--hour: "},
        {{"--date", "1880-12-31", "--hour", "1"}, "--date: "},
    };
    for (const auto& [options, reason] : cases) {
        std::vector<std::string> words{"--family", "李", "--given", "思远"};
        words.insert(words.end(), options.begin(), options.end());
        const Outcome outcome = describe(words);
        EXPECT_EQ(outcome.status, 2) << reason;
        EXPECT_EQ(outcome.out, "") << reason;
        EXPECT_TRUE(outcome.err.starts_with("namewright-cli describe: " + reason)) << outcome.err;
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    }
    // The naming database is needed with the moment only: without it nothing is printed, status 1.
    const Outcome noDatabase = run({"describe", "--family", "李", "--given", "思远", "--date", "2011-01-01", "--hour",
                                    "1", "--knowledge", m_knowledge.path().string()},
                                   "/nonexistent/hun.mdb");
    EXPECT_EQ(noDatabase.status, 1);
    EXPECT_EQ(noDatabase.out, "");
    EXPECT_EQ(noDatabase.err, "namewright-cli describe: cannot open the naming database /nonexistent/hun.mdb\n");
}

} // namespace
} // namespace namewright
