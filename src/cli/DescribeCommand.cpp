// namewright-cli describe: what the character knowledge says of a full name.

#include "cli/CommandList.h"
#include "cli/CommonOptions.h"
#include "cli/KeyValueLines.h"
#include "knowledge/KnowledgeBase.h"
#include "knowledge/NameDescription.h"
#include "text/Utf8.h"

#include <algorithm>

namespace namewright::cli {

namespace {

const Option kFamilyOption{"--family", "TEXT",
                           "the family name, one or two characters (a compound family name such as 尉迟 reads whole)",
                           true};
const Option kGivenOption{"--given", "TEXT", "the given name, one or two characters", true};
const Option kKnowledgeOption{"--knowledge", "PATH", "the knowledge file (default: characters.db beside the program)"};

/// The text of a name option: one or two characters, none of them a control character (which would break the
/// key<TAB>value lines).
std::optional<std::string> readNamePart(const ParsedArguments& arguments, std::string_view option, std::ostream& err) {
    std::optional<std::string> text = readText(arguments, option, err);
    if (!text) {
        return std::nullopt;
    }
    const std::u32string characters = decodeUtf8(*text);
    const bool control = std::any_of(characters.begin(), characters.end(),
                                     [](char32_t c) { return c < U' ' || (c >= 0x7F && c < 0xA0); });
    if (characters.empty() || characters.size() > 2 || control) {
        err << option << ": the name must be one or two characters";
        return std::nullopt;
    }
    return text;
}

ExitStatus describe(const CommandInput& input) {
    const std::optional<std::string> family = readNamePart(input.arguments, kFamilyOption.name, input.err);
    if (!family) {
        return ExitStatus::BadInput;
    }
    const std::optional<std::string> given = readNamePart(input.arguments, kGivenOption.name, input.err);
    if (!given) {
        return ExitStatus::BadInput;
    }
    const std::optional<std::string_view> chosen = input.arguments.value(kKnowledgeOption.name);
    const std::filesystem::path file =
        chosen ? std::filesystem::path(std::string(*chosen)) : KnowledgeBase::besideNamingDatabase(input.databaseFile);
    const KnowledgeBase knowledge = KnowledgeBase::open(file);
    NameDescription description = describeName(knowledge, *family, *given);
    // A row found damaged while describing (a verse read from the file) would leave the lines short of it: the
    // file is then as unavailable as one refused at opening.
    const std::string damage = knowledge.damage();
    if (!damage.empty()) {
        description = describeName(KnowledgeBase(), *family, *given);
    }
    // An unavailable file still gets its one line on standard output, "knowledge<TAB>unavailable", so that a script
    // reading the lines sees why they are missing; the status and standard error say it too.
    for (const std::string& line : describedNameLines(description)) {
        input.out << line << '\n';
    }
    if (!knowledge.isAvailable()) {
        input.err << "cannot open the knowledge file " << file.string() << " (" << knowledge.failure() << ")";
        return ExitStatus::DatabaseUnavailable;
    }
    if (!damage.empty()) {
        input.err << "the knowledge file " << file.string() << " is damaged (" << damage << ")";
        return ExitStatus::DatabaseUnavailable;
    }
    return ExitStatus::Success;
}

} // namespace

Command makeDescribeCommand() {
    return Command{
        "describe",
        "",
        "what the character knowledge says of a name: readings, sound warnings, strokes, verses",
        "Describes a full name from the character knowledge file, as key<TAB>value lines: pinyin (with tone marks, ? "
        "for an unknown character), tones (1-4, 5 neutral), one warning line per sound warning, then for each "
        "character, family first: char, traditional (the form whose strokes count), strokes (the count with its "
        "working), element (with its reason; a family character's by its family reading) and level (通用规范汉字表 1, "
        "2, 3 or 表外), the values in Chinese as the window shows them; a character the file does not know has its "
        "char line only. For a two-character given name the verses holding the pair follow, best "
        "first: verse<TAB>work<TAB>title<TAB>author<TAB>line. The naming database is not read. A knowledge file that "
        "cannot be opened prints the single line knowledge<TAB>unavailable and gives status 1.",
        {kFamilyOption, kGivenOption, kKnowledgeOption},
        0,
        describe,
        false,
    };
}

} // namespace namewright::cli
