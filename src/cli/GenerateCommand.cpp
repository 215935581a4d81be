// namewright-cli generate: one generation run, as the main window's worker makes it.

#include "cli/CommandList.h"
#include "cli/CommonOptions.h"
#include "cli/InputValues.h"
#include "cli/Tsv.h"
#include "db/NamingDatabase.h"
#include "naming/ResultRowReader.h"
#include "naming/ResultStore.h"
#include "naming/RunController.h"
#include "shortlist/Shortlist.h"
#include "shortlist/ShortlistSources.h"
#include "text/GbkText.h"

#include <chrono>
#include <limits>
#include <thread>

namespace namewright::cli {

namespace {

const Option kFamilyOption{"--family", "TEXT", "the family name as typed; its first character is scored", true};
const Option kGenderOption{"--gender", "男|女", "the gender of the names", true};
const Option kSingleOption{"--single", "", "one-character given names, every word1 row in order"};
const Option kFixedOption{"--fixed", "CHARACTER", "fix one character of two-character given names"};
const Option kPositionOption{"--position", "二|三", "where --fixed stands in the full name (default 二)"};
const Option kThresholdOption{"--threshold", "N", "list names scoring N or more; 75 or less means 80 (default 80)"};
const Option kSeedOption{"--seed", "N", "seed of the random draws, for a reproducible run"};
const Option kLimitOption{"--limit", "N", "stop after N listed names (with --distinct: print the first N names)"};
const Option kDistinctOption{"--distinct", "",
                             "after the run, one line per distinct name with its draw count, ranked as the shortlist "
                             "window ranks"};
const Option kOrderOption{
    "--order", "score|recommended",
    "with --distinct: by score (default), or by our own 推荐 value, best first, with a 推荐 column"};

/// The order of --distinct: the score (the window's ranking), or the 推荐 value with its column.
enum class DistinctOrder { Score, Recommended };

std::optional<DistinctOrder> readOrder(const ParsedArguments& arguments, std::ostream& err) {
    const std::optional<std::string_view> text = arguments.value(kOrderOption.name);
    if (!text) {
        return DistinctOrder::Score;
    }
    if (!arguments.has(kDistinctOption.name)) {
        err << kOrderOption.name << " needs " << kDistinctOption.name;
        return std::nullopt;
    }
    if (*text == "score" || *text == "recommended") {
        return *text == "score" ? DistinctOrder::Score : DistinctOrder::Recommended;
    }
    err << kOrderOption.name << ": the order must be score or recommended";
    return std::nullopt;
}

/// The options as the window's inputs of one run; nothing, with the reason written to `err`, when refused.
std::optional<GenerationInputs> readInputs(const ParsedArguments& arguments, std::ostream& err) {
    GenerationInputs inputs;
    const std::optional<std::string> family = readText(arguments, kFamilyOption.name, err);
    if (!family) {
        return std::nullopt;
    }
    inputs.familyText = *family;

    const std::string_view gender = arguments.value(kGenderOption.name).value_or("");
    if (gender != genderText(Gender::Male) && gender != genderText(Gender::Female)) {
        err << kGenderOption.name << ": the gender must be 男 or 女";
        return std::nullopt;
    }
    inputs.gender = genderOfText(gender);

    const bool single = arguments.has(kSingleOption.name);
    const bool fixed = arguments.has(kFixedOption.name);
    if (single && fixed) {
        err << kSingleOption.name << " and " << kFixedOption.name << " exclude each other";
        return std::nullopt;
    }
    if (arguments.has(kPositionOption.name) && !fixed) {
        err << kPositionOption.name << " needs " << kFixedOption.name;
        return std::nullopt;
    }
    inputs.nameLength = single ? NameLength::Single : NameLength::Double;
    if (fixed) {
        const std::optional<std::string> character = readText(arguments, kFixedOption.name, err);
        if (!character) {
            return std::nullopt;
        }
        if (characterCount(*character) != 1 || gbkWidth(*character) > 2) {
            err << kFixedOption.name << ": the fixed character must be one character";
            return std::nullopt;
        }
        inputs.fixCharacter = true;
        inputs.fixedCharacter = *character;
        // Without --position the character stands second, the position box's first choice.
        if (const auto position = arguments.value(kPositionOption.name)) {
            inputs.fixedPosition = fixedPositionOfText(*position);
            if (inputs.fixedPosition == FixedPosition::Neither) {
                err << kPositionOption.name << ": the position must be 二 or 三";
                return std::nullopt;
            }
        }
    }

    if (const auto threshold = arguments.value(kThresholdOption.name)) {
        const Checked<std::uint64_t> value = wholeNumber(*threshold, 999);
        if (!value.value) {
            err << kThresholdOption.name << ": " << value.error;
            return std::nullopt;
        }
        inputs.ownThreshold = true;
        inputs.thresholdText = std::string(*threshold);
    }

    const std::optional<BirthMomentTexts> moment = readBirthMoment(arguments, err);
    if (!moment) {
        return std::nullopt;
    }
    inputs.moment = *moment;
    return inputs;
}

/// A whole-number option; `fallback` when it is not given.
std::optional<std::uint64_t> readCount(const ParsedArguments& arguments, const Option& option, std::uint64_t fallback,
                                       std::ostream& err) {
    const std::optional<std::string_view> text = arguments.value(option.name);
    if (!text) {
        return fallback;
    }
    const Checked<std::uint64_t> value = wholeNumber(*text, std::numeric_limits<std::uint64_t>::max());
    if (!value.value) {
        err << option.name << ": " << value.error;
    }
    return value.value;
}

/// The distinct names of the finished run in the shortlist window's ranking (score, highest first; names of equal score
/// by their first listed row), or by the 推荐 value, each as the cells of its first listed row and its draw count
/// (and its 推荐 value); at most `limit` lines. The shortlist works with the sources the window gives it, so that a
/// filter or column added to both agrees.
void writeDistinctNames(std::ostream& out, const ResultStore& store, ShortlistSources sources, std::uint64_t limit,
                        DistinctOrder order) {
    Shortlist shortlist(store, std::move(sources));
    shortlist.refresh();
    const bool recommended = order == DistinctOrder::Recommended;
    if (recommended) {
        shortlist.sort(ShortlistColumn::Recommended, true);
    }
    std::vector<std::string> fields(kResultColumnCount + (recommended ? 2 : 1));
    for (std::size_t i = 0; i < shortlist.size() && i < limit; ++i) {
        const std::uint32_t firstRow = shortlist.firstRowAt(i);
        const ResultRowCells cells = store.rowCells(firstRow);
        std::copy(cells.texts.begin(), cells.texts.end(), fields.begin());
        const NameFacts facts = shortlist.factsAt(i);
        fields[kResultColumnCount] = std::to_string(facts.draws);
        if (recommended) {
            fields.back() = std::to_string(facts.recommended);
        }
        writeTsvRow(out, fields);
    }
}

/// Success, unless the run stopped because the result store was full: then the names written are all there are, and
/// the refusal says why the run ended early.
ExitStatus storeFull(const CommandInput& input, const ResultStore& store) {
    if (!store.isFull()) {
        return ExitStatus::Success;
    }
    input.err << "the result store is full at " << store.rowCount()
              << " names, the most it keeps: the run stopped there";
    return ExitStatus::ResultsFull;
}

ExitStatus generate(const CommandInput& input) {
    const std::optional<GenerationInputs> inputs = readInputs(input.arguments, input.err);
    if (!inputs) {
        return ExitStatus::BadInput;
    }
    const std::optional<DistinctOrder> order = readOrder(input.arguments, input.err);
    if (!order) {
        return ExitStatus::BadInput;
    }
    const std::optional<std::uint64_t> limit =
        readCount(input.arguments, kLimitOption, std::numeric_limits<std::uint64_t>::max(), input.err);
    if (!limit) {
        return ExitStatus::BadInput;
    }
    std::optional<std::uint64_t> seed;
    if (input.arguments.has(kSeedOption.name)) {
        seed = readCount(input.arguments, kSeedOption, 0, input.err);
        if (!seed) {
            return ExitStatus::BadInput;
        }
    }
    NamingDatabase database = NamingDatabase::open(input.databaseFile);
    if (!database.isOpen()) {
        return databaseUnavailable(input, database);
    }

    InputsChannel channel;
    channel.publish(*inputs);
    RunState state;
    ResultStore store(input.resultRowLimit);
    RunController controller(database, channel, state, store, {}, seed ? RandomSource(*seed) : RandomSource());

    std::array<std::string, kResultColumnCount> header;
    for (const ResultColumn column : kResultColumns) {
        header[columnIndex(column)] = std::string(resultColumnTitle(column));
    }
    if (input.arguments.has(kDistinctOption.name)) {
        std::vector<std::string> withDraws(header.begin(), header.end());
        withDraws.emplace_back(shortlistColumnTitle(ShortlistColumn::Draws));
        if (*order == DistinctOrder::Recommended) {
            withDraws.emplace_back(shortlistColumnTitle(ShortlistColumn::Recommended));
        }
        writeTsvRow(input.out, withDraws);
    } else {
        writeTsvRow(input.out, header);
    }

    const bool distinct = input.arguments.has(kDistinctOption.name);
    // The worker lists into the store while this thread writes out what became visible, as the grid follows it.
    controller.pressCompute();
    if (distinct) {
        controller.waitUntilIdle();
        controller.shutdown();
        // The worker has ended: its connection serves the sources now. The command line has no minute box, so the
        // 节气八字 is that of minute 0, as the window's without a minute.
        const std::optional<SeriesRecord> record = controller.seriesRecord(store.series());
        ShortlistSources sources = shortlistSources(
            record ? &*record : nullptr, KnowledgeBase::open(KnowledgeBase::besideNamingDatabase(input.databaseFile)),
            std::make_shared<const LuckTables>(LuckTables::load(database)), database,
            scoreThreshold(inputs->ownThreshold, inputs->thresholdText));
        writeDistinctNames(input.out, store, std::move(sources), *limit, *order);
        return storeFull(input, store);
    }
    std::uint64_t written = 0;
    ResultRowReader reader(store, tsvCell);
    std::string buffer;
    for (;;) {
        // Whether the worker still runs is read before the row count: once it has ended, every row it listed counts.
        const bool running = controller.isGenerating();
        const std::size_t visible = std::min<std::uint64_t>(store.rowCount(), *limit);
        if (written < visible) {
            writeResultRows(input.out, reader, written, visible, buffer);
            written = visible;
        }
        // A failed write (a full disk, a closed output) ends the run: the dispatcher reports it.
        if (written >= *limit || !running || !input.out) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    controller.shutdown();
    return written < *limit ? storeFull(input, store) : ExitStatus::Success;
}

} // namespace

Command makeGenerateCommand() {
    return Command{
        "generate",
        "",
        "one generation run, its listed names as TSV",
        "Runs one generation mode as the main window's worker does, and prints the names it lists as tab-separated "
        "values under the nine column titles of the result grid. Without --single or --fixed it is the random mode: "
        "one series of N x N draws of a word1 and a word2 row of the gender or neutral (marked neither 男 nor 女), N "
        "being the number of such word1 rows, reproducible with --seed. --single lists one-character names, --fixed "
        "names with that "
        "character second (--position 二) or third (--position 三). --distinct waits for the run to end and prints "
        "each "
        "distinct name once, with how often it was listed (次数), ranked by score as the shortlist window ranks; with "
        "--order recommended, by our own 推荐 value (0-100, best "
        "first; a name with a character of ill sense last), with the value as a last column 推荐.",
        {kFamilyOption, kGenderOption, kSingleOption, kFixedOption, kPositionOption, kThresholdOption, kSeedOption,
         kLimitOption, kDistinctOption, kOrderOption, kDateOption, kHourOption},
        0,
        generate,
    };
}

} // namespace namewright::cli
