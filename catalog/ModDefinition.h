#pragma once

#include <filesystem>
#include <optional>
#include <string>

class Reporter;

inline constexpr const char* ModDefinitionFileName = "Mod_Definition.txt";

// The mod name of one "Mod Name" line: the text between its first and second
// "=" (or to the end), without blanks around it. Nothing when the line has no "=".
std::optional<std::string> ModNameOfLine(const std::string& line);

// Applies every "Mod Name" line of the file to modName (the last one wins).
// A file that cannot be read, or a "Mod Name" line without "=", is reported
// with "The 'Mod_Definition.txt' path is incorrect" and returns false;
// modName then keeps the value it had (or took from an earlier line).
bool ReadModName(const std::filesystem::path& file, std::string& modName, Reporter& reporter);
