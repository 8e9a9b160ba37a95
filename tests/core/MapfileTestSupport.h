#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "ModelTestSupport.h"
#include "TempFolder.h"
#include "model/StellarTypeNames.h"
#include "model/CUniverse.h"

namespace maptest {

// A small fixed catalogue: ordinals 1.. for the names given.
class FakeTypeNames : public StellarTypeNames {
public:
    FakeTypeNames() {
        for (const char* name : {"Yellow Medium Star", "Medium Rock Planet", "Large Asteroid Field", "Ion Storm",
                                 "Small Warp Point"})
            names_[static_cast<std::int32_t>(names_.size()) + 1] = name;
    }
    std::string TypeNameOfOrdinal(std::int32_t ordinal) const override {
        auto found = names_.find(ordinal);
        return found == names_.end() ? std::string() : found->second;
    }
    std::int32_t OrdinalOfTypeName(const std::string& name) const override {
        for (const auto& [ordinal, text] : names_)
            if (text == name) return ordinal;
        return 0;
    }

private:
    std::map<std::int32_t, std::string> names_;
};

inline std::string ReadFile(const std::filesystem::path& file) { return ReadFileBytes(file).value_or(""); }

inline void WriteFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

inline SystemRef AddSystem(CUniverse& u, const std::string& name, int x, int y, std::uint8_t physical = 1) {
    SystemRef s = AddTestSystem(u, name, x, y, physical);
    CStellarBackground sky;
    sky.Set(2, 1, 1, "Sky_" + name + ".bmp");
    s->addStellarBackground(sky);
    return s;
}

inline SpaceObjectRef AddObject(CUniverse& u, const SystemRef& s, const std::string& kind, int x, int y,
                                const std::string& name = {}, std::int32_t type = 0) {
    SpaceObjectRef o = AddTestObject(u, s, kind, x, y);
    if (!name.empty()) o->name = name;
    o->StellarObjectType = type;
    return o;
}

inline CAbility Ability(const std::string& type, const std::string& amount1 = "10") {
    CAbility a;
    a.IniciaCAbility();
    a.Tipe = type;
    a.Description = type + " description";
    a.Amount1 = amount1;
    return a;
}

// Joins lines with CR LF after each.
inline std::string CrLf(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace maptest
