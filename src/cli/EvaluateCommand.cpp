// namewright-cli evaluate: the report of one name, as the evaluation window composes it.

#include "cli/CommandList.h"
#include "cli/CommonOptions.h"
#include "db/NamingDatabase.h"
#include "reports/NameEvaluation.h"
#include "text/GbkText.h"

namespace namewright::cli {

namespace {

const Option kFamilyOption{"--family", "TEXT", "the family name; only its first character is looked up", true};
const Option kGivenOption{"--given", "TEXT", "the given name, one or two characters", true};

ExitStatus evaluate(const CommandInput& input) {
    const std::optional<std::string> family = readText(input.arguments, kFamilyOption.name, input.err);
    if (!family) {
        return ExitStatus::BadInput;
    }
    const std::optional<std::string> given = readText(input.arguments, kGivenOption.name, input.err);
    if (!given) {
        return ExitStatus::BadInput;
    }
    // The window evaluates a given text of 2 or 4 GBK bytes and leaves any other alone.
    const std::size_t width = gbkWidth(*given);
    if (width != 2 && width != 4) {
        input.err << kGivenOption.name << ": the given name must be one or two characters (2 or 4 GBK bytes)";
        return ExitStatus::BadInput;
    }
    const std::optional<BirthMomentTexts> moment = readBirthMoment(input.arguments, input.err);
    if (!moment) {
        return ExitStatus::BadInput;
    }
    NamingDatabase database = NamingDatabase::open(input.databaseFile);
    if (!database.isOpen()) {
        return databaseUnavailable(input, database);
    }
    const std::optional<ComposedReport> composed = evaluateName(EvaluationInput{*family, *given, *moment}, database);
    input.out << (composed ? composed->text : std::string());
    return ExitStatus::Success;
}

} // namespace

Command makeEvaluateCommand() {
    return Command{
        "evaluate",
        "",
        "the report of one name, as the evaluation window composes it",
        "Evaluates one name for a birth moment: its birth chart, five grids, three talents and score (capped above 95 "
        "at 100), and prints the whole report exactly as the evaluation window composes it, UTF-8 with its CR LF line "
        "breaks.",
        {kFamilyOption, kGivenOption, kDateOption, kHourOption},
        0,
        evaluate,
    };
}

} // namespace namewright::cli
