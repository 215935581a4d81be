// namewright-cli describe, solar-terms, chart --solar-terms and --version run in-process: what each prints, where
// describe finds its knowledge file, and how each refuses bad input.

#include "calendar/SolarTermListing.h"
#include "chart/SolarTermChart.h"
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
using testing::TempPath;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

/// Runs the words with `database` as the naming database used without --db.
Outcome run(std::vector<std::string> words, const std::filesystem::path& database = "/nonexistent/hun.mdb") {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCommandLine(words, database, out, err);
    return Outcome{status, out.str(), err.str()};
}

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

/// A folder with hun.mdb's place and, if asked, a copy of the small knowledge file as characters.db beside it.
class ProgramFolder {
public:
    explicit ProgramFolder(bool withKnowledge) {
        std::filesystem::create_directory(m_folder.path());
        if (withKnowledge) {
            std::filesystem::copy_file(m_knowledge.path(), m_folder.path() / "characters.db");
        }
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder.path(), ignored);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    std::filesystem::path namingDatabase() const { return m_folder.path() / "hun.mdb"; }
    std::filesystem::path knowledgeFile() const { return m_folder.path() / "characters.db"; }

private:
    TempPath m_folder{"-program"};
    SmallKnowledgeFile m_knowledge;
};

TEST(CliDescribe, PrintsTheDescriptionLinesOfTheKnowledgeFileBesideTheNamingDatabase) {
    const ProgramFolder folder(true);
    const Outcome outcome = run({"describe", "--family", "李", "--given", "思远"}, folder.namingDatabase());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    // The description, then the 推荐 terms that need no birth moment.
    EXPECT_EQ(
        outcome.out,
        joinedLines(cli::describedNameLines(describeName(KnowledgeBase::open(folder.knowledgeFile()), "李", "思远"))) +
            "recommend-term\t诗句相连\t+10\nrecommend-term\t名字用字\t+6\nrecommend-term\t字义\t+4\n");
    EXPECT_EQ(firstLine(outcome.out), "pinyin\tlǐ sī yuǎn");
    EXPECT_NE(outcome.out.find("\nverse\t诗经\t国风·齐风·甫田\t佚名\t无思远人，劳心忉忉。\n"), std::string::npos)
        << outcome.out;
    EXPECT_NE(outcome.out.find("\nlevel\t1\nmeaning\t思\t褒\t想念；思考（思念）\nchar\t远\n"), std::string::npos)
        << outcome.out;
}

TEST(CliDescribe, KnowledgeOptionPicksAnotherFileAndTheNamingDatabaseIsNotRead) {
    const SmallKnowledgeFile file;
    const Outcome outcome = run({"describe", "--family", "范", "--given", "统", "--knowledge", file.path().string()});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              joinedLines(cli::describedNameLines(describeName(KnowledgeBase::open(file.path()), "范", "统"))) +
                  "recommend-term\t读音提示\t-45\n");
    EXPECT_NE(outcome.out.find("\nwarning\t"), std::string::npos) << "范统 sounds like 饭桶: " << outcome.out;
}

TEST(CliDescribe, ACompoundFamilyNameReadsWhole) {
    const SmallKnowledgeFile file;
    const Outcome outcome = run({"describe", "--family", "尉迟", "--given", "丽", "--knowledge", file.path().string()});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(firstLine(outcome.out), "pinyin\tyù chí lì");
}

TEST(CliDescribe, AMissingKnowledgeFilePrintsUnavailableAndGivesStatus1) {
    const ProgramFolder folder(false);
    const Outcome outcome = run({"describe", "--family", "范", "--given", "统"}, folder.namingDatabase());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "knowledge\tunavailable\n");
    EXPECT_EQ(outcome.err, "namewright-cli describe: cannot open the knowledge file " +
                               folder.knowledgeFile().string() + " (" +
                               KnowledgeBase::open(folder.knowledgeFile()).failure() + ")\n");
}

TEST(CliDescribe, ADamagedKnowledgeFileGivesStatus1) {
    const SmallKnowledgeFile file;
    std::filesystem::resize_file(file.path(), 2048);
    const Outcome outcome = run({"describe", "--family", "范", "--given", "统", "--knowledge", file.path().string()});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "knowledge\tunavailable\n");
    EXPECT_TRUE(outcome.err.starts_with("namewright-cli describe: cannot open the knowledge file ")) << outcome.err;
}

TEST(CliDescribe, OneFlippedBitInTheFileGivesStatus1NotAWrongPinyin) {
    // Before, 范's pinyin with one bit flipped printed as "fào" with status 0.
    const SmallKnowledgeFile reading;
    ASSERT_TRUE(testing::flipBitInFile(reading.path(), "fàn"));
    const Outcome refused =
        run({"describe", "--family", "范", "--given", "统", "--knowledge", reading.path().string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "knowledge\tunavailable\n");
    EXPECT_NE(refused.err.find("fails its checksum"), std::string::npos) << refused.err;

    // A verse is read when the name asks for it: its damage is found then, and the lines are withheld all the same.
    const SmallKnowledgeFile verse;
    ASSERT_TRUE(testing::flipBitInFile(verse.path(), "无思远人"));
    const Outcome damaged =
        run({"describe", "--family", "李", "--given", "思远", "--knowledge", verse.path().string()});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.out, "knowledge\tunavailable\n");
    EXPECT_EQ(damaged.err, "namewright-cli describe: the knowledge file " + verse.path().string() +
                               " is damaged (a row of verses or poems fails its checksum (2))\n");
}

TEST(CliSolarTerms, PrintsTheTwentyFourTermsOfTheYear) {
    const Outcome outcome = run({"solar-terms", "--year", "2024"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, joinedLines(solarTermLines(2024)));
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 24);
    EXPECT_TRUE(outcome.out.starts_with("小寒\t2024-01-06 ")) << outcome.out;
    // 立春 2024 falls at 16:26:53 Beijing time (the observatories print 16:27).
    EXPECT_NE(outcome.out.find("\n立春\t2024-02-04 16:27\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("\n冬至\t2024-12-21 "), std::string::npos) << outcome.out;
}

TEST(CliSolarTerms, TheFirstAndLastYearsOfTheTableArePrinted) {
    for (const char* year : {"1881", "2061"}) {
        const Outcome outcome = run({"solar-terms", "--year", year});
        EXPECT_EQ(outcome.status, 0) << year << outcome.err;
        EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 24) << year;
    }
}

TEST(CliSolarTerms, ToPrintsEveryYearOfTheRangeInOneRun) {
    const Outcome outcome = run({"solar-terms", "--year", "2023", "--to", "2025"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, joinedLines(solarTermLines(2023)) + joinedLines(solarTermLines(2024)) +
                               joinedLines(solarTermLines(2025)));
    EXPECT_EQ(run({"solar-terms", "--year", "2024", "--to", "2024"}).out, joinedLines(solarTermLines(2024)));
    const Outcome all = run({"solar-terms", "--to", "2061", "--year", "1881"});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 181 * 24);
    EXPECT_TRUE(all.out.ends_with(joinedLines(solarTermLines(2061)))) << "the years in order, the last one last";
}

/// The solar-term chart's first line for a birth, by the command.
std::string pillarsLine(std::vector<std::string> extra) {
    std::vector<std::string> words{"chart", "--solar-terms"};
    words.insert(words.end(), extra.begin(), extra.end());
    const Outcome outcome = run(words);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    return firstLine(outcome.out);
}

TEST(CliSolarTermChart, PrintsTheChartLinesWithTheirWorking) {
    const Outcome outcome = run({"chart", "--solar-terms", "--date", "2024-02-04", "--hour", "16", "--minute", "27"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.err, "");
    const std::optional<SolarTermChart> chart = solarTermChartOf(BeijingTime{{2024, 2, 4}, 16, 27});
    ASSERT_TRUE(chart);
    EXPECT_EQ(outcome.out, joinedLines(cli::solarTermChartLines(*chart)));
    EXPECT_NE(outcome.out.find("\nuseful\t"), std::string::npos) << outcome.out;
}

TEST(CliSolarTermChart, TheYearAndMonthChangeAtTheMinuteOfSpringsBeginning) {
    // 立春 2024 at 16:27: a minute before it the year is still 癸卯 and the month 乙丑.
    EXPECT_EQ(pillarsLine({"--date", "2024-02-04", "--hour", "16", "--minute", "26"}), "pillars\t癸卯 乙丑 戊戌 庚申");
    EXPECT_EQ(pillarsLine({"--date", "2024-02-04", "--hour", "16", "--minute", "27"}), "pillars\t甲辰 丙寅 戊戌 庚申");
    EXPECT_EQ(pillarsLine({"--date", "2024-02-04", "--hour", "12"}), "pillars\t癸卯 乙丑 戊戌 戊午")
        << "the minute defaults to 0, and noon is before 立春 that day";
}

TEST(CliSolarTermChart, LateZiCountsTwentyThreeHundredAsTheNextDay) {
    // 2024-03-01 is a 甲子 day: its 子 hour is 甲子, that of the next day (乙丑) 丙子. 23:30 opens the next day's 子
    // hour; by default the day is kept, with --late-zi it changes.
    EXPECT_EQ(pillarsLine({"--date", "2024-03-01", "--hour", "23", "--minute", "30"}), "pillars\t甲辰 丙寅 甲子 丙子");
    EXPECT_EQ(pillarsLine({"--date", "2024-03-01", "--hour", "23", "--minute", "30", "--late-zi"}),
              "pillars\t甲辰 丙寅 乙丑 丙子");
}

TEST(CliSolarTermChart, LongitudeReadsTheDayAndHourFromTrueSolarTime) {
    SolarTermPillarOptions west;
    west.birthplaceLongitude = 87.6;
    const BeijingTime birth{{2024, 3, 2}, 0, 40};
    const std::optional<SolarTermChart> chart = solarTermChartOf(birth, west);
    ASSERT_TRUE(chart);
    // Urumqi, 87.6 degrees east: 32.4 degrees west of 120, 130 minutes earlier, so still the day before.
    EXPECT_EQ(chart->pillars.pillars.day, dayPillarOf({2024, 3, 1}));
    const Outcome outcome =
        run({"chart", "--solar-terms", "--date", "2024-03-02", "--hour", "0", "--minute", "40", "--longitude", "87.6"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, joinedLines(cli::solarTermChartLines(*chart)));
    EXPECT_EQ(firstLine(outcome.out), "pillars\t" + pillarsLineText(chart->pillars.pillars));
}

TEST(CliSolarTermChart, ReachesTo2061AndReadsNoNamingDatabase) {
    // The default naming database of run() does not exist.
    const Outcome outcome = run({"chart", "--solar-terms", "--date", "2061-12-31", "--hour", "23", "--minute", "59"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(outcome.out.starts_with("pillars\t")) << outcome.out;
}

TEST(CliVersion, PrintsTheProjectsVersion) {
    const Outcome outcome = run({"--version"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, std::string("namewright-cli ") + NAMEWRIGHT_PROJECT_VERSION + "\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(run({"--version", "extra"}).status, 2);
    EXPECT_NE(run({"--help"}).out.find("--version"), std::string::npos) << "the overview names it";
}

struct Refusal {
    std::vector<std::string> words;
    std::string_view reason; ///< a part of the one-line message
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    for (const std::string& word : refusal.words) {
        *out << word << ' ';
    }
}

class CliRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(CliRefusal, GivesStatus2AndOneLineOnStandardError) {
    const SmallKnowledgeFile file;
    std::vector<std::string> words = GetParam().words;
    if (words.front() == "describe") {
        words.insert(words.end(), {"--knowledge", file.path().string()});
    }
    const Outcome outcome = run(words);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    EXPECT_TRUE(outcome.err.starts_with("namewright-cli " + words.front() + ": ")) << outcome.err;
    EXPECT_NE(outcome.err.find(GetParam().reason), std::string::npos) << outcome.err;
}

const std::string kSolar = "--solar-terms";
const std::string kDate = "--date";
const std::string kHour = "--hour";

INSTANTIATE_TEST_SUITE_P(
    BadInput, CliRefusal,
    ::testing::Values(Refusal{{"describe", "--family", "", "--given", "统"}, "one or two characters"},
                      Refusal{{"describe", "--family", "欧阳明", "--given", "统"}, "one or two characters"},
                      Refusal{{"describe", "--family", "范", "--given", "统一天"}, "one or two characters"},
                      Refusal{{"describe", "--family", "范", "--given", "统\t"}, "one or two characters"},
                      Refusal{{"describe", "--family", "范", "--given", "\xe7\xbb"}, "not UTF-8"},
                      Refusal{{"describe", "--family", "范"}, "--given is missing"},
                      Refusal{{"describe", "--family", "范", "--given", "统", "--db", "x.mdb"}, "unknown option --db"},
                      Refusal{{"solar-terms", "--year", "1880"}, "1881 to 2061"},
                      Refusal{{"solar-terms", "--year", "2062"}, "1881 to 2061"},
                      Refusal{{"solar-terms", "--year", "-2024"}, "1881 to 2061"},
                      Refusal{{"solar-terms", "--year", "02024"}, "1881 to 2061"},
                      Refusal{{"solar-terms", "--year", "2024x"}, "1881 to 2061"},
                      Refusal{{"solar-terms", "--year", ""}, "1881 to 2061"},
                      Refusal{{"solar-terms"}, "--year is missing"},
                      Refusal{{"solar-terms", "--to", "2024"}, "--year is missing"},
                      Refusal{{"solar-terms", "--year", "2024", "--to", "2023"}, "must not come before --year 2024"},
                      Refusal{{"solar-terms", "--year", "2024", "--to", "2062"}, "--to: the year must be"},
                      Refusal{{"solar-terms", "--year", "2024", "--to", "1880"}, "1881 to 2061"},
                      Refusal{{"solar-terms", "--year", "2024", "--to", ""}, "1881 to 2061"},
                      Refusal{{"solar-terms", "--year", "2024", "--to"}, "--to"},
                      Refusal{{"solar-terms", "--year", "2062", "--to", "2061"}, "--year: "},
                      Refusal{{"solar-terms", "--year", "2024", "--db", "x.mdb"}, "unknown option --db"},
                      Refusal{{"chart", kSolar, kDate, "2062-01-01", kHour, "1"}, "1881 to 2061"},
                      Refusal{{"chart", kSolar, kDate, "1880-12-31", kHour, "1"}, "1881 to 2061"},
                      Refusal{{"chart", kDate, "2061-01-01", kHour, "1"}, "1881 to 2060"},
                      Refusal{{"chart", kSolar, kDate, "2024-02-30", kHour, "1"}, "no date of the calendar"},
                      Refusal{{"chart", kSolar, kDate, "2024-02-04", kHour, "24"}, "0 to 23"},
                      Refusal{{"chart", kSolar, kDate, "2024-02-04", kHour, "1", "--minute", "60"}, "0 to 59"},
                      Refusal{{"chart", kSolar, kDate, "2024-02-04", kHour, "1", "--minute", "-1"}, "0 to 59"},
                      Refusal{{"chart", kSolar, kDate, "2024-02-04", kHour, "1", "--longitude", "180.5"},
                              "-180 to 180"},
                      Refusal{{"chart", kSolar, kDate, "2024-02-04", kHour, "1", "--longitude", "nan"}, "-180 to 180"},
                      Refusal{{"chart", kSolar, kDate, "2024-02-04", kHour, "1", "--longitude", "1e2"}, "-180 to 180"},
                      Refusal{{"chart", kSolar, kDate, "2024-02-04", kHour, "1", "--longitude", "+"}, "-180 to 180"},
                      Refusal{{"chart", kSolar, kDate, "2024-02-04", kHour, "1", "--longitude", "116."}, "-180 to 180"},
                      Refusal{{"chart", kSolar, kDate, "2024-02-04", kHour, "1", "--late-zi=yes"}, "takes no value"},
                      Refusal{{"chart", kDate, "2024-02-04", kHour, "1", "--late-zi"}, "--late-zi needs --solar-terms"},
                      Refusal{{"chart", kDate, "2024-02-04", kHour, "1", "--longitude", "116.4"},
                              "--longitude needs --solar-terms"}));

TEST(CliLongitude, AcceptsSignedDecimalsWithinTheRange) {
    for (const char* longitude : {"-180", "180", "+120", "0", "116.4", "-73.25", "087.6"}) {
        const Outcome outcome =
            run({"chart", "--solar-terms", "--date", "2024-02-04", "--hour", "1", "--longitude", longitude});
        EXPECT_EQ(outcome.status, 0) << longitude << ": " << outcome.err;
    }
}

} // namespace
} // namespace namewright
