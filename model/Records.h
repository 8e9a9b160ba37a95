#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The small records of the map model. Every record has an initialiser that
// sets its defaults; code that creates a record calls it right after.

struct CCoord {
    std::int32_t X = 0;
    std::int32_t y = 0;

    void IniciaCCoord() { X = 0; y = 0; }
    bool operator==(const CCoord&) const = default;
};

struct CXYZ {
    double X = 0, y = 0, z = 0;

    void IniciaCXYZ() { X = y = z = 0; }
    bool operator==(const CXYZ&) const = default;
};

struct CAbility {
    std::uint8_t ID = 0;
    std::string Tipe;
    std::string Description;
    std::string Scope;
    std::int32_t RangeFormula = 0;
    std::string Amount1;
    std::string Amount2;

    void IniciaCAbility();
    bool operator==(const CAbility&) const = default;
};

struct CStellarBackground {
    std::uint8_t x = 0, y = 0, z = 0;
    std::string Filename;

    void IniciaCStellarBackground();
    // Sets all four values; the integers are cut to 8 bits.
    void Set(std::int32_t xa, std::int32_t ya, std::int32_t za, const std::string& filenamea);
    bool operator==(const CStellarBackground&) const = default;
};

struct CSystemBlackHole {
    std::int32_t CloudsCount = 0;
    std::int32_t DustParticlesCount = 0;
    double CloudsStartDistance = 0;
    double DustStartDistance = 0;
    double SpinSpeedPerSecond = 0;
    double PullSpeedPerSecond = 0;
    std::string CenterXFileClassObject;
    std::int32_t NBitmapEffect = 0;
    std::vector<std::string> effectName;

    void IniciaCSystemBlackHole();
    void addBitmapEffect(const std::string& name);
};
