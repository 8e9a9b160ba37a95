#include "ui/SystemDialogChecks.h"

#include "text/TextHelpers.h"
#include "model/CUniverse.h"
#include "ui/EditorState.h"

namespace {

double NumberOf(const std::string& text) { return ParseReal(CommaToPoint(text)).value_or(0); }

bool IsPhysicalTypeWord(const std::string& word) {
    return word == "Normal" || word == "Black Hole" || word == "Nebulae";
}

std::optional<std::string> CheckFields(const SystemDialogInput& input) {
    // A name of blanks only would become an empty name once trimmed.
    if (Trim(input.name).empty()) return "The System needs a name";
    if (!IsNumeric(input.x)) return "The System X must be numeric";
    if (!IsNumeric(input.y)) return "The System Y must be numeric";
    const double x = NumberOf(input.x), y = NumberOf(input.y);
    if (x < 0 || x > GalaxyColumns - 1) return "The System X must be in range (x<68,y<50)";
    if (y < 0 || y > GalaxyRows - 1) return "The System Y must be in range (0<=x<68,0<=y<50)";
    if (!IsPhysicalTypeWord(input.physicalType)) return "The System must have a valid Physical Type";
    return std::nullopt;
}

std::optional<std::string> CheckImages(const SystemDialogInput& input, const SystemDialogLookups& lookups,
                                       CurrentObjectRecord& current) {
    current.PhysicalTypeName.clear();
    current.PortraitBitmap.clear();
    current.PortraitIndex.clear();
    const std::optional<PortraitChoice> portrait = lookups.findPortrait(input.portrait);
    if (!portrait) return "Please, specify the Portrait Image of the System";
    current.PhysicalTypeName = portrait->physicalType;
    current.PortraitBitmap = portrait->bitmap;
    current.PortraitIndex = portrait->index;
    current.SkyBox = lookups.findBackground(input.background);
    if (current.SkyBox.empty()) return "Please, specify the Background Image of the System";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckSystemDialog(const SystemDialogInput& input, const SystemDialogLookups& lookups,
                                             CurrentObjectRecord& current) {
    if (auto failure = CheckFields(input)) return failure;
    if (auto failure = CheckImages(input, lookups, current)) return failure;
    current.Name = input.name;
    current.X = RoundHalfEven(NumberOf(input.x)).value_or(0);
    current.Y = RoundHalfEven(NumberOf(input.y)).value_or(0);
    current.Type = input.physicalType;
    current.Description = input.description;
    current.CanStart = input.canStart;
    return std::nullopt;
}
