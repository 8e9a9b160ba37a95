#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/FileIo.h"

// Text and number helpers shared by every reader, writer and dialog.

// text followed by copies of fill until it is width characters long (never cut).
std::string PadRight(const std::string& text, std::size_t width, char fill = ' ');

// At most maxLength characters of text, "..." marking a cut: what a message
// quotes of a value, however long the value is.
std::string Elided(std::string_view text, std::size_t maxLength = 80);

// Replaces every "," by "." so numbers typed with a decimal comma convert.
std::string CommaToPoint(std::string text);

// Leading and trailing blanks (spaces and tabs) removed.
std::string Trim(std::string_view text);

// The text with its ASCII letters in upper or lower case; other bytes stay.
std::string UpperCase(std::string text);
std::string LowerCase(std::string text);

// The parts between the separators, empty parts kept: "a//b" gives three
// parts and an empty text one empty part.
std::vector<std::string> SplitAt(std::string_view text, char separator);

// The text paired with key in a fixed table; fallback when none is.
using TextTable = std::initializer_list<std::pair<const char*, const char*>>;
std::string LookUpText(TextTable table, std::string_view key, const char* fallback);

// True for an existing entry that is not a folder; false on any failure.
bool FileExists(const std::filesystem::path& path);

// Number conversions. Each accepts surrounding blanks, refuses anything else
// that is not part of the number, and returns nothing on failure or overflow.
std::optional<std::int32_t> ParseInt32(std::string_view text);
std::optional<std::uint8_t> ParseByte(std::string_view text);
// Decimal point only ("1.5"); an exponent is accepted, a comma is not.
std::optional<double> ParseReal(std::string_view text);
// "numeric" as the dialogs test it: a real number once commas became points.
bool IsNumeric(std::string_view text);
// Nearest integer with halves to even; nothing when out of 32-bit range.
std::optional<std::int32_t> RoundHalfEven(double value);
// value rounded to the given number of decimals, halves to even.
double RoundDecimals(double value, int decimals);
// A real written with "." and no trailing zeros ("0.9", "2", "-0.5").
std::string FormatReal(double value);
