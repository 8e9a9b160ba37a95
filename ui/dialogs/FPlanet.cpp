#include "ui/dialogs/FPlanet.h"

#include <QSignalBlocker>

#include "ui/dialogs/QtText.h"
#include "ui/dialogs/RandomResources.h"

namespace {

QStringList ToList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) list << ToQt(text);
    return list;
}

}  // namespace

FPlanet::FPlanet(const DialogLinks& links, QWidget* parent) : ObjectDialog(links, KindPlanet, "Planet", parent) {
    TxtPlanetName = AddText("Planet Name:");
    txtPlanetX = AddText("X Pos.:");
    txtPlanetY = AddText("Y Pos.:");
    cmbPlanetSize = AddCombo("Planet Size:", {"Tiny", "Small", "Medium", "Large", "Huge", "Ringworld", "Sphereworld"});
    cmbPlanetType = AddCombo("Planet Type:", {"Rock", "Ice", "Gas Giant"});
    cmbPlanetAtmosphere = AddCombo("Planet Atmosphere:", {});
    TxtPlanetMinerals = AddText("Mineral Value:");
    TxtPlanetOrganics = AddText("Organic Value:");
    TxtPlanetRadioactives = AddText("Radioactive Value:");
    TxtPlanetGravity = AddText("Gravity:");
    TxtPlanetTemperature = AddText("Temperature:");
    TxtPlanetCondition = AddText("Conditions:");
    TxtPlanetRadiation = AddText("Radiation:");
    AddExactRow();
    cmdRandomPlanet = new QPushButton("Random", this);
    AddButtons(cmdRandomPlanet);
    WatchChoice(cmbPlanetSize);
    WatchChoice(cmbPlanetType);
    WatchChoice(cmbPlanetAtmosphere);
    connect(cmdRandomPlanet, &QPushButton::clicked, this, [this] { FillRandom(); });
}

void FPlanet::LoadFields() {
    const CurrentObjectRecord& c = l_.editor.CurrentObject;
    const bool creating = l_.editor.CreatingNew;
    {
        const QSignalBlocker size(cmbPlanetSize), type(cmbPlanetType), atmosphere(cmbPlanetAtmosphere);
        cmbPlanetAtmosphere->clear();
        cmbPlanetAtmosphere->addItems(ToList(l_.catalogue.Atmospheres()));
        SetText(TxtPlanetName, c.Name);
        SetText(txtPlanetX, c.X);
        SetText(txtPlanetY, c.Y);
        SetText(cmbPlanetSize, creating ? std::string() : c.Size);
        SetText(cmbPlanetType, creating ? std::string() : c.Type);
        SetText(cmbPlanetAtmosphere, creating ? std::string() : c.Atmosphere);
        SetText(TxtPlanetMinerals, c.Minerals);
        SetText(TxtPlanetOrganics, c.Organics);
        SetText(TxtPlanetRadioactives, c.Radioactives);
        SetText(TxtPlanetGravity, c.Gravity);
        SetText(TxtPlanetTemperature, c.Temperature);
        SetText(TxtPlanetCondition, c.Conditions);
        SetText(TxtPlanetRadiation, c.Radiation);
    }
    shownSize_ = creating ? std::string() : c.Size;
    shownType_ = creating ? std::string() : c.Type;
    shownAtmosphere_ = creating ? std::string() : c.Atmosphere;
    ClearTypeChanged();
    FillSpecificTypes();
}

TypeChoice FPlanet::CurrentChoice() const {
    return {"", TextOf(cmbPlanetSize), TextOf(cmbPlanetType), TextOf(cmbPlanetAtmosphere)};
}

bool FPlanet::ChoiceWordsChanged() const {
    return shownSize_ != TextOf(cmbPlanetSize) || shownType_ != TextOf(cmbPlanetType) ||
           shownAtmosphere_ != TextOf(cmbPlanetAtmosphere);
}

PlanetFields FPlanet::Fields() const {
    return {TextOf(TxtPlanetName),         TextOf(txtPlanetX),           TextOf(txtPlanetY),
            TextOf(cmbPlanetSize),         TextOf(cmbPlanetType),        TextOf(cmbPlanetAtmosphere),
            TextOf(TxtPlanetMinerals),     TextOf(TxtPlanetOrganics),    TextOf(TxtPlanetRadioactives),
            TextOf(TxtPlanetGravity),      TextOf(TxtPlanetTemperature), TextOf(TxtPlanetCondition),
            TextOf(TxtPlanetRadiation)};
}

std::string FPlanet::FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const {
    return FirstPlanetFailure(Fields(), type, objectType);
}

void FPlanet::WriteFields(CurrentObjectRecord& current) const { WritePlanetFields(Fields(), current); }

void FPlanet::FillRandom() {
    const RandomPlanetValues v = DrawPlanetValues(l_.random);
    SetText(TxtPlanetMinerals, v.minerals);
    SetText(TxtPlanetOrganics, v.organics);
    SetText(TxtPlanetRadioactives, v.radioactives);
    SetText(TxtPlanetGravity, v.gravity);
    SetText(TxtPlanetTemperature, v.temperature);
    SetText(TxtPlanetRadiation, v.radiation);
    SetText(TxtPlanetCondition, v.conditions);
}

FAsteroid::FAsteroid(const DialogLinks& links, QWidget* parent)
    : ObjectDialog(links, KindAsteroids, "Asteroids", parent) {
    TxtAstName = AddText("Asteroids Name:");
    TxtAstX = AddText("X Pos.:");
    TxtAstY = AddText("Y Pos.:");
    CmbAstSize = AddCombo("Asteroids Size:", {"Tiny", "Small", "Medium", "Large", "Huge"});
    cmbAstType = AddCombo("Asteroids Type:", {"Rock", "Ice"});
    TxtAstMinerals = AddText("Mineral Value:");
    TxtAstOrganics = AddText("Organic Value:");
    TxtAstRadioactives = AddText("Radioactive Value:");
    AddExactRow();
    cmdRandomAst = new QPushButton("Random", this);
    AddButtons(cmdRandomAst);
    WatchChoice(CmbAstSize);
    WatchChoice(cmbAstType);
    connect(cmdRandomAst, &QPushButton::clicked, this, [this] { FillRandom(); });
}

void FAsteroid::LoadFields() {
    const CurrentObjectRecord& c = l_.editor.CurrentObject;
    {
        const QSignalBlocker size(CmbAstSize), type(cmbAstType);
        SetText(TxtAstName, c.Name);
        SetText(TxtAstX, c.X);
        SetText(TxtAstY, c.Y);
        SetText(CmbAstSize, c.Size);
        SetText(cmbAstType, c.Type);
        SetText(TxtAstMinerals, c.Minerals);
        SetText(TxtAstOrganics, c.Organics);
        SetText(TxtAstRadioactives, c.Radioactives);
    }
    shownSize_ = c.Size;
    shownType_ = c.Type;
    ClearTypeChanged();
    if (l_.editor.CreatingNew) {
        // A new field offers its types once a size or type is chosen.
        cmbExact->clear();
        return;
    }
    FillSpecificTypes();
}

TypeChoice FAsteroid::CurrentChoice() const { return {"", TextOf(CmbAstSize), TextOf(cmbAstType), ""}; }

bool FAsteroid::ChoiceWordsChanged() const {
    return shownSize_ != TextOf(CmbAstSize) || shownType_ != TextOf(cmbAstType);
}

AsteroidFields FAsteroid::Fields() const {
    return {TextOf(TxtAstName),     TextOf(TxtAstX),        TextOf(TxtAstY),
            TextOf(CmbAstSize),     TextOf(cmbAstType),     TextOf(TxtAstMinerals),
            TextOf(TxtAstOrganics), TextOf(TxtAstRadioactives)};
}

std::string FAsteroid::FirstFailure(const SpecificTypeCheck& type, std::int32_t& objectType) const {
    return FirstAsteroidFailure(Fields(), type, objectType);
}

void FAsteroid::WriteFields(CurrentObjectRecord& current) const { WriteAsteroidFields(Fields(), current); }

void FAsteroid::FillRandom() {
    const RandomAsteroidValues v = DrawAsteroidValues(l_.random);
    SetText(TxtAstMinerals, v.minerals);
    SetText(TxtAstOrganics, v.organics);
    SetText(TxtAstRadioactives, v.radioactives);
}
