// The two manuals of namewright-cli, the manual page (packaging/namewright-cli.1.in) and the README's manual section,
// name every command and every option that the program itself knows.

#include "cli/CommandList.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <string>

namespace namewright {
namespace {

/// A text as roff writes it in the page: every hyphen escaped.
std::string roff(std::string_view text) {
    std::string out;
    for (const char c : text) {
        out += c == '-' ? std::string("\\-") : std::string(1, c);
    }
    return out;
}

TEST(CliManual, ThePageAndTheReadmeNameEveryCommandAndOption) {
    const std::string page = testing::readFile(std::string(NAMEWRIGHT_SOURCE_DIR) + "/packaging/namewright-cli.1.in");
    const std::string readme = testing::readFile(std::string(NAMEWRIGHT_SOURCE_DIR) + "/README.md");
    ASSERT_FALSE(page.empty());
    const std::size_t manual = readme.find("## The command line: namewright-cli");
    ASSERT_NE(manual, std::string::npos);
    const std::string section = readme.substr(manual, readme.find("\n## ", manual + 1) - manual);
    for (const cli::Command& command : cli::allCommands()) {
        EXPECT_NE(page.find(".SY namewright\\-cli\\ " + roff(command.name)), std::string::npos) << command.name;
        EXPECT_NE(section.find("    namewright-cli " + std::string(command.name) + " "), std::string::npos)
            << command.name;
        for (const cli::Option& option : command.options) {
            EXPECT_NE(page.find(roff(option.name)), std::string::npos) << command.name << ' ' << option.name;
            EXPECT_NE(section.find(std::string(option.name)), std::string::npos) << command.name << ' ' << option.name;
        }
    }
}

} // namespace
} // namespace namewright
