#include "random/RandomChecks.h"

#include "text/TextHelpers.h"
#include "random/GenerationContext.h"

#include <algorithm>


namespace {

std::optional<double> NumberValue(const std::string& text) {
    if (!IsNumeric(text)) return std::nullopt;
    return ParseReal(CommaToPoint(text));
}

bool IsKnownShape(const std::string& shape) {
    return shape == ShapeRandom || shape == ShapeSpiral || shape == ShapeGrid || shape == ShapeIslands;
}

}  // namespace

std::int32_t MaxRandomSystems(const std::string& shape, std::size_t nameCount) {
    if (shape == ShapeGrid) return 80;
    return static_cast<std::int32_t>(std::min<std::size_t>(nameCount, 200));
}

std::string CheckRandomMapRequest(const GameData& data, const std::string& quadrantTypeName,
                                  const std::string& numberText, const std::string& shape) {
    const std::int32_t maximum = MaxRandomSystems(shape, data.SystemNames.Entries().size());
    const std::optional<double> number = NumberValue(numberText);
    if (!number || *number < 10 || *number > maximum)
        return "The number of systems must be between 10 and " + std::to_string(maximum);
    if (!data.QuadrantTypes.Contains(quadrantTypeName)) return "Select a valid quadrant type";
    if (!IsKnownShape(shape)) return "Select a valid quadrant shape";
    return "";
}

std::optional<std::int32_t> RandomSystemsNumber(const std::string& numberText) {
    const std::optional<double> number = NumberValue(numberText);
    if (!number) return std::nullopt;
    return RoundHalfEven(*number);
}

SystemsField SystemsFieldFor(const QuadrantType& quadrant) {
    if (quadrant.Locations.empty()) return {"50", false};
    return {std::to_string(quadrant.Locations.size()), true};
}

std::string CheckSystemTypeChoice(const GameData& data, const std::string& typeName) {
    return data.RandomSystemTypes.Contains(typeName) ? "" : "Select a valid System Type";
}
