#include "text/TextHelpers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <system_error>

std::string PadRight(const std::string& text, std::size_t width, char fill) {
    if (text.size() >= width) return text;
    return text + std::string(width - text.size(), fill);
}

std::string CommaToPoint(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
}

std::string Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string LowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::string LookUpText(TextTable table, std::string_view key, const char* fallback) {
    for (const auto& [from, to] : table)
        if (key == from) return to;
    return fallback;
}

bool FileExists(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

namespace {

// The text without blanks around it and without a leading "+".
std::string NumberBody(std::string_view text) {
    std::string body = Trim(text);
    if (!body.empty() && body[0] == '+') body.erase(0, 1);
    return body;
}

template <typename T>
std::optional<T> ParseWhole(std::string_view text) {
    const std::string body = NumberBody(text);
    if (body.empty()) return std::nullopt;
    std::int64_t value = 0;
    const char* first = body.data();
    const char* last = body.data() + body.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) return std::nullopt;
    return static_cast<T>(value);
}

}  // namespace

std::optional<std::int32_t> ParseInt32(std::string_view text) { return ParseWhole<std::int32_t>(text); }

std::optional<std::uint8_t> ParseByte(std::string_view text) { return ParseWhole<std::uint8_t>(text); }

std::optional<double> ParseReal(std::string_view text) {
    const std::string body = NumberBody(text);
    if (body.empty()) return std::nullopt;
    double value = 0;
    const char* last = body.data() + body.size();
    auto [ptr, ec] = std::from_chars(body.data(), last, value, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool IsNumeric(std::string_view text) { return ParseReal(CommaToPoint(std::string(text))).has_value(); }

std::optional<std::int32_t> RoundHalfEven(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // default mode: to nearest, ties to even
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

double RoundDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // The scaled value is formatted to shed binary noise before rounding, so
    // 0.125 rounds as the decimal it was meant to be.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.9f", value * scale);
    double scaled = 0;
    std::from_chars(buffer, buffer + std::char_traits<char>::length(buffer), scaled);
    return std::nearbyint(scaled) / scale;
}

std::string FormatReal(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    std::string text = buffer;
    if (text == "-0") text = "0";
    return text;
}

std::string Elided(std::string_view text, std::size_t maxLength) {
    if (text.size() <= maxLength) return std::string(text);
    return std::string(text.substr(0, maxLength)) + "...";
}
