#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "text/Reporter.h"

// A data table read from its file: Read writes the lines as Table::FileName
// in a fresh folder and runs the reader on it with a recording reporter.
template <typename Table, bool (Table::*Reader)(const std::filesystem::path&, Reporter&)>
class DataFileTest : public ::testing::Test {
protected:
    bool Read(const std::vector<std::string>& lines, bool crlf = true) {
        return (table.*Reader)(folder.Write(Table::FileName, lines, crlf), reporter);
    }

    TempFolder folder;
    Table table;
    RecordingReporter reporter;
};

// The parts one after the other.
inline std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The body of a block file between its header, "*BEGIN*" and "*END*".
inline std::vector<std::string> Framed(std::vector<std::string> body) {
    body.insert(body.begin(), {"header", "*BEGIN*"});
    body.push_back("*END*");
    return body;
}
