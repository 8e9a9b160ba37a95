#include "cli/CliOptions.h"

#include <algorithm>
#include <charconv>
#include <chrono>

std::string ParsedArgs::Value(const std::string& key) const {
    auto it = values.find(key);
    return it == values.end() ? std::string() : it->second;
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valueKeys,
                     const std::vector<std::string>& flagKeys) {
    ParsedArgs parsed;
    auto isIn = [](const std::vector<std::string>& keys, const std::string& key) {
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& key = args[i];
        if (isIn(flagKeys, key)) {
            parsed.flags[key] = true;
        } else if (isIn(valueKeys, key) && i + 1 < args.size()) {
            parsed.values[key] = args[++i];
        } else {
            parsed.error = isIn(valueKeys, key) ? "Missing value after " + key : "Unknown option " + key;
            return parsed;
        }
    }
    return parsed;
}

namespace {

std::optional<std::uint64_t> ParseSeed(const std::string& text) {
    std::uint64_t seed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return seed;
}

}  // namespace

std::optional<std::uint64_t> SeedOf(const ParsedArgs& parsed) {
    if (!parsed.Has("--seed"))
        return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return ParseSeed(parsed.Value("--seed"));
}
