// namewright-cli describe --batch run in-process: names read from standard input, each record followed by an empty
// line, bad lines answered in place while the batch goes on, and a knowledge file that fails.

#include "cli/CommandLine.h"
#include "cli/KeyValueLines.h"
#include "knowledge/KnowledgeBase.h"
#include "knowledge/NameDescription.h"
#include "support/Files.h"
#include "support/SmallKnowledgeFile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace namewright {
namespace {

using testing::SmallKnowledgeFile;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome runBatch(const std::string& input, const std::filesystem::path& knowledge,
                 std::vector<std::string> extra = {}) {
    std::vector<std::string> words{"describe", "--batch", "--knowledge", knowledge.string()};
    words.insert(words.end(), extra.begin(), extra.end());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCommandLine(words, "/nonexistent/hun.mdb", in, out, err);
    return Outcome{status, out.str(), err.str()};
}

/// The 推荐 terms the small knowledge file gives a name without a birth moment (均衡 weights).
std::string recommendTerms(std::string_view given) {
    if (given == "统") {
        return "recommend-term\t读音提示\t-45\n"; // 范统 sounds like 饭桶
    }
    if (given == "思远") {
        return "recommend-term\t诗句相连\t+10\nrecommend-term\t名字用字\t+6\nrecommend-term\t字义\t+4\n";
    }
    return {};
}

/// The record of one name as the single-name command prints it, and the empty line ending it.
std::string record(const std::filesystem::path& knowledge, std::string_view family, std::string_view given) {
    std::string text;
    for (const std::string& line :
         cli::describedNameLines(describeName(KnowledgeBase::open(knowledge), family, given))) {
        text += line + "\n";
    }
    return text + recommendTerms(given) + "\n";
}

TEST(CliDescribeBatch, DescribesEveryLineAsTheSingleNameCommandDoesEachFollowedByAnEmptyLine) {
    const SmallKnowledgeFile file;
    const Outcome outcome = runBatch("范\t统\n李\t思远\r\n尉迟\t丽", file.path());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              record(file.path(), "范", "统") + record(file.path(), "李", "思远") + record(file.path(), "尉迟", "丽"));
    EXPECT_EQ(outcome.err, "");
    // The records are those of the single-name command, verses and sound warnings included.
    EXPECT_NE(outcome.out.find("warning\t"), std::string::npos);
    EXPECT_NE(outcome.out.find("verse\t"), std::string::npos);
}

TEST(CliDescribeBatch, BadLinesAreAnsweredInPlaceAndTheBatchGoesOnEndingWithStatus2) {
    const SmallKnowledgeFile file;
    const Outcome outcome = runBatch("范\t统\n\n范统\n范\t统一天\n\t统\n范\t\xe7\xbb\n李\t思远\n", file.path());
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, record(file.path(), "范", "统") + "error\tline 2: the line is empty\n\n" +
                               "error\tline 3: the line has no tab between the family and the given name\n\n" +
                               "error\tline 4: the given name: the name must be one or two characters\n\n" +
                               "error\tline 5: the family: the name must be one or two characters\n\n" +
                               "error\tline 6: the line is not UTF-8\n\n" + record(file.path(), "李", "思远"));
    EXPECT_EQ(outcome.err, "namewright-cli describe: 5 lines of 7 could not be described (the first: line 2)\n");
}

TEST(CliDescribeBatch, AControlCharacterInANameIsABadLineNotABrokenRecord) {
    const SmallKnowledgeFile file;
    const Outcome outcome = runBatch("范\t统\t李\n", file.path());
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "error\tline 1: the given name: the name must be one or two characters\n\n");
}

TEST(CliDescribeBatch, AnEmptyInputPrintsNothing) {
    const SmallKnowledgeFile file;
    const Outcome outcome = runBatch("", file.path());
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "");
}

TEST(CliDescribeBatch, AKnowledgeFileThatCannotBeOpenedGivesOneUnavailableRecordAndStatus1) {
    const SmallKnowledgeFile file;
    std::filesystem::resize_file(file.path(), 2048);
    const Outcome outcome = runBatch("范\t统\n李\t思远\n", file.path());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "knowledge\tunavailable\n\n");
    EXPECT_TRUE(outcome.err.starts_with("namewright-cli describe: cannot open the knowledge file ")) << outcome.err;
}

TEST(CliDescribeBatch, ADamagedRowFoundMidwayWithholdsThatRecordAndEndsTheBatch) {
    const SmallKnowledgeFile file;
    ASSERT_TRUE(testing::flipBitInFile(file.path(), "无思远人"));
    const Outcome outcome = runBatch("范\t统\n李\t思远\n范\t统\n", file.path());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, record(file.path(), "范", "统") + "knowledge\tunavailable\n\n");
    EXPECT_EQ(outcome.err, "namewright-cli describe: the knowledge file " + file.path().string() +
                               " is damaged (a row of verses or poems fails its checksum (2))\n");
}

TEST(CliDescribeBatch, NamesOnTheCommandLineAndBatchExcludeEachOther) {
    const SmallKnowledgeFile file;
    const Outcome outcome = runBatch("范\t统\n", file.path(), {"--family", "范"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "namewright-cli describe: --family and --batch exclude each other\n");
}

} // namespace
} // namespace namewright
