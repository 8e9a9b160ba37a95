#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Walks text line by line without copying; accepts CR LF and LF, and a line
// never includes its CR. Counts lines from 1.
class MapLineCursor {
public:
    explicit MapLineCursor(std::string_view text) : text_(text) {}

    std::optional<std::string_view> Next() {
        if (pos_ >= text_.size()) return std::nullopt;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) end = text_.size();
        std::string_view line = text_.substr(pos_, end - pos_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos_ = end + 1;
        ++lineNumber_;
        return line;
    }

    std::optional<std::string_view> Peek() const {
        MapLineCursor copy = *this;
        return copy.Next();
    }

    // Number of the line Next returned last (0 before the first).
    std::int32_t LineNumber() const { return lineNumber_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::int32_t lineNumber_ = 0;
};
