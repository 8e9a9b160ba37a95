#include "text/LineCursor.h"


#include "text/TextHelpers.h"
#include "text/Reporter.h"

std::string ValueFrom(const std::string& line, std::size_t column) {
    if (column == 0 || line.size() < column) return {};
    return line.substr(column - 1);
}

bool StartsWith(const std::string& line, const std::string& prefix) {
    return line.size() >= prefix.size() && line.compare(0, prefix.size(), prefix) == 0;
}

double RealNumber(const std::string& value) {
    const std::optional<double> number = ParseReal(value);
    if (!number) throw DataFileError("expected a number, found '" + Elided(value) + "'");
    return *number;
}

std::int32_t WholeNumber(const std::string& value) {
    const std::optional<std::int32_t> whole = RoundHalfEven(RealNumber(value));
    if (!whole) throw DataFileError("expected a whole number in 32 bits, found '" + Elided(value) + "'");
    return *whole;
}

const std::string& LineCursor::Next() {
    if (AtEnd()) {
        pastEnd_ = true;
        throw DataFileError("the file ends inside an entry; expected more lines");
    }
    return lines_[next_++];
}

void LineCursor::Skip(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) Next();
}

namespace {

// Reads the lines and runs read over them; returns the reason of a failure,
// empty when the file gave something usable.
std::string ReadLines(const std::filesystem::path& file, const std::string& usableContent,
                      const std::function<bool(LineCursor&)>& read, std::uint64_t maxBytes) {
    FileContent content = ReadWholeFile(file, maxBytes);
    if (!content.Ok()) return file.string() + " " + content.error;
    LineCursor in(SplitLines(*content.bytes));
    content.bytes.reset();
    try {
        if (read(in)) return {};
        return file.string() + ": nothing usable was read; expected " + usableContent;
    } catch (const DataFileError& failure) {
        return file.string() + ", line " + std::to_string(in.LineNumber() + (in.PastEnd() ? 1 : 0)) + ": " +
               failure.what();
    }
}

}  // namespace

bool ReadDataFile(const std::filesystem::path& file, const std::string& failureMessage,
                  const std::string& usableContent, Reporter& reporter, const std::function<bool(LineCursor&)>& read,
                  std::uint64_t maxBytes) {
    std::string reason;
    try {
        reason = ReadLines(file, usableContent, read, maxBytes);
    } catch (const std::exception& failure) {  // out of memory on a file of absurd lines
        reason = file.string() + ": " + failure.what();
    }
    if (reason.empty()) return true;
    reporter.Error(failureMessage + "\n\n" + reason);
    return false;
}
