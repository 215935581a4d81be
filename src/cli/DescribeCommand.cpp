// namewright-cli describe: what the character knowledge says of a full name.

#include "chart/SeriesRecord.h"
#include "cli/CommandList.h"
#include "cli/CommonOptions.h"
#include "cli/InputValues.h"
#include "cli/KeyValueLines.h"
#include "cli/RecommendLines.h"
#include "db/NamingDatabase.h"
#include "knowledge/KnowledgeBase.h"
#include "knowledge/NameDescription.h"
#include "shortlist/ShortlistSources.h"
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

// The birth moment is optional here: with it, the 推荐 value and every term; without, the terms that need neither it
// nor the naming database.
const Option kMomentDateOption{"--date", "YYYY-MM-DD",
                               "with --hour: the birth date (1881-2060), for the 推荐 value and its element terms"};
const Option kMomentHourOption{"--hour", "H", "with --date: the birth hour, 0 to 23"};

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
/// The 推荐 lines follow the description's, when the file is sound.
std::vector<std::string> describedLines(const KnowledgeBase& knowledge, std::string_view family, std::string_view given,
                                        const RecommendMoment* moment) {
    const bool damagedBefore = !knowledge.damage().empty();
    const NameDescription description = describeName(knowledge, family, given);
    if (damagedBefore || !knowledge.damage().empty()) {
        return describedNameLines(describeName(KnowledgeBase(), family, given));
    }
    std::vector<std::string> lines = describedNameLines(description);
    if (knowledge.isAvailable()) {
        std::vector<std::string> recommend = recommendLines(knowledge, family, given, moment);
        if (knowledge.damage().empty()) {
            lines.insert(lines.end(), recommend.begin(), recommend.end());
        }
    }
    return lines;
}

/// The birth moment of --date and --hour, when either is given; `refused` set, with the reason written to `err`, when
/// it cannot be read (one without the other, or a bad value).
std::optional<BirthMomentTexts> readOptionalMoment(const ParsedArguments& arguments, std::ostream& err, bool& refused) {
    refused = false;
    if (!arguments.has(kMomentDateOption.name) && !arguments.has(kMomentHourOption.name)) {
        return std::nullopt;
    }
    if (!arguments.has(kMomentDateOption.name) || !arguments.has(kMomentHourOption.name)) {
        err << kMomentDateOption.name << " and " << kMomentHourOption.name << " go together";
        refused = true;
        return std::nullopt;
    }
    std::optional<BirthMomentTexts> moment = readBirthMoment(arguments, err);
    refused = !moment.has_value();
    return moment;
}

/// The 推荐 needs of a moment on an open naming database: the favourable elements of its two charts, as the
/// shortlist of a series of that moment takes them (shortlistSources()).
RecommendMoment recommendMomentOf(const BirthMomentTexts& moment, NamingDatabase& database) {
    const SeriesRecord record = analyseSeries(0, moment, database);
    const ShortlistSources sources = shortlistSources(&record, KnowledgeBase(), nullptr, database, 0);
    return RecommendMoment{&database, LuckTables::load(database), sources.missingElements, sources.solarTermFavourable};
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
ExitStatus describeBatch(const CommandInput& input, const KnowledgeBase& knowledge, const std::filesystem::path& file,
                         const RecommendMoment* moment) {
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
            for (const std::string& described : describedLines(knowledge, name.family, name.given, moment)) {
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

/// Describes the one name of --family and --given, or with neither the names of --batch; with a moment, on the naming
/// database beside the program (opened once, before anything is printed).
ExitStatus describeNames(const CommandInput& input, const std::optional<BirthMomentTexts>& moment,
                         const std::optional<std::string>& family, const std::optional<std::string>& given) {
    const std::filesystem::path file = knowledgeFileOf(input);
    // The characters are read as the names ask for them: one name reads a few rows (45 ms of CPU for the process
    // against 187 ms reading the file whole), and 1,000 popular names in a batch cost less than a whole read too
    // (bench/describe_process/measure.py).
    const KnowledgeBase knowledge = KnowledgeBase::open(file, KnowledgeBase::Loading::Lazy);
    std::optional<NamingDatabase> database;
    std::optional<RecommendMoment> recommendMoment;
    if (moment && knowledge.isAvailable()) {
        database.emplace(NamingDatabase::open(input.databaseFile));
        if (!database->isOpen()) {
            return databaseUnavailable(input, *database);
        }
        recommendMoment = recommendMomentOf(*moment, *database);
    }
    const RecommendMoment* recommend = recommendMoment ? &*recommendMoment : nullptr;
    if (!family || !given) {
        return describeBatch(input, knowledge, file, recommend);
    }
    // A row found damaged while describing (a verse read from the file) would leave the lines short of it: the
    // file is then as unavailable as one refused at opening. An unavailable file still gets its one line on standard
    // output, "knowledge<TAB>unavailable", so that a script reading the lines sees why they are missing; the status
    // and standard error say it too.
    for (const std::string& line : describedLines(knowledge, *family, *given, recommend)) {
        input.out << line << '\n';
    }
    return knowledgeRefusal(input, knowledge, file);
}

ExitStatus describe(const CommandInput& input) {
    if (input.arguments.has(kBatchOption.name)) {
        for (const Option& option : {kFamilyOption, kGivenOption}) {
            if (input.arguments.has(option.name)) {
                input.err << option.name << " and " << kBatchOption.name << " exclude each other";
                return ExitStatus::BadInput;
            }
        }
    }
    bool refused = false;
    const std::optional<BirthMomentTexts> moment = readOptionalMoment(input.arguments, input.err, refused);
    if (refused) {
        return ExitStatus::BadInput;
    }
    if (input.arguments.has(kBatchOption.name)) {
        return describeNames(input, moment, std::nullopt, std::nullopt);
    }
    const std::optional<std::string> family = readNamePart(input.arguments, kFamilyOption.name, input.err);
    if (!family) {
        return ExitStatus::BadInput;
    }
    const std::optional<std::string> given = readNamePart(input.arguments, kGivenOption.name, input.err);
    if (!given) {
        return ExitStatus::BadInput;
    }
    return describeNames(input, moment, family, given);
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
        "first: verse<TAB>work<TAB>title<TAB>author<TAB>line. Then the name's place in our own 推荐 order (均衡 "
        "weights): "
        "with --date and --hour, recommend<TAB>N (0-100) and one recommend-term<TAB>caption<TAB>points line per term "
        "that gives points, largest first, the points signed with ASCII + or -, the naming database beside the "
        "program read for the score and the elements; without them only the terms that need neither the moment nor "
        "the database, which is then not read. With --batch the moment applies to every name. A knowledge file that "
        "cannot be opened prints the single line knowledge<TAB>unavailable and gives status 1. With --batch the names "
        "come from standard input, one family<TAB>given a line, the knowledge file opened once: each name's lines "
        "are followed by one empty line; a line that cannot be described gets the line error<TAB>line N: reason "
        "(and its empty line) and the batch goes on, ending with status 2.",
        {kFamilyOption, kGivenOption, kMomentDateOption, kMomentHourOption, kBatchOption, kKnowledgeOption},
        0,
        describe,
        false,
    };
}

} // namespace namewright::cli
