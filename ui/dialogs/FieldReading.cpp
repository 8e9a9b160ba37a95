#include "ui/dialogs/FieldReading.h"

#include "text/TextHelpers.h"

std::optional<double> ReadRealField(const std::string& text) { return ParseReal(CommaToPoint(text)); }

std::optional<std::int32_t> ReadWholeField(const std::string& text) {
    const std::optional<double> value = ReadRealField(text);
    if (!value) return std::nullopt;
    return RoundHalfEven(*value);
}
