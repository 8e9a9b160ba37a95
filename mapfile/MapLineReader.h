#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "mapfile/MapLineCursor.h"
#include "mapfile/TxtLine.h"
#include "model/Records.h"

// A failed load: the message already names the file and the line.
class MapLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the lines of a txt map in order and converts their values; every
// failure throws MapLoadError naming the file, the line and what was expected.
class MapLineReader {
public:
    MapLineReader(std::string_view text, std::string fileLabel, bool checkKeys);

    // The next line, which should carry key (compared only when checking keys).
    std::string_view Line(const TxtKey& key);
    std::string_view Value(const TxtKey& key);
    std::string Text(const TxtKey& key) { return std::string(Value(key)); }
    std::int32_t Int(const TxtKey& key, std::int32_t min = std::numeric_limits<std::int32_t>::min(),
                     std::int32_t max = std::numeric_limits<std::int32_t>::max());
    std::uint8_t Byte(const TxtKey& key);
    double Real(const TxtKey& key);
    // "X, y": two whole numbers, each within -bound to bound when given.
    CCoord Location(const TxtKey& key, std::optional<CCoord> bound = std::nullopt);

    // The next line as it stands; when checking keys it must equal exact.
    std::string_view Fixed(std::string_view exact, const std::string& what);
    std::optional<std::string_view> Peek() const { return cursor_.Peek(); }

    [[noreturn]] void Fail(const std::string& what) const;
    std::int32_t LineNumber() const { return cursor_.LineNumber(); }
    const std::string& FileLabel() const { return fileLabel_; }
    bool CheckingKeys() const { return checkKeys_; }

private:
    [[noreturn]] void FailValue(const std::string& expected, const TxtKey& key, std::string_view value) const;

    MapLineCursor cursor_;
    std::string fileLabel_;
    bool checkKeys_;
};

// text in double quotes, cut to a length a message can show.
std::string Quoted(std::string_view text);
