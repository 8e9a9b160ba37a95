#include "text/LineCursor.h"

#include <optional>

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
    if (!number) throw DataFileError("'" + value + "' is not a number");
    return *number;
}

std::int32_t WholeNumber(const std::string& value) {
    const std::optional<std::int32_t> whole = RoundHalfEven(RealNumber(value));
    if (!whole) throw DataFileError("'" + value + "' is out of range");
    return *whole;
}

const std::string& LineCursor::Next() {
    if (AtEnd()) throw DataFileError("unexpected end of file after line " + std::to_string(next_));
    return lines_[next_++];
}

void LineCursor::Skip(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) Next();
}

bool ReadDataFile(const std::filesystem::path& file, const std::string& failureMessage, Reporter& reporter,
                  const std::function<void(LineCursor&)>& read) {
    auto lines = ReadTextLines(file);
    try {
        if (!lines) throw DataFileError("cannot open " + file.string());
        LineCursor in(std::move(*lines));
        read(in);
    } catch (const DataFileError&) {
        reporter.Error(failureMessage);
        return false;
    }
    return true;
}
