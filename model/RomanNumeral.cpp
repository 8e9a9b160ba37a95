#include "model/RomanNumeral.h"

#include <cstdlib>

std::string RomanNumeral(std::int32_t n) {
    if (n == 0) return "0";
    static const char letters[] = "IVXLCDM";
    std::int64_t v = std::llabs(static_cast<std::int64_t>(n));
    if (v > 32767) v = 32767;
    std::string text;
    for (int place = 0; place < 3; ++place) {
        const char one = letters[place * 2];
        const char five = letters[place * 2 + 1];
        const char ten = letters[place * 2 + 2];
        const int d = static_cast<int>(v % 10);
        v /= 10;
        std::string digit;
        if (d >= 1 && d <= 3) digit.assign(d, one);
        else if (d == 4) digit = {one, five};
        else if (d >= 5 && d <= 8) digit = std::string(1, five) + std::string(d - 5, one);
        else if (d == 9) digit = {one, ten};
        text = digit + text;
    }
    text = std::string(static_cast<std::size_t>(v), 'M') + text;
    return n < 0 ? "-" + text : text;
}
