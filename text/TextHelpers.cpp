#include "text/TextHelpers.h"

#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
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

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path) {
    // A folder opens as an empty stream on some systems; it is no text file.
    if (!FileExists(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return SplitLines(content.str());
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
    if (!FileExists(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0) return std::nullopt;
    std::string content(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    in.read(content.data(), static_cast<std::streamsize>(size));
    if (in.gcount() != size) return std::nullopt;
    return content;
}

std::string WriteTextFileSafely(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string content;
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    content.reserve(size);
    for (const auto& line : lines) {
        content += line;
        content += "\r\n";
    }
    return WriteTextContentSafely(path, content);
}

namespace {

// "number - description" of a failed file operation, with what was being done.
std::string FileFailure(int number, const std::string& description, const std::string& doing) {
    return std::to_string(number) + " - " + description + " (" + doing + ")";
}

std::string ErrnoFailure(const std::string& doing) {
    const int number = errno != 0 ? errno : EIO;
    return FileFailure(number, std::generic_category().message(number), doing);
}

}  // namespace

std::string WriteTextContentSafely(const std::filesystem::path& path, std::string_view content) {
    std::filesystem::path temporary = path;
    temporary += ".tmp~";
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return ErrnoFailure("cannot create '" + temporary.string() + "'");
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            std::string failure = ErrnoFailure("cannot write '" + temporary.string() + "'");
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return failure;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return FileFailure(ec.value(), ec.message(), "cannot replace '" + path.string() + "'");
    }
    return {};
}
