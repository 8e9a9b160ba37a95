#pragma once

#include <cstdint>
#include <string>

// Roman numeral of n as object names use it: 0 gives "0", negatives get a "-",
// the thousands are plain runs of "M".
std::string RomanNumeral(std::int32_t n);
