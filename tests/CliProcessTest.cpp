// namewright-cli run as a program: its standard output byte for byte, its standard error and its exit status.

#include "chart/LatestLunarChart.h"
#include "reports/NameEvaluation.h"
#include "reports/SharedReportData.h"
#include "support/BaziFixture.h"
#include "support/GenerationFixture.h"
#include "support/ReportTestData.h"
#include "support/SmallKnowledgeFile.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace namewright {
namespace {

using testing::TempDatabase;
using testing::TempPath;

struct ProcessResult {
    int status = -1; ///< the exit status, or -1 when the program did not exit normally in time
    int signal = 0;  ///< the signal that ended the program, if one did
    std::string out;
    std::string err;
};

std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

/// Where the program's standard output goes.
enum class Output {
    File,       ///< a file, read back into ProcessResult::out
    DevFull,    ///< /dev/full: every write fails with ENOSPC
    Closed,     ///< no standard output at all
    BrokenPipe, ///< a pipe whose reading end is already closed
};

/// Runs `program` with `arguments`, its standard output and error in files; kills it after 60 seconds.
ProcessResult runProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                         Output output = Output::File) {
    const TempPath out(".out");
    const TempPath err(".err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    std::array<int, 2> pipeEnds{-1, -1};
    switch (output) {
    case Output::File:
        posix_spawn_file_actions_addopen(&actions, 1, out.path().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        break;
    case Output::DevFull:
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
        break;
    case Output::Closed:
        posix_spawn_file_actions_addclose(&actions, 1);
        break;
    case Output::BrokenPipe:
        if (pipe(pipeEnds.data()) != 0) {
            ADD_FAILURE() << "no pipe";
            return {};
        }
        close(pipeEnds[0]);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
        break;
    }
    posix_spawn_file_actions_addopen(&actions, 2, err.path().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (pipeEnds[1] >= 0) {
        close(pipeEnds[1]);
    }
    ProcessResult result;
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << program;
        return result;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int wstatus = 0;
    while (waitpid(pid, &wstatus, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &wstatus, 0);
            ADD_FAILURE() << program << " did not end within 60 seconds";
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    result.signal = WIFSIGNALED(wstatus) ? WTERMSIG(wstatus) : 0;
    result.out = readAll(out.path());
    result.err = readAll(err.path());
    return result;
}

const std::filesystem::path kCli = NAMEWRIGHT_CLI;

ProcessResult runCli(const std::vector<std::string>& arguments, Output output = Output::File) {
    return runProgram(kCli, arguments, output);
}

TEST(CliProgram, EvaluatePrintsTheEvaluationWindowsReportByteForByte) {
    TempDatabase file;
    testing::fillReportTestData(file);
    testing::fillBazi(file);
    const ProcessResult result = runCli({"evaluate", "--family", "李", "--given", "哉栋", "--date", "2011-01-01",
                                         "--hour", "1", "--db", file.path().string()});
    NamingDatabase database = file.open();
    LatestLunarChart chart;
    SharedReportData report;
    const std::optional<ComposedReport> composed =
        evaluateName(EvaluationInput{"李", "哉栋", BirthMomentTexts{"2011", "1", "1", "1"}}, database,
                     {.latestChart = &chart, .report = &report});
    ASSERT_TRUE(composed);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, composed->text);
}

TEST(CliProgram, GenerateWithASeedPrintsTheSameRowsEveryTime) {
    TempDatabase file;
    testing::fillGenerationTables(file, 300, 100);
    testing::fillBazi(file);
    const std::vector<std::string> arguments{"generate",   "--family", "李",      "--gender", "女",
                                             "--seed",     "7",        "--limit", "200",      "--date",
                                             "2011-01-01", "--hour",   "1",       "--db",     file.path().string()};
    const ProcessResult first = runCli(arguments);
    const ProcessResult second = runCli(arguments);
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.err, "");
    EXPECT_TRUE(first.out.starts_with("姓名\t分数\t天格\t人格\t地格\t外格\t总格\t三才\t五行\n"));
    EXPECT_EQ(std::count(first.out.begin(), first.out.end(), '\n'), 201);
    EXPECT_EQ(second.out, first.out);
}

TEST(CliProgram, BadInputAndAMissingDatabaseGiveTheirStatusAndOneLine) {
    const ProcessResult bad = runCli({"chart", "--date", "2011-02-30", "--hour", "1"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "namewright-cli chart: --date: 2011-02-30 is no date of the calendar\n");

    const ProcessResult missing = runCli({"chart", "--date", "2011-01-01", "--hour", "1", "--db", "/nonexistent.mdb"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "namewright-cli chart: cannot open the naming database /nonexistent.mdb\n");

    const ProcessResult none = runCli({});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(std::count(none.err.begin(), none.err.end(), '\n'), 1);
}

TEST(CliProgram, StartedThroughASymbolicLinkItReadsTheFilesBesideTheRealProgram) {
    // As the package installs it: bin/namewright-cli is a relative link to lib/namewright/namewright-cli.
    const TempPath root("-root");
    struct RemoveRoot {
        const std::filesystem::path& path;
        ~RemoveRoot() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } removeRoot{root.path()};
    const std::filesystem::path programDir = root.path() / "lib" / "namewright";
    std::filesystem::create_directories(programDir);
    std::filesystem::create_directories(root.path() / "bin");
    std::filesystem::copy_file(kCli, programDir / "namewright-cli");
    std::filesystem::create_symlink("../lib/namewright/namewright-cli", root.path() / "bin" / "namewright-cli");
    TempDatabase file;
    testing::fillBazi(file);
    std::filesystem::copy_file(file.path(), programDir / "hun.mdb");
    const testing::SmallKnowledgeFile knowledge;
    std::filesystem::copy_file(knowledge.path(), programDir / "characters.db");

    const std::filesystem::path link = root.path() / "bin" / "namewright-cli";
    const ProcessResult chart = runProgram(link, {"chart", "--date", "2010-02-14", "--hour", "8"});
    EXPECT_EQ(chart.status, 0) << chart.err;
    EXPECT_NE(chart.out.find("五行\t金木 土木 木土 金土 \n"), std::string::npos) << chart.out;
    const ProcessResult describe = runProgram(link, {"describe", "--family", "范", "--given", "统"});
    EXPECT_EQ(describe.status, 0) << describe.err;
    EXPECT_TRUE(describe.out.starts_with("pinyin\tfàn tǒng\n")) << describe.out;
}

TEST(CliProgram, WithoutDbItReadsHunMdbBesideTheProgram) {
    const TempPath folder("-cli");
    std::filesystem::create_directory(folder.path());
    struct RemoveFolder {
        const std::filesystem::path& path;
        ~RemoveFolder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } removeFolder{folder.path()};
    const std::filesystem::path program = folder.path() / "namewright-cli";
    std::filesystem::copy_file(kCli, program);
    const std::vector<std::string> chart{"chart", "--date", "2010-02-14", "--hour", "8"};
    EXPECT_EQ(runProgram(program, chart).status, 1) << "no hun.mdb beside it yet";

    TempDatabase file;
    testing::fillBazi(file);
    std::filesystem::copy_file(file.path(), folder.path() / "hun.mdb");
    const ProcessResult result = runProgram(program, chart);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("五行\t金木 土木 木土 金土 \n"), std::string::npos) << result.out;
}

TEST(CliProgram, AFailedWriteOfTheOutputGivesStatus1AndItsCause) {
    TempDatabase file;
    testing::fillGenerationTables(file, 300, 100);
    testing::fillBazi(file);
    const std::vector<std::string> generate{
        "generate", "--family", "李",   "--gender",          "女", "--seed", "7", "--date", "2011-01-01",
        "--hour",   "1",        "--db", file.path().string()};
    // Before, each of these ended with status 0 and nothing said: the names were lost without a word.
    const ProcessResult full = runCli(generate, Output::DevFull);
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "namewright-cli: cannot write the output: No space left on device\n");
    // A short output fails only at the final flush.
    const ProcessResult version = runCli({"--version"}, Output::DevFull);
    EXPECT_EQ(version.status, 1);
    EXPECT_EQ(version.err, "namewright-cli: cannot write the output: No space left on device\n");
    const ProcessResult closed = runCli({"solar-terms", "--year", "2024"}, Output::Closed);
    EXPECT_EQ(closed.status, 1);
    EXPECT_EQ(closed.err, "namewright-cli: cannot write the output: Bad file descriptor\n");
    const ProcessResult closedRun = runCli(generate, Output::Closed);
    EXPECT_EQ(closedRun.status, 1);
    EXPECT_EQ(closedRun.err, "namewright-cli: cannot write the output: Bad file descriptor\n");
}

TEST(CliProgram, AReaderThatWentAwayStillEndsItBySigpipe) {
    const ProcessResult result = runCli({"solar-terms", "--year", "2024"}, Output::BrokenPipe);
    EXPECT_EQ(result.signal, SIGPIPE);
    EXPECT_EQ(result.err, "");
}

TEST(CliProgram, AnEchoedArgumentWithControlCharactersStaysOneEscapedLine) {
    const ProcessResult result = runCli({"table", "sl\n\x1b[2J\x1b]0;title\x07"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "namewright-cli table: the table must be sl or 3cai, not sl\\n\\x1b[2J\\x1b]0;title\\x07\n");
    EXPECT_EQ(result.err.find('\x1b'), std::string::npos) << "no escape sequence reaches the terminal";
}

} // namespace
} // namespace namewright
