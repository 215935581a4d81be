// namewright-cli describe: what the character knowledge says of a full name.

#include "cli/CommandList.h"
#include "cli/CommonOptions.h"
#include "cli/InputValues.h"
#include "cli/KeyValueLines.h"
#include "knowledge/KnowledgeBase.h"
#include "knowledge/NameDescription.h"
#include "text/Utf8.h"

#include <algorithm>

namespace namewright::cli {

namespace {

const Option kFamilyOption{
    "--family",
    "TEXT",
    "the family name, one or two characters (a compound family name such as 尉迟 reads whole)",
};
const Option kGivenOption{"--given", "TEXT", "the given name, one or two characters (with --family, unless --batch)"};
const Option kKnowledgeOption{"--knowledge", "PATH", "the knowledge file (default: characters.db beside the program)"};

const Option kBatchOption{"--batch", "",
                          "read names from standard input, one family<TAB>given a line, and describe each in turn"};

/// Why a name part cannot be described (one or two characters, none of them a control character, which would break
/// the key<TAB>value lines); empty when it can. `text` is UTF-8.
std::string namePartProblem(std::string_view text) {
    const std::u32string characters = decodeUtf8(text);
    const bool control = std::any_of(characters.begin(), characters.end(),
                                     [](char32_t c) { return c < U' ' || (c >= 0x7F && c < 0xA0); });
    if (characters.empty() || characters.size() > 2 || control) {
        return "the name must be one or two characters";
    }
    return {};
}

/// The text of a name option; nothing, with the reason written to `err`, when refused.
std::optional<std::string> readNamePart(const ParsedArguments& arguments, std::string_view option, std::ostream& err) {
    std::optional<std::string> text = readText(arguments, option, err);
    if (!text) {
        return std::nullopt;
    }
    if (!arguments.has(option)) {
        err << option << " is missing";
        return std::nullopt;
    }
    if (const std::string problem = namePartProblem(*text); !problem.empty()) {
        err << option << ": " << problem;
        return std::nullopt;
    }
    return text;
}

/// A line of the batch split into its family and given name; `problem` says why it cannot be described.
struct BatchName {
    std::string family;
    std::string given;
    std::string problem;
};

BatchName readBatchLine(std::string_view line) {
    if (!isUtf8(line)) {
        return {{}, {}, "the line is not UTF-8"};
    }
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
        return {
            {}, {}, line.empty() ? "the line is empty" : "the line has no tab between the family and the given name"};
    }
    BatchName name{std::string(line.substr(0, tab)), std::string(line.substr(tab + 1)), {}};
    if (const std::string problem = namePartProblem(name.family); !problem.empty()) {
        name.problem = "the family: " + problem;
    } else if (const std::string given = namePartProblem(name.given); !given.empty()) {
        name.problem = "the given name: " + given;
    }
    return name;
}

/// The description of one name, withheld (the single unavailable line) when describing it found the file damaged.
std::vector<std::string> describedLines(const KnowledgeBase& knowledge, std::string_view family,
                                        std::string_view given) {
    const bool damagedBefore = !knowledge.damage().empty();
    const NameDescription description = describeName(knowledge, family, given);
    if (damagedBefore || !knowledge.damage().empty()) {
        return describedNameLines(describeName(KnowledgeBase(), family, given));
    }
    return describedNameLines(description);
}

/// The refusal of a knowledge file that did not open or was found damaged; Success for a sound one.
ExitStatus knowledgeRefusal(const CommandInput& input, const KnowledgeBase& knowledge,
                            const std::filesystem::path& file) {
    if (!knowledge.isAvailable()) {
        input.err << "cannot open the knowledge file " << file.string() << " (" << knowledge.failure() << ")";
        return ExitStatus::DatabaseUnavailable;
    }
    if (const std::string damage = knowledge.damage(); !damage.empty()) {
        input.err << "the knowledge file " << file.string() << " is damaged (" << damage << ")";
        return ExitStatus::DatabaseUnavailable;
    }
    return ExitStatus::Success;
}

/// describe --batch: every line of standard input described in turn, each record ended by an empty line. A bad line
/// gets the record "error<TAB>line N: reason" and the batch goes on; a knowledge file that cannot be opened, or that
/// describing finds damaged, ends the batch with the unavailable record.
ExitStatus describeBatch(const CommandInput& input, const KnowledgeBase& knowledge, const std::filesystem::path& file) {
    if (!knowledge.isAvailable()) {
        input.out << "knowledge\tunavailable\n\n";
        return knowledgeRefusal(input, knowledge, file);
    }
    std::uint64_t lineNumber = 0;
    std::uint64_t badLines = 0;
    std::uint64_t firstBad = 0;
    std::string line;
    std::string record;
    while (std::getline(input.in, line)) {
        ++lineNumber;
        if (line.ends_with('\r')) {
            line.pop_back(); // a line ended by CR LF reads as the same line
        }
        const BatchName name = readBatchLine(line);
        record.clear();
        if (!name.problem.empty()) {
            ++badLines;
            firstBad = firstBad == 0 ? lineNumber : firstBad;
            record += "error\tline " + std::to_string(lineNumber) + ": " + name.problem + '\n';
        } else {
            for (const std::string& described : describedLines(knowledge, name.family, name.given)) {
                record += described;
                record += '\n';
            }
        }
        record += '\n';
        input.out << record;
        if (!knowledge.damage().empty()) {
            return knowledgeRefusal(input, knowledge, file);
        }
        if (!input.out) {
            return ExitStatus::Success; // the dispatcher reports the failed write
        }
    }
    if (badLines > 0) {
        input.err << badLines << (badLines == 1 ? " line" : " lines") << " of " << lineNumber
                  << " could not be described (the first: line " << firstBad << ")";
        return ExitStatus::BadInput;
    }
    return ExitStatus::Success;
}

std::filesystem::path knowledgeFileOf(const CommandInput& input) {
    const std::optional<std::string_view> chosen = input.arguments.value(kKnowledgeOption.name);
    return chosen ? std::filesystem::path(std::string(*chosen))
                  : KnowledgeBase::besideNamingDatabase(input.databaseFile);
}

ExitStatus describe(const CommandInput& input) {
    if (input.arguments.has(kBatchOption.name)) {
        for (const Option& option : {kFamilyOption, kGivenOption}) {
            if (input.arguments.has(option.name)) {
                input.err << option.name << " and " << kBatchOption.name << " exclude each other";
                return ExitStatus::BadInput;
            }
        }
        const std::filesystem::path file = knowledgeFileOf(input);
        return describeBatch(input, KnowledgeBase::open(file), file);
    }
    const std::optional<std::string> family = readNamePart(input.arguments, kFamilyOption.name, input.err);
    if (!family) {
        return ExitStatus::BadInput;
    }
    const std::optional<std::string> given = readNamePart(input.arguments, kGivenOption.name, input.err);
    if (!given) {
        return ExitStatus::BadInput;
    }
    const std::filesystem::path file = knowledgeFileOf(input);
    const KnowledgeBase knowledge = KnowledgeBase::open(file);
    // A row found damaged while describing (a verse read from the file) would leave the lines short of it: the
    // file is then as unavailable as one refused at opening. An unavailable file still gets its one line on standard
    // output, "knowledge<TAB>unavailable", so that a script reading the lines sees why they are missing; the status
    // and standard error say it too.
    for (const std::string& line : describedLines(knowledge, *family, *given)) {
        input.out << line << '\n';
    }
    return knowledgeRefusal(input, knowledge, file);
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
        "cannot be opened prints the single line knowledge<TAB>unavailable and gives status 1. With --batch the names "
        "come from standard input, one family<TAB>given a line, the knowledge file opened once: each name's lines "
        "are followed by one empty line; a line that cannot be described gets the line error<TAB>line N: reason "
        "(and its empty line) and the batch goes on, ending with status 2.",
        {kFamilyOption, kGivenOption, kBatchOption, kKnowledgeOption},
        0,
        describe,
        false,
    };
}

} // namespace namewright::cli
