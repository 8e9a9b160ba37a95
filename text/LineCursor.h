#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/FileIo.h"

class Reporter;

// A data file that ended inside a block or held a non-number where a number
// belongs. Thrown by the cursor and the number helpers below; each reader
// catches it and reports its own message.
class DataFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The value part of a positional line: everything from the 1-based column to
// the end of the line; empty when the line is shorter.
std::string ValueFrom(const std::string& line, std::size_t column);

// The first characters of line equal prefix (a shorter line never matches).
bool StartsWith(const std::string& line, const std::string& prefix);

// A value as a whole number: a fraction rounds to the nearest whole number,
// halves to even. Throws DataFileError when it is not a number.
std::int32_t WholeNumber(const std::string& value);
// A value as a real number. Throws DataFileError when it is not a number.
double RealNumber(const std::string& value);

// Walks the lines of a data file in order; taking a line past the end throws.
class LineCursor {
public:
    explicit LineCursor(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    bool AtEnd() const { return next_ >= lines_.size(); }
    const std::string& Next();
    // Takes count lines and keeps none of them.
    void Skip(std::size_t count);
    // 1-based number of the line Next returned last (0 before the first).
    std::size_t LineNumber() const { return next_; }
    // Next was asked for a line after the last one.
    bool PastEnd() const { return pastEnd_; }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    bool pastEnd_ = false;
};

// Reads the file and hands a cursor over its lines to read, which returns
// whether it found anything usable. A file that cannot be read (missing, not
// a regular file, larger than maxBytes), any exception thrown by read, or a
// file that yielded nothing usable is reported with failureMessage followed
// by the file, the line and what was expected (usableContent names what a
// usable file holds), and gives false; what read stored before that stays.
bool ReadDataFile(const std::filesystem::path& file, const std::string& failureMessage,
                  const std::string& usableContent, Reporter& reporter, const std::function<bool(LineCursor&)>& read,
                  std::uint64_t maxBytes = MaxDataFileBytes);
