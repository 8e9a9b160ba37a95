#include "ui/dialogs/FPlanet.h"

#include <QSignalBlocker>

#include "ui/MessageBoxPrompts.h"
#include "ui/dialogs/RandomResources.h"
#include "ui/TabOrder.h"

FPlanet::FPlanet(const DialogLinks& links, QWidget* parent) : ObjectDialog(links, KindPlanet, "Planet", parent) {
    using C = CurrentObjectRecord;
    TxtPlanetName = AddText("Planet Name:", &C::Name);
    txtPlanetX = AddText("X Pos.:", &C::X);
    txtPlanetY = AddText("Y Pos.:", &C::Y);
    cmbPlanetSize =
        AddCombo("Planet Size:", {"Tiny", "Small", "Medium", "Large", "Huge", "Ringworld", "Sphereworld"}, &C::Size);
    cmbPlanetType = AddCombo("Planet Type:", {"Rock", "Ice", "Gas Giant"}, &C::Type);
    cmbPlanetAtmosphere = AddCombo("Planet Atmosphere:", {}, &C::Atmosphere);
    TxtPlanetMinerals = AddText("Mineral Value:", &C::Minerals);
    TxtPlanetOrganics = AddText("Organic Value:", &C::Organics);
    TxtPlanetRadioactives = AddText("Radioactive Value:", &C::Radioactives);
    TxtPlanetGravity = AddText("Gravity:", &C::Gravity);
    TxtPlanetTemperature = AddText("Temperature:", &C::Temperature);
    TxtPlanetCondition = AddText("Conditions:", &C::Conditions);
    TxtPlanetRadiation = AddText("Radiation:", &C::Radiation);
    AddExactRow();
    cmdRandomPlanet = new QPushButton("Random", this);
    AddLeadingButton(cmdRandomPlanet);
    connect(cmdRandomPlanet, &QPushButton::clicked, this, [this] { FillRandom(); });
    for (QComboBox* choice : {cmbPlanetSize, cmbPlanetType, cmbPlanetAtmosphere}) WatchChoice(choice);
    OrderTabsByLayout(this);
}

void FPlanet::LoadFields() {
    {
        const QSignalBlocker quiet(cmbPlanetAtmosphere);
        cmbPlanetAtmosphere->clear();
        cmbPlanetAtmosphere->addItems(FromBytes(l_.catalogue.Atmospheres()));
    }
    ShowCurrentObject();
    // A new planet starts with nothing chosen.
    if (l_.editor.CreatingNew) BlankChoices();
    FinishOpening();
}

TypeChoice FPlanet::CurrentChoice() const {
    return {"", TextOf(cmbPlanetSize), TextOf(cmbPlanetType), TextOf(cmbPlanetAtmosphere)};
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
    using C = CurrentObjectRecord;
    TxtAstName = AddText("Asteroids Name:", &C::Name);
    TxtAstX = AddText("X Pos.:", &C::X);
    TxtAstY = AddText("Y Pos.:", &C::Y);
    CmbAstSize = AddCombo("Asteroids Size:", {"Tiny", "Small", "Medium", "Large", "Huge"}, &C::Size);
    cmbAstType = AddCombo("Asteroids Type:", {"Rock", "Ice"}, &C::Type);
    TxtAstMinerals = AddText("Mineral Value:", &C::Minerals);
    TxtAstOrganics = AddText("Organic Value:", &C::Organics);
    TxtAstRadioactives = AddText("Radioactive Value:", &C::Radioactives);
    AddExactRow();
    cmdRandomAst = new QPushButton("Random", this);
    AddLeadingButton(cmdRandomAst);
    connect(cmdRandomAst, &QPushButton::clicked, this, [this] { FillRandom(); });
    WatchChoice(CmbAstSize);
    WatchChoice(cmbAstType);
    OrderTabsByLayout(this);
}

void FAsteroid::LoadFields() {
    ShowCurrentObject();
    const bool creating = l_.editor.CreatingNew;
    FinishOpening(!creating);
    // A new field offers its types once a size or type is chosen.
    if (creating) cmbExact->clear();
}

TypeChoice FAsteroid::CurrentChoice() const { return {"", TextOf(CmbAstSize), TextOf(cmbAstType), ""}; }

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
