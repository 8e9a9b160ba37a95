#pragma once

#include <cstdint>
#include <optional>
#include <string>

// How the object dialogs read the numbers typed into their fields. Both sit on
// the shared text helpers; a value a 32-bit field cannot hold counts as not
// numeric, so it is refused instead of wrapping around.

// The typed value as a real number ("," taken as "."); nothing when not numeric.
std::optional<double> ReadRealField(const std::string& text);

// The typed value rounded to the nearest integer, halves to even; nothing when
// it is not numeric or does not fit 32 bits.
std::optional<std::int32_t> ReadWholeField(const std::string& text);
