#include "model/Records.h"

void CAbility::IniciaCAbility() {
    ID = 0;
    Tipe = "Undefined";
    Description = "Undefined Ability";
    Scope = "0";
    RangeFormula = 0;
    Amount1 = "0";
    Amount2 = "0";
}

void CStellarBackground::IniciaCStellarBackground() {
    x = y = z = 0;
    Filename.clear();
}

void CStellarBackground::Set(std::int32_t xa, std::int32_t ya, std::int32_t za, const std::string& filenamea) {
    x = static_cast<std::uint8_t>(xa);
    y = static_cast<std::uint8_t>(ya);
    z = static_cast<std::uint8_t>(za);
    Filename = filenamea;
}

void CSystemBlackHole::IniciaCSystemBlackHole() {
    CloudsCount = 1000;
    DustParticlesCount = 0;
    CloudsStartDistance = 450.0;
    DustStartDistance = 450.0;
    SpinSpeedPerSecond = 0.1;
    PullSpeedPerSecond = 1.0;
    CenterXFileClassObject = "Black Hole Center";
    NBitmapEffect = 0;
    effectName.clear();
    for (const char* name : {"Black Hole Clouds 001a", "Black Hole Clouds 001b", "Black Hole Clouds 001c",
                             "Black Hole Clouds 001d"})
        addBitmapEffect(name);
}

void CSystemBlackHole::addBitmapEffect(const std::string& name) {
    effectName.push_back(name);
    ++NBitmapEffect;
}
