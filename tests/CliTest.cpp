// namewright-cli's commands run in-process: what each prints, and how each refuses bad input.

#include "chart/ChartAnalysis.h"
#include "cli/CommandLine.h"
#include "cli/CommandList.h"
#include "cli/ErrorLine.h"
#include "cli/OutputFile.h"
#include "cli/Tsv.h"
#include "naming/ResultStore.h"
#include "reports/ReferenceTables.h"
#include "support/BaziFixture.h"
#include "support/GenerationFixture.h"
#include "support/ReportTestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include <fcntl.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

namespace namewright {
namespace {

using testing::TempDatabase;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> words, const std::filesystem::path& database) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCommandLine(words, database, out, err);
    return Outcome{status, out.str(), err.str()};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> cellsOf(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        cells.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    cells.push_back(line.substr(start));
    return cells;
}

/// The report database with every `bazi` pair: enough for evaluate, chart and table.
class CliReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::fillReportTestData(m_file);
        testing::fillBazi(m_file);
    }
    Outcome run(std::vector<std::string> words) { return namewright::run(std::move(words), m_file.path()); }

    TempDatabase m_file;
};

/// The generation database: 300 `word1` rows, 100 `word2` rows, every number and key with a luck word.
class CliGenerationTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::fillGenerationTables(m_file, 300, 100);
        testing::fillBazi(m_file);
    }
    Outcome generate(std::vector<std::string> options) {
        std::vector<std::string> words{"generate", "--family", "李", "--date", "2011-01-01", "--hour", "1"};
        words.insert(words.end(), options.begin(), options.end());
        return namewright::run(std::move(words), m_file.path());
    }

    TempDatabase m_file;
};

TEST(CliDispatch, TheOverviewListsEveryCommand) {
    const Outcome outcome = run({"--help"}, "unused.mdb");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    for (const cli::Command& command : cli::allCommands()) {
        EXPECT_NE(outcome.out.find("  " + std::string(command.name) + "  "), std::string::npos) << command.name;
    }
}

TEST(CliDispatch, EveryCommandHasItsHelpWithTheCommonOptions) {
    for (const cli::Command& command : cli::allCommands()) {
        // --help wins over anything else given, even arguments the command would refuse.
        const Outcome outcome = run({std::string(command.name), "--bogus", "--help"}, "unused.mdb");
        EXPECT_EQ(outcome.status, 0) << command.name;
        EXPECT_TRUE(outcome.out.starts_with("usage: namewright-cli " + std::string(command.name))) << outcome.out;
        // --db only where the command reads the naming database.
        EXPECT_EQ(outcome.out.find("  --db PATH") != std::string::npos, command.readsNamingDatabase) << command.name;
        EXPECT_NE(outcome.out.find("  --help"), std::string::npos) << command.name;
        EXPECT_EQ(outcome.err, "");
    }
}

TEST(CliDispatch, NoCommandOrAnUnknownOneIsBadInput) {
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{}, std::vector<std::string>{"frob"}, std::vector<std::string>{"--db", "x.mdb"}}) {
        const Outcome outcome = run(words, "unused.mdb");
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(linesOf(outcome.err).size(), 1U) << outcome.err;
        EXPECT_TRUE(outcome.err.starts_with("namewright-cli: ")) << outcome.err;
    }
}

struct BadInputCase {
    std::vector<std::string> words;
    std::string_view reason; ///< a part of the one-line message
};

void PrintTo(const BadInputCase& c, std::ostream* out) {
    for (const std::string& word : c.words) {
        *out << word << ' ';
    }
}

class CliBadInput : public CliReportTest, public ::testing::WithParamInterface<BadInputCase> {};

TEST_P(CliBadInput, GivesStatus2AndOneLineOnStandardError) {
    const Outcome outcome = run(GetParam().words);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    ASSERT_EQ(linesOf(outcome.err).size(), 1U) << outcome.err;
    EXPECT_TRUE(outcome.err.starts_with("namewright-cli " + GetParam().words.front() + ": ")) << outcome.err;
    EXPECT_NE(outcome.err.find(GetParam().reason), std::string::npos) << outcome.err;
    EXPECT_TRUE(outcome.err.ends_with("\n"));
}

const std::string kDate = "--date";
const std::string kHour = "--hour";

INSTANTIATE_TEST_SUITE_P(
    Refusals, CliBadInput,
    ::testing::Values(
        BadInputCase{{"chart", kDate, "2011-02-30", kHour, "1"}, "no date of the calendar"},
        BadInputCase{{"chart", kDate, "2011-13-01", kHour, "1"}, "no date of the calendar"},
        BadInputCase{{"chart", kDate, "2010-04-31", kHour, "1"}, "no date of the calendar"},
        BadInputCase{{"chart", kDate, "1880-12-31", kHour, "1"}, "1881 to 2060"},
        BadInputCase{{"chart", kDate, "2061-01-01", kHour, "1"}, "1881 to 2060"},
        BadInputCase{{"chart", kDate, "20110101", kHour, "1"}, "YYYY-MM-DD"},
        BadInputCase{{"chart", kDate, "2011-01-01x", kHour, "1"}, "YYYY-MM-DD"},
        BadInputCase{{"chart", kDate, "-2011-01-01", kHour, "1"}, "YYYY-MM-DD"},
        BadInputCase{{"chart", kDate, "2011-01-01", kHour, "24"}, "0 to 23"},
        BadInputCase{{"chart", kDate, "2011-01-01", kHour, "-1"}, "0 to 23"},
        BadInputCase{{"chart", kDate, "2011-01-01", kHour, ""}, "0 to 23"},
        BadInputCase{{"chart", kDate, "2011-01-01"}, "--hour is missing"},
        BadInputCase{{"chart", kDate, "2011-01-01", kHour}, "--hour needs a value"},
        BadInputCase{{"chart", kDate, "2011-01-01", kHour, "1", kHour, "2"}, "given twice"},
        BadInputCase{{"chart", kDate, "2011-01-01", kHour, "1", "--minute", "5"}, "--minute needs --solar-terms"},
        BadInputCase{{"chart", kDate, "2011-01-01", kHour, "1", "extra"}, "unexpected argument extra"},
        BadInputCase{{"evaluate", "--family", "李", "--given", "哉栋梁", kDate, "2011-01-01", kHour, "1"},
                     "one or two characters"},
        BadInputCase{{"evaluate", "--family", "李", "--given", "", kDate, "2011-01-01", kHour, "1"},
                     "one or two characters"},
        BadInputCase{{"evaluate", "--family", "\xff", "--given", "明", kDate, "2011-01-01", kHour, "1"}, "not UTF-8"},
        BadInputCase{{"evaluate", "--given", "明", kDate, "2011-01-01", kHour, "1"}, "--family is missing"},
        BadInputCase{{"generate", "--family", "李", "--gender", "中", kDate, "2011-01-01", kHour, "1"}, "男 or 女"},
        BadInputCase{{"generate", "--family", "李", "--gender", "男", "--single", "--fixed", "美", kDate, "2011-01-01",
                      kHour, "1"},
                     "exclude each other"},
        BadInputCase{
            {"generate", "--family", "李", "--gender", "男", "--position", "二", kDate, "2011-01-01", kHour, "1"},
            "needs --fixed"},
        BadInputCase{{"generate", "--family", "李", "--gender", "男", "--fixed", "美", "--position", "四", kDate,
                      "2011-01-01", kHour, "1"},
                     "二 or 三"},
        BadInputCase{
            {"generate", "--family", "李", "--gender", "男", "--fixed", "美丽", kDate, "2011-01-01", kHour, "1"},
            "one character"},
        BadInputCase{{"generate", "--family", "李", "--gender", "男", "--single=yes", kDate, "2011-01-01", kHour, "1"},
                     "takes no value"},
        BadInputCase{
            {"generate", "--family", "李", "--gender", "男", "--threshold", "9x", kDate, "2011-01-01", kHour, "1"},
            "--threshold"},
        BadInputCase{
            {"generate", "--family", "李", "--gender", "男", "--threshold", "1000", kDate, "2011-01-01", kHour, "1"},
            "0 to 999"},
        BadInputCase{{"generate", "--family", "李", "--gender", "男", "--seed", "-1", kDate, "2011-01-01", kHour, "1"},
                     "--seed"},
        BadInputCase{{"generate", "--family", "李", "--gender", "男", "--limit", "", kDate, "2011-01-01", kHour, "1"},
                     "--limit"},
        BadInputCase{{"table", "xyz"}, "sl or 3cai"}, BadInputCase{{"table"}, "missing argument sl|3cai"},
        BadInputCase{{"table", "sl", "3cai"}, "unexpected argument 3cai"}));

TEST(CliDatabase, AFileThatCannotBeOpenedGivesStatus1ForEveryCommand) {
    const std::vector<std::vector<std::string>> commands{
        {"evaluate", "--family", "李", "--given", "明", "--date", "2011-01-01", "--hour", "1"},
        {"chart", "--date", "2011-01-01", "--hour", "1"},
        {"generate", "--family", "李", "--gender", "男", "--date", "2011-01-01", "--hour", "1"},
        {"table", "sl"}};
    for (const auto& words : commands) {
        const Outcome outcome = run(words, "/nonexistent/hun.mdb");
        EXPECT_EQ(outcome.status, 1) << words.front();
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err,
                  "namewright-cli " + words.front() + ": cannot open the naming database " + "/nonexistent/hun.mdb\n");
    }
}

TEST(CliDatabase, TheDatabaseOptionMayComeBeforeTheCommand) {
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"--db", "/nonexistent/other.mdb", "table", "sl"},
          std::vector<std::string>{"--db=/nonexistent/other.mdb", "table", "sl"}}) {
        const Outcome outcome = run(words, "/nonexistent/hun.mdb");
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.err, "namewright-cli table: cannot open the naming database /nonexistent/other.mdb\n");
    }
    // A command without the option refuses it wherever it stands; a lone option is no command.
    EXPECT_EQ(run({"--db", "x.mdb", "solar-terms", "--year", "2024"}, "/nonexistent/hun.mdb").status, 2);
    EXPECT_EQ(run({"--db", "x.mdb"}, "/nonexistent/hun.mdb").status, 2);
}

TEST(CliDatabase, BadArgumentsAreRefusedBeforeTheDatabaseIsOpened) {
    EXPECT_EQ(run({"chart", "--date", "2011-02-30", "--hour", "1"}, "/nonexistent/hun.mdb").status, 2);
}

TEST_F(CliReportTest, ChartPrintsTheSevenResultsInTheOrderOfTheLabels) {
    const Outcome outcome = run({"chart", "--date", "2010-02-14", "--hour", "8"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    NamingDatabase database = m_file.open();
    LatestLunarChart shared;
    const LunarChart chart = AnalyseBirthChart({"2010", "2", "14", "8"}, database, {.latest = &shared});
    EXPECT_EQ(outcome.out, "农历\t" + chart.lunarDate + "\n属相\t" + chart.zodiacAnimal + "\n四柱\t" +
                               chart.fourPillars + "\n八字\t" + chart.eightCharacters + "\n五行\t" + chart.elements +
                               "\n纳音\t" + chart.nayin + "\n喜用神\t" + chart.favourableElement + "\n");
    EXPECT_EQ(linesOf(outcome.out)[2], "四柱\t庚寅年 戊寅月 乙未日 庚辰时");
}

TEST_F(CliReportTest, ADateBeforeTheFirstLunarNewYearGivesTheOutOfRangeChart) {
    const Outcome outcome = run({"chart", "--date=1881-01-15", "--hour=0"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(linesOf(outcome.out),
              (std::vector<std::string>{"农历\t1881-2060", "属相\t", "四柱\t1881-2060", "八字\t1881-2060", "五行\t    ",
                                        "纳音\t    ", "喜用神\t金 木 水 火 土 "}));
}

TEST_F(CliReportTest, EvaluatePrintsTheReportWithItsCrLf) {
    const Outcome outcome =
        run({"evaluate", "--family", "李四", "--given", "哉栋", "--date", "2011-01-01", "--hour", "1"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(outcome.out.starts_with("\r\n\r\n姓名：李哉栋  得分：100\r\n")) << outcome.out.substr(0, 80);
    EXPECT_EQ(outcome.out.find("\n\n"), std::string::npos) << "every line break is CR LF";
}

TEST_F(CliReportTest, TablePrintsTheListingWithItsHeaderFirst) {
    m_file.exec("INSERT INTO \"3cai\" VALUES (3, '金金金', 'a\tb\r\nc\\d', '凶');");
    const Outcome outcome = run({"table", "3cai"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    ReferenceTables tables(m_file.path());
    const ReferenceTableListing listing = tables.list(kThreeTalentsTableSelector);
    const std::vector<std::string> lines = linesOf(outcome.out);
    ASSERT_EQ(lines.size(), listing.rowCount() + 1);
    EXPECT_EQ(cellsOf(lines[0]), listing.headers);
    EXPECT_EQ(lines[1], "1\t金土水\t金土水之配置，吉\t吉");
    EXPECT_EQ(lines[3], "3\t金金金\ta\\tb\\r\\nc\\\\d\t凶") << "tabs, line breaks and backslashes are escaped";
    EXPECT_EQ(linesOf(run({"table", "sl"}).out).size(), 9U) << "the header and the eight sl rows";
}

TEST(CliDatabase, AFileThatIsNoNamingDatabaseGivesStatus1AndSaysWhatItLacks) {
    const std::vector<std::vector<std::string>> commands{
        {"evaluate", "--family", "李", "--given", "明", "--date", "2011-01-01", "--hour", "1"},
        {"chart", "--date", "2011-01-01", "--hour", "1"},
        {"generate", "--family", "李", "--gender", "男", "--single", "--date", "2011-01-01", "--hour", "1"},
        {"table", "sl"}};
    for (const auto& [drop, lacking] :
         {std::pair{"DROP TABLE word1", "the table word1"}, std::pair{"DROP TABLE sl", "the table sl"},
          std::pair{"DROP TABLE bazi; CREATE TABLE bazi (bazi TEXT, wuxing TEXT)",
                    "the column wuxing1 of the table bazi"}}) {
        TempDatabase file;
        testing::fillBazi(file);
        file.exec(drop);
        for (const auto& words : commands) {
            const Outcome outcome = run(words, file.path());
            EXPECT_EQ(outcome.status, 1) << words.front() << " with " << drop;
            EXPECT_EQ(outcome.out, "");
            EXPECT_EQ(outcome.err, "namewright-cli " + words.front() + ": the naming database " + file.path().string() +
                                       " lacks " + lacking + "\n");
        }
    }
}

TEST(CliErrorLine, EscapesControlCharactersAndKeepsEveryOtherCharacter) {
    EXPECT_EQ(cli::escapedForTerminal("李哉栋 a-b_c.mdb /x\\y"), "李哉栋 a-b_c.mdb /x\\y");
    EXPECT_EQ(cli::escapedForTerminal("a\nb\rc\td"), "a\\nb\\rc\\td");
    EXPECT_EQ(cli::escapedForTerminal("\x1b[31m\x07\x7f"), "\\x1b[31m\\x07\\x7f");
    EXPECT_EQ(cli::escapedForTerminal(std::string("a\0b", 3)), "a\\x00b");
    // C1 controls: CSI (U+009B) as UTF-8, and a lone 0x9B byte that a terminal in 8-bit mode reads as CSI.
    EXPECT_EQ(cli::escapedForTerminal("\xc2\x9b"
                                      "2J"),
              "\\xc2\\x9b"
              "2J");
    EXPECT_EQ(cli::escapedForTerminal("\x9b"
                                      "2J"),
              "\\x9b"
              "2J");
    EXPECT_EQ(cli::escapedForTerminal("\xc2\xa0é"), "\xc2\xa0é") << "U+00A0 and é are no controls";
    // Malformed UTF-8: an overlong form, a surrogate, a cut sequence; each bad byte escaped on its own.
    EXPECT_EQ(cli::escapedForTerminal("\xc0\xaf"), "\\xc0\\xaf");
    EXPECT_EQ(cli::escapedForTerminal("\xed\xa0\x80"), "\\xed\\xa0\\x80");
    EXPECT_EQ(cli::escapedForTerminal("\xe6\x9d"), "\\xe6\\x9d");
    EXPECT_EQ(cli::escapedForTerminal("\xf0\x9f\x98\x80"), "\xf0\x9f\x98\x80");
}

TEST(CliErrorLine, EveryRefusalEchoingAnArgumentIsOneLine) {
    const std::string nasty = "x\ny\x1b[2J";
    const std::string escaped = "x\\ny\\x1b[2J";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{nasty}, "namewright-cli: unknown command " + escaped + " (namewright-cli --help lists them)\n"},
        {{"solar-terms", "--" + nasty}, "namewright-cli solar-terms: unknown option --" + escaped + "\n"},
        {{"table", nasty}, "namewright-cli table: the table must be sl or 3cai, not " + escaped + "\n"},
        {{"table", "sl", "--db", "/nonexistent/" + nasty},
         "namewright-cli table: cannot open the naming database /nonexistent/" + escaped + "\n"},
    };
    for (const auto& [words, line] : cases) {
        const Outcome outcome = run(words, "/nonexistent/hun.mdb");
        EXPECT_NE(outcome.status, 0);
        EXPECT_EQ(outcome.err, line);
    }
}

/// A stream over /dev/full, where every write fails with ENOSPC.
class FullOutput {
public:
    FullOutput() : m_descriptor(::open("/dev/full", O_WRONLY | O_CLOEXEC)), m_file(m_descriptor), m_out(&m_file) {}
    ~FullOutput() { ::close(m_descriptor); }
    FullOutput(const FullOutput&) = delete;
    FullOutput& operator=(const FullOutput&) = delete;
    std::ostream& stream() { return m_out; }

private:
    int m_descriptor;
    cli::OutputFile m_file;
    std::ostream m_out;
};

TEST(CliOutput, AFailedWriteOrFinalFlushGivesStatus1AndOneLineWithItsCause) {
    const std::string line = "namewright-cli: cannot write the output: No space left on device\n";
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"--version"}, std::vector<std::string>{"--help"},
          std::vector<std::string>{"solar-terms", "--year", "2024"}}) {
        FullOutput out;
        std::ostringstream err;
        EXPECT_EQ(cli::runCommandLine(words, "/nonexistent/hun.mdb", out.stream(), err), 1) << words.front();
        EXPECT_EQ(err.str(), line) << words.front();
    }
    // A refusal of the command gives way to the failed write: still one line.
    FullOutput out;
    std::ostringstream err;
    EXPECT_EQ(cli::runCommandLine(std::vector<std::string>{"describe", "--family", "李", "--given", "明", "--knowledge",
                                                           "/nonexistent/characters.db"},
                                  "/nonexistent/hun.mdb", out.stream(), err),
              1);
    EXPECT_EQ(err.str(), line);
}

TEST(CliTsv, EscapesWhatWouldBreakARow) {
    EXPECT_EQ(cli::tsvCell("plain 文字"), "plain 文字");
    EXPECT_EQ(cli::tsvCell("\t\r\n\\"), "\\t\\r\\n\\\\");
    EXPECT_EQ(cli::tsvCell(""), "");
}

/// What writeTsvRow makes of every row's cells: the bytes the block writer must give.
std::string rowByRow(const ResultStore& store, std::size_t first, std::size_t last) {
    std::ostringstream out;
    for (std::size_t i = first; i < last; ++i) {
        cli::writeTsvRow(out, store.rowCells(i).texts);
    }
    return out.str();
}

TEST(CliTsv, TheBlockWriterGivesTheBytesOfTheRowByRowWriterForEveryShapeOfRow) {
    ResultStore store;
    store.clear(1);
    const std::uint32_t li = store.internFamily("李", 7, "火");
    // A family of a foreign database: negative strokes give negative grids, a tab in its text is escaped.
    const std::uint32_t odd = store.internFamily("欧\t阳", -40, "");
    // A text longer than the writer's piece of 64 KiB: the buffer grows for the line.
    const std::string longText(100'000, 'x');
    std::vector<StoredName> rows;
    for (int i = 0; i < 6000; ++i) { // about 300 KiB of lines: several pieces
        StoredName row;
        row.family = i % 7 == 3 ? odd : li;
        row.firstCharacter = store.texts().intern(i == 4321 ? longText : std::string(i % 2 == 0 ? "明" : "a\\b"));
        if (i % 5 != 0) {
            row.secondCharacter = store.texts().intern("亮");
            row.secondStrokes = (i % 11) * 97 - 50; // 0..920 and below zero: one to three digits and a sign
        }
        row.firstStrokes = i % 13 == 0 ? 2'000'000'000 : i % 30; // a grid near the int limit
        row.elementText = store.texts().intern(i % 3 == 0 ? "" : "火金木");
        row.score = static_cast<std::uint8_t>(i % 101); // 0..100
        rows.push_back(row);
    }
    ASSERT_TRUE(store.append(1, rows));
    const std::string expected = rowByRow(store, 0, store.rowCount());

    ResultRowReader reader(store, cli::tsvCell);
    std::string buffer;
    std::ostringstream whole;
    cli::writeResultRows(whole, reader, 0, store.rowCount(), buffer);
    EXPECT_TRUE(whole.str() == expected) << "all rows at once";

    // In spans as generate writes what became visible, with the same reader and buffer.
    ResultRowReader following(store, cli::tsvCell);
    std::ostringstream spans;
    for (std::size_t first = 0; first < store.rowCount(); first += 777) {
        cli::writeResultRows(spans, following, first, std::min(first + 777, store.rowCount()), buffer);
    }
    EXPECT_TRUE(spans.str() == expected) << "in spans";

    std::ostringstream none;
    cli::writeResultRows(none, following, 5, 5, buffer);
    EXPECT_EQ(none.str(), "") << "an empty span writes nothing";
}

TEST_F(CliGenerationTest, TheHeaderIsTheNineColumnTitles) {
    const Outcome outcome = generate({"--gender", "男", "--single", "--threshold", "999"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "姓名\t分数\t天格\t人格\t地格\t外格\t总格\t三才\t五行\n") << "nothing scores 999";
}

TEST_F(CliGenerationTest, SingleListsEveryRowOfTheGenderThatReachesTheThreshold) {
    const Outcome outcome = generate({"--gender", "女", "--single", "--threshold", "76"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    NamingDatabase database = m_file.open();
    std::vector<std::string> expected;
    for (const CandidateRow& row : database.word1After(1, "男")) {
        const testing::ReferenceName name = testing::referenceScore(database, "李", "李", row.character, "");
        if (name.score >= 76) {
            expected.push_back(name.name + "\t" + std::to_string(name.score) + "\t" + std::to_string(name.heaven) +
                               "\t" + std::to_string(name.person) + "\t" + std::to_string(name.earth) + "\t" +
                               std::to_string(name.outer) + "\t" + std::to_string(name.total) + "\t" + name.key + "\t" +
                               name.elements);
        }
    }
    std::vector<std::string> lines = linesOf(outcome.out);
    ASSERT_FALSE(lines.empty());
    lines.erase(lines.begin());
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(lines, expected);
}

TEST_F(CliGenerationTest, FixedPutsTheCharacterSecondOrThird) {
    for (const auto& [position, second] : {std::pair{"二", true}, std::pair{"三", false}}) {
        const Outcome outcome = generate({"--gender", "男", "--fixed", "安", "--position", position});
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        const std::vector<std::string> lines = linesOf(outcome.out);
        ASSERT_GT(lines.size(), 1U);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::string name = cellsOf(lines[i])[0];
            EXPECT_EQ(second ? name.substr(3, 3) : name.substr(name.size() - 3), "安") << name;
        }
    }
    EXPECT_EQ(generate({"--gender", "男", "--fixed", "安"}).out,
              generate({"--gender", "男", "--fixed", "安", "--position", "二"}).out)
        << "二 is the position box's first choice";
}

TEST_F(CliGenerationTest, TheRandomModeIsReproducibleWithASeedAndStopsAtTheLimit) {
    const Outcome first = generate({"--gender", "男", "--seed", "42", "--limit", "500"});
    const Outcome again = generate({"--gender", "男", "--seed", "42", "--limit", "500"});
    const Outcome other = generate({"--gender", "男", "--seed", "43", "--limit", "500"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(linesOf(first.out).size(), 501U);
    EXPECT_EQ(first.out, again.out);
    EXPECT_NE(first.out, other.out);
    const Outcome fewer = generate({"--gender", "男", "--seed", "42", "--limit", "20"});
    const std::vector<std::string> all = linesOf(first.out);
    EXPECT_EQ(linesOf(fewer.out), std::vector<std::string>(all.begin(), all.begin() + 21)) << "the same draws";
    EXPECT_EQ(linesOf(generate({"--gender", "男", "--limit", "0"}).out).size(), 1U);
}

TEST_F(CliGenerationTest, DistinctPrintsEachNameOnceWithItsDrawsRankedByScore) {
    const Outcome rows = generate({"--gender", "男", "--seed", "5", "--threshold", "76"});
    const Outcome distinct = generate({"--gender", "男", "--seed", "5", "--threshold", "76", "--distinct"});
    ASSERT_EQ(distinct.status, 0) << distinct.err;
    const std::vector<std::string> listed = linesOf(rows.out);
    const std::vector<std::string> names = linesOf(distinct.out);
    ASSERT_GT(names.size(), 10U);
    EXPECT_EQ(names[0], listed[0] + "\t次数");

    // A plain count over the listed rows: each name's draws, its first row and that row's place.
    std::map<std::string, std::pair<std::size_t, std::size_t>> counted; // line -> (draws, first place)
    std::map<std::string, std::string> firstLineOfName;
    for (std::size_t i = 1; i < listed.size(); ++i) {
        const std::string name = listed[i].substr(0, listed[i].find('\t'));
        firstLineOfName.try_emplace(name, listed[i]);
        auto [it, fresh] = counted.try_emplace(firstLineOfName[name], 0, i);
        ++it->second.first;
    }
    ASSERT_EQ(names.size() - 1, counted.size());
    int previousScore = 101;
    std::size_t previousPlace = 0;
    for (std::size_t i = 1; i < names.size(); ++i) {
        const std::size_t tab = names[i].rfind('\t');
        const std::string cells = names[i].substr(0, tab);
        ASSERT_TRUE(counted.contains(cells)) << names[i];
        EXPECT_EQ(std::stoul(names[i].substr(tab + 1)), counted[cells].first) << names[i];
        const std::size_t scoreStart = cells.find('\t') + 1;
        const int score = std::stoi(cells.substr(scoreStart, cells.find('\t', scoreStart) - scoreStart));
        EXPECT_LE(score, previousScore);
        if (score == previousScore) {
            EXPECT_GT(counted[cells].second, previousPlace) << "equal scores in the order first listed";
        }
        previousScore = score;
        previousPlace = counted[cells].second;
    }
    EXPECT_EQ(
        linesOf(generate({"--gender", "男", "--seed", "5", "--threshold", "76", "--distinct", "--limit", "3"}).out),
        std::vector<std::string>(names.begin(), names.begin() + 4));
}

TEST_F(CliGenerationTest, OrderRecommendedAddsTheColumnAndSortsByItWhileScoreKeepsTodaysOutput) {
    const std::vector<std::string> base{"--gender", "男", "--seed", "5", "--threshold", "76", "--distinct"};
    const auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> arguments = base;
        arguments.insert(arguments.end(), more.begin(), more.end());
        return generate(arguments);
    };
    const Outcome plain = generate(base);
    EXPECT_EQ(with({"--order", "score"}).out, plain.out);
    const Outcome recommended = with({"--order", "recommended"});
    ASSERT_EQ(recommended.status, 0) << recommended.err;
    const std::vector<std::string> byScore = linesOf(plain.out);
    const std::vector<std::string> lines = linesOf(recommended.out);
    ASSERT_EQ(lines.size(), byScore.size());
    EXPECT_EQ(lines[0], byScore[0] + "	推荐");
    std::multiset<std::string> same(byScore.begin() + 1, byScore.end());
    int previous = 101;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t tab = lines[i].rfind('	');
        const int value = std::stoi(lines[i].substr(tab + 1));
        EXPECT_LE(value, previous) << lines[i];
        EXPECT_GE(value, 0);
        previous = value;
        const auto found = same.find(lines[i].substr(0, tab));
        ASSERT_NE(found, same.end()) << "the same names and cells: " << lines[i];
        same.erase(found);
    }
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--order", "best"}, {"--order", ""}}) {
        const Outcome refused = with(bad);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(linesOf(refused.err).size(), 1U) << refused.err;
    }
    const Outcome withoutDistinct = generate({"--gender", "男", "--seed", "5", "--order", "recommended"});
    EXPECT_EQ(withoutDistinct.status, 2);
}

TEST_F(CliGenerationTest, TheRandomModeMakesOneSeriesOfNTimesNDraws) {
    // Threshold 76 with the fixture's lucks: a share of the 200 x 200 draws of 男 and neutral (中) rows is listed, then
    // the run ends.
    const Outcome outcome = generate({"--gender", "男", "--seed", "1", "--threshold", "76"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const std::size_t listed = linesOf(outcome.out).size() - 1;
    EXPECT_GT(listed, 0U);
    EXPECT_LE(listed, 200U * 200U);
    EXPECT_GT(listed, 100U * 100U) << "more than the draws of the 男 rows alone could list";
}

} // namespace
} // namespace namewright
