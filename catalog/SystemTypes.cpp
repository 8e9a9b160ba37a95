#include "catalog/SystemTypes.h"

#include <algorithm>

#include "text/LineCursor.h"
#include "text/TextHelpers.h"
#include "text/Reporter.h"
#include "model/RandomDraws.h"

namespace {

constexpr std::size_t ValueColumn = 53;
const char* const FailureText = "The 'SystemTypes.txt' path is incorrect";
const char* const EmptyBackgroundList = "Skybox001.bmp";

// The whole line split at every ",", each part without blanks around it,
// the parts "Any" left out.
std::vector<std::string> AtmosphereList(const std::string& line) {
    std::vector<std::string> kept;
    for (const std::string& part : SplitAt(line, ',')) {
        std::string name = Trim(part);
        if (name != "Any") kept.push_back(std::move(name));
    }
    return kept;
}

}  // namespace

void SystemTypeCatalog::Clear() {
    portraits_.clear();
    backgrounds_.clear();
    atmospheres_.clear();
}

bool SystemTypeCatalog::ParseSystemTypes(const std::filesystem::path& file, Reporter& reporter) {
    Clear();
    const std::string usable = "atmospheres, system portraits or stellar backgrounds";
    return ReadDataFile(file, FailureText, usable, reporter, [this](LineCursor& in) {
        while (!in.AtEnd()) {
            // Each test looks at the line read last, which an earlier test may have moved on.
            std::string line = in.Next();
            if (StartsWith(line, "Obj X Atmosphere:")) line = ReadAtmospheres(in);
            if (StartsWith(line, "System Physical Type") && line.size() > 21) line = ReadPortrait(line, in);
            if (StartsWith(line, "Number of Stellar Background Images")) ReadBackgrounds(line, in);
        }
        return !atmospheres_.empty() || !portraits_.empty() || !backgrounds_.empty();
    });
}

std::string SystemTypeCatalog::ReadAtmospheres(LineCursor& in) {
    in.Skip(1);
    std::string line = in.Next();
    atmospheres_ = AtmosphereList(line);
    return line;
}

std::string SystemTypeCatalog::ReadPortrait(const std::string& first, LineCursor& in) {
    SystemPortrait portrait;
    portrait.PhysicalType = ValueFrom(first, ValueColumn);
    portrait.PortraitBitmap = ValueFrom(in.Next(), ValueColumn);
    std::string line = in.Next();
    portrait.PortraitIndex = ValueFrom(line, ValueColumn);
    portraits_.push_back(portrait);
    return line;
}

void SystemTypeCatalog::ReadBackgrounds(const std::string& countLine, LineCursor& in) {
    const std::int32_t count = WholeNumber(ValueFrom(countLine, ValueColumn));
    if (count == 0) backgrounds_.assign(1, EmptyBackgroundList);
    for (std::int32_t i = 0; i < count; ++i) backgrounds_.push_back(ValueFrom(in.Next(), ValueColumn));
}

std::vector<SystemPortrait> SystemTypeCatalog::PortraitsOfPhysicalType(const std::string& physicalType) const {
    std::vector<SystemPortrait> found;
    for (const auto& p : portraits_)
        if (p.PhysicalType == physicalType) found.push_back(p);
    return found;
}

SystemPortrait SystemTypeCatalog::FindPortrait(const std::string& portraitBitmap) const {
    for (const auto& p : portraits_)
        if (p.PortraitBitmap == portraitBitmap) return p;
    return {};
}

std::string SystemTypeCatalog::FindBackground(const std::string& imageName) const {
    const bool known = std::find(backgrounds_.begin(), backgrounds_.end(), imageName) != backgrounds_.end();
    return known ? imageName : std::string();
}

std::string SystemTypeCatalog::RandomBackground(RandomSource& random) const {
    if (backgrounds_.empty()) return {};
    return backgrounds_[RandomInt(random, 0, static_cast<std::int32_t>(backgrounds_.size()) - 1)];
}
