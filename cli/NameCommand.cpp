#include "cli/NameCommand.h"

#include <ostream>

#include "text/TextHelpers.h"
#include "cli/CliOptions.h"
#include "model/RandomSource.h"
#include "random/NameGenerator.h"

namespace {

constexpr std::int32_t MaxNames = 1000000;

int Refuse(const CliContext& context, const std::string& message) {
    context.err << message << '\n';
    return ExitRefused;
}

}  // namespace

int RunNameCommand(const CliContext& context) {
    const ParsedArgs parsed = ParseArgs(context.args, {"--count", "--seed"}, {});
    if (!parsed.error.empty()) return Refuse(context, parsed.error);
    const std::optional<std::int32_t> count = parsed.Has("--count") ? ParseInt32(parsed.Value("--count")) : 1;
    if (!count || *count < 1 || *count > MaxNames)
        return Refuse(context, "The count must be a whole number from 1 to " + std::to_string(MaxNames));
    const std::optional<std::uint64_t> seed = SeedOf(parsed);
    if (!seed) return Refuse(context, BadSeedText);

    const std::vector<std::string> rules = ReadNameRules(context.folders.Program);
    if (rules.empty()) {
        context.err << "No name rules: '" << NameRulesFileName << "' in " << context.folders.Program.string()
                    << " is missing, cannot be read or holds no rule\n";
        return ExitFailed;
    }
    RandomSource random(*seed);
    for (std::int32_t k = 0; k < *count; ++k) context.out << GenerateNameFromRules(rules, random) << '\n';
    return ExitOk;
}
