#include "mapfile/MapLineReader.h"

#include <algorithm>
#include <charconv>

#include "text/TextHelpers.h"
#include "mapfile/TxtLine.h"

namespace {

}  // namespace

// A value of any length quoted in a message of readable length.
std::string Quoted(std::string_view text) { return '"' + Elided(text) + '"'; }

namespace {

// A value as a whole number: any number, a fraction rounded to the nearest
// whole number with halves to even ("10.0" is 10), with a shortcut for the
// plain digits the writer writes.
std::optional<std::int32_t> WholeNumber(std::string_view text) {
    std::int32_t value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (error == std::errc() && end == last) return value;
    if (const auto whole = ParseInt32(text)) return whole;
    const auto real = ParseReal(text);
    return real ? RoundHalfEven(*real) : std::nullopt;
}

}  // namespace

MapLineReader::MapLineReader(std::string_view text, std::string fileLabel, bool checkKeys)
    : cursor_(text), fileLabel_(std::move(fileLabel)), checkKeys_(checkKeys) {}

void MapLineReader::Fail(const std::string& what) const {
    throw MapLoadError(fileLabel_ + ", line " + std::to_string(cursor_.LineNumber()) + ": " + what);
}

void MapLineReader::FailValue(const std::string& expected, const TxtKey& key, std::string_view value) const {
    Fail("expected " + expected + " for " + Quoted(key.Text()) + ", found " + Quoted(value));
}

std::string_view MapLineReader::Line(const TxtKey& key) {
    auto line = cursor_.Next();
    if (!line) {
        throw MapLoadError(fileLabel_ + ", line " + std::to_string(cursor_.LineNumber() + 1) +
                           ": the file ends early; expected " + Quoted(key.Text()));
    }
    if (checkKeys_ && !LineHasKey(*line, key)) Fail("expected the key " + Quoted(key.Text()) + ", found " + Quoted(*line));
    return *line;
}

std::string_view MapLineReader::Value(const TxtKey& key) { return TxtValueOf(Line(key)); }

std::int32_t MapLineReader::Int(const TxtKey& key, std::int32_t min, std::int32_t max) {
    const std::string_view value = Value(key);
    const auto number = WholeNumber(value);
    if (number && *number >= min && *number <= max) return *number;
    if (min == std::numeric_limits<std::int32_t>::min() && max == std::numeric_limits<std::int32_t>::max())
        FailValue("a whole number", key, value);
    FailValue("a whole number from " + std::to_string(min) + " to " + std::to_string(max), key, value);
}

std::uint8_t MapLineReader::Byte(const TxtKey& key) { return static_cast<std::uint8_t>(Int(key, 0, 255)); }

double MapLineReader::Real(const TxtKey& key) {
    const std::string_view value = Value(key);
    const auto number = ParseReal(value);
    if (!number) FailValue("a number", key, value);
    return *number;
}

CCoord MapLineReader::Location(const TxtKey& key, std::optional<CCoord> bound) {
    const std::string_view value = Value(key);
    // Split at the commas: the first two parts count, any further part is not read.
    const std::size_t comma = value.find(',');
    const std::size_t second = comma == std::string_view::npos ? value.size() : comma + 1;
    const std::size_t secondEnd = std::min(value.find(',', second), value.size());
    const auto x = WholeNumber(value.substr(0, comma == std::string_view::npos ? 0 : comma));
    const auto y = WholeNumber(value.substr(second, secondEnd - second));
    const auto within = [](std::int32_t v, std::int32_t limit) { return v >= -limit && v <= limit; };
    if (x && y && (!bound || (within(*x, bound->X) && within(*y, bound->y)))) return CCoord{*x, *y};
    std::string expected = "two whole numbers \"X, Y\"";
    if (bound)
        expected += " with X from " + std::to_string(-bound->X) + " to " + std::to_string(bound->X) + " and Y from " +
                    std::to_string(-bound->y) + " to " + std::to_string(bound->y);
    FailValue(expected, key, value);
}

std::string_view MapLineReader::Fixed(std::string_view exact, const std::string& what) {
    auto line = cursor_.Next();
    if (!line) {
        throw MapLoadError(fileLabel_ + ", line " + std::to_string(cursor_.LineNumber() + 1) +
                           ": the file ends early; expected " + what);
    }
    if (checkKeys_ && *line != exact) Fail("expected " + what + ", found " + Quoted(*line));
    return *line;
}
