#include <algorithm>

#include "EditorFixture.h"
#include "text/TextHelpers.h"
#include "mapfile/MapTextWriter.h"

namespace {

using Messages = std::vector<std::string>;
const char* const MirrorQuestion = "Do you want to create a mirror Warp in the destiny System?";
const char* const SectorTaken = "That coordinates have an Object yet";

RecordingPrompts::DialogDriver PlanetDriver() {
    return Confirm<FPlanet>([](FPlanet& planet) {
        planet.cmbPlanetSize->setEditText("Medium");
        planet.cmbPlanetType->setEditText("Rock");
        planet.cmbPlanetAtmosphere->setEditText("Oxygen");
        planet.TxtPlanetMinerals->setText("120");
        planet.TxtPlanetGravity->setText("1,1");
        planet.TxtPlanetCondition->setText("0.5");
        planet.TxtPlanetTemperature->setText("-20");
        planet.TxtPlanetRadiation->setText("40");
        planet.cmbExact->setEditText("Medium Rock Oxygen Planet");
    });
}

RecordingPrompts::DialogDriver AsteroidDriver() {
    return Confirm<FAsteroid>([](FAsteroid& field) {
        field.CmbAstSize->setEditText("Small");
        field.TxtAstOrganics->setText("33");
        field.cmbExact->setEditText("Small Rock Asteroid Field");
    });
}

}  // namespace

TEST_F(EditorWindowTest, EachKindIsCreatedOnANormalSystemHoldingWhatWasEntered) {
    const std::string starName = window.Universe().GetNextObjectName(alpha->ID, KindStar);
    Create(KindStar, 0, 0, StarDriver());
    Create(KindPlanet, 5, 2, PlanetDriver());
    Create(KindAsteroids, -5, 2, AsteroidDriver());
    Create(KindStorm, 5, -4, StormDriver());
    prompts.QueueAnswer(false);  // no mirror
    Create(KindWarpPoint, -6, -4, WarpDriver("Beta", 3, 3));

    const auto objects = ObjectsOf(alpha);
    ASSERT_EQ(objects.size(), 5u);
    const std::pair<std::int32_t, const char*> made[] = {{KindStar, "Yellow Medium Star"},
                                                         {KindPlanet, "Medium Rock Oxygen Planet"},
                                                         {KindAsteroids, "Small Rock Asteroid Field"},
                                                         {KindStorm, "Ion Storm"},
                                                         {KindWarpPoint, "Large Warp Point"}};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(objects[k]->Tipo, made[k].first);
        EXPECT_EQ(data.Stellar.TypeNameOfOrdinal(objects[k]->StellarObjectType), made[k].second);
    }
    EXPECT_EQ(objects[0]->name, starName);
    const CSpaceObject& planet = *objects[1];
    EXPECT_EQ(std::pair(planet.coord.X, planet.coord.y), std::pair(5, 2));
    EXPECT_EQ(planet.resMinerals, 120);
    EXPECT_EQ(planet.Gravity, "1.1");
    EXPECT_EQ(planet.Conditions, "0.5");
    EXPECT_EQ(planet.Temperature, -20);
    EXPECT_EQ(planet.Radiation, 40);
    EXPECT_EQ(planet.SizeP + planet.TypeP + planet.AtmosphereP, "MediumRockOxygen");
    EXPECT_EQ(objects[2]->resOrganics, 33);
    EXPECT_EQ(objects[2]->SizeP, "Small");
    EXPECT_EQ(objects[4]->destSystem, beta);
    EXPECT_EQ(std::pair(objects[4]->destCoord.X, objects[4]->destCoord.y), std::pair(3, 3));
    EXPECT_TRUE(ObjectsOf(beta).empty());
    EXPECT_EQ(prompts.Messages(), Messages{MirrorQuestion});
    EXPECT_FALSE(window.Shared().CreatingNew);
}

TEST_F(EditorWindowTest, APlanetReopensWithItsValuesAndANewOneWithoutTheirWords) {
    Create(KindPlanet, 5, 2, PlanetDriver());
    Press(5, 2);
    QString shown;
    prompts.QueueDialog(Confirm<FPlanet>([&](FPlanet& p) {
        shown = QStringList{p.txtPlanetX->text(), p.txtPlanetY->text(), p.cmbPlanetSize->currentText(),
                            p.cmbPlanetType->currentText(), p.cmbPlanetAtmosphere->currentText(),
                            p.TxtPlanetMinerals->text(), p.TxtPlanetOrganics->text(), p.TxtPlanetGravity->text(),
                            p.TxtPlanetCondition->text(), p.TxtPlanetTemperature->text(),
                            p.TxtPlanetRadiation->text(), p.cmbExact->currentText()}
                    .join('|');
    }));
    window.SystemMapDoubleClick();
    EXPECT_EQ(shown, "5|2|Medium|Rock|Oxygen|120|0|1.1|0.5|-20|40|Medium Rock Oxygen Planet");

    // A new planet opens without the words of the last one.
    Create(KindPlanet, -5, 2, [&](QDialog& d) {
        auto& p = dynamic_cast<FPlanet&>(d);
        shown = QStringList{p.cmbPlanetSize->currentText(), p.cmbPlanetType->currentText(),
                            p.cmbPlanetAtmosphere->currentText(), p.cmbExact->currentText()}
                    .join('|');
        p.cmdNo->click();
        return d.result();
    });
    EXPECT_EQ(shown, "|||");
    EXPECT_EQ(window.Universe().NObjetosU(), 1);
}

TEST_F(EditorWindowTest, NewStarOpensWithAGeneratedNameMediumSizeAndNoTypeAndCancelAddsNothing) {
    const std::string expectedName = window.Universe().GetNextObjectName(alpha->ID, KindStar);
    std::string shownName, shownSize, shownExact;
    Create(KindStar, 0, 0, [&](QDialog& d) {
        auto& star = dynamic_cast<FStar&>(d);
        shownName = star.TxtStarName->text().toStdString();
        shownSize = star.cmbStarSize->currentText().toStdString();
        shownExact = star.cmbExact->currentText().toStdString();
        star.cmdNo->click();
        return d.result();
    });
    EXPECT_EQ(shownName, expectedName);
    EXPECT_EQ(shownSize, "Medium");
    EXPECT_EQ(shownExact, "");
    EXPECT_EQ(window.Universe().NObjetosU(), 0);
    EXPECT_EQ(window.TypeText(), "Nothing");
    EXPECT_FALSE(window.Shared().CreatingNew);
}

TEST_F(EditorWindowTest, BlackHolesAndNebulaeRefuseTheKindsTheyCannotHold) {
    const SystemRef hole = AddSystem("Hole", 40, 5, PhysicalBlackHole);
    const SystemRef cloud = AddSystem("Cloud", 50, 5, PhysicalNebulae);
    SelectSystem(hole);
    for (std::int32_t kind : {KindStar, KindPlanet, KindAsteroids, KindStorm}) Create(kind, 0, 0);
    EXPECT_EQ(prompts.Messages(), (Messages{"You can't add Stars in this type of System",
                                            "You can't add Planets in this type of System",
                                            "You can't add Asteroids in this type of System",
                                            "You can't add Storms in this type of System"}));
    EXPECT_TRUE(prompts.openedDialogs.empty());
    prompts.QueueAnswer(false);
    Create(KindWarpPoint, 0, 0, WarpDriver("Alpha", 1, 1));
    EXPECT_EQ(ObjectsOf(hole).size(), 1u);

    prompts.ClearMessages();
    SelectSystem(cloud);
    Create(KindStar, 0, 0);
    EXPECT_EQ(prompts.Messages(), Messages{"You can't add Stars in this type of System"});
    Create(KindStorm, 2, 2, StormDriver());
    EXPECT_EQ(ObjectsOf(cloud).size(), 1u);
}

TEST_F(EditorWindowTest, StrictPlacementRefusesAnyTakenSectorAndTrueOnlyAStarFootprint) {
    Create(KindStar, 0, 0, StarDriver());
    Create(KindStorm, 5, 5, StormDriver());
    Create(KindStorm, 5, 5, StormDriver());
    Create(KindStorm, 1, 0, StormDriver());
    EXPECT_EQ(window.Universe().NObjetosU(), 2);
    EXPECT_EQ(prompts.Messages(), (Messages{SectorTaken, SectorTaken}));

    prompts.ClearMessages();
    data.Config.MultipleObjectsInSameSector = "True";
    Create(KindStorm, 5, 5, StormDriver());
    EXPECT_EQ(window.Universe().NObjetosU(), 3);
    Create(KindStorm, 1, 0, StormDriver());
    EXPECT_EQ(window.Universe().NObjetosU(), 3);
    EXPECT_EQ(prompts.Messages(), Messages{SectorTaken});

    data.Config.MultipleObjectsInSameSector = "true";  // only the exact word relaxes the test
    Create(KindStorm, 5, 5, StormDriver());
    EXPECT_EQ(window.Universe().NObjetosU(), 3);
}

TEST_F(EditorWindowTest, MirrorWarpFromAToBLeadsBackAndCarriesTheAbilities) {
    Press(2, 3);
    prompts.QueueAnswer(true);
    prompts.QueueDialog([](QDialog& d) {
        auto& warp = dynamic_cast<FWarp&>(d);
        EXPECT_EQ(warp.TxtWarpDestX->text(), "-2");  // proposed through the centre
        EXPECT_EQ(warp.TxtWarpDestY->text(), "-3");
        EXPECT_EQ(warp.cmbWarpDestination->count(), 1);
        EXPECT_EQ(warp.cmbWarpDestination->itemText(0), "Beta");
        warp.cmbWarpDestination->setEditText("Beta");
        warp.TxtWarpDestX->setText("-1");
        warp.TxtWarpDestY->setText("4");
        warp.cmbExact->setEditText("Large Warp Point");
        warp.CmdHabilities->click();
        warp.cmdOk->click();
        return d.result();
    });
    QueueAbilityPicks({{0, 1}}, 2);  // the empty item and the one warp ability
    window.CreateObjectCommand(KindWarpPoint);

    const auto here = ObjectsOf(alpha);
    const auto there = ObjectsOf(beta);
    ASSERT_EQ(here.size(), 1u);
    ASSERT_EQ(there.size(), 1u);
    const CSpaceObject& first = *here[0];
    const CSpaceObject& mirror = *there[0];
    EXPECT_EQ(std::pair(first.coord.X, first.coord.y), std::pair(2, 3));
    EXPECT_EQ(first.destSystem, beta);
    EXPECT_EQ(std::pair(mirror.coord.X, mirror.coord.y), std::pair(-1, 4));
    EXPECT_EQ(mirror.destSystem, alpha);
    EXPECT_EQ(std::pair(mirror.destCoord.X, mirror.destCoord.y), std::pair(2, 3));
    EXPECT_EQ(mirror.StellarObjectType, first.StellarObjectType);
    ASSERT_EQ(first.nhabilidades, 1);
    ASSERT_EQ(mirror.nhabilidades, 1);
    const AbilityDefinition offered = data.Abilities.AbilitiesOfKind(KindWarpPoint).at(0);
    EXPECT_EQ(first.habilidades[0].Tipe, offered.Tipe);
    EXPECT_EQ(first.habilidades[0].Description, offered.Description);
    EXPECT_EQ(first.habilidades[0].ID, 1);
    EXPECT_EQ(mirror.habilidades[0].Tipe, offered.Tipe);
}

TEST_F(EditorWindowTest, MirrorWarpIsRefusedWhenEitherEndIsTaken) {
    SelectSystem(beta);
    Create(KindStorm, -1, 4, StormDriver());
    SelectSystem(alpha);
    Create(KindStorm, 2, 3, StormDriver());
    prompts.ClearMessages();
    prompts.QueueAnswer(true);
    Create(KindWarpPoint, 2, 3, WarpDriver("Beta", -1, 4));
    prompts.QueueAnswer(true);
    Create(KindWarpPoint, 2, 3, WarpDriver("Beta", 0, 0));
    EXPECT_EQ(prompts.Messages(), (Messages{MirrorQuestion, "That coordinates in the Destiny have an Object yet",
                                            MirrorQuestion, SectorTaken}));
    EXPECT_EQ(window.Universe().NObjetosU(), 2);

    data.Config.MultipleObjectsInSameSector = "True";
    prompts.QueueAnswer(true);
    Create(KindWarpPoint, 2, 3, WarpDriver("Beta", -1, 4));
    EXPECT_EQ(window.Universe().NObjetosU(), 4);
}

TEST_F(EditorWindowTest, AbilitiesChosenInTheDialogReachTheObjectAndTheSavedMap) {
    const auto offered = data.Abilities.AbilitiesOfKind(KindStar);
    ASSERT_GE(offered.size(), 3u);
    Press(0, 0);
    prompts.QueueDialog([](QDialog& d) {
        auto& star = dynamic_cast<FStar&>(d);
        star.cmbstarColor->setEditText("Yellow");
        star.cmbStarSize->setEditText("Medium");
        star.cmbExact->setEditText("Yellow Medium Star");
        star.CmdHabilities->click();
        star.cmdOk->click();
        return d.result();
    });
    QueueAbilityPicks({{0, 3}, {2, 1}});  // slots need not be contiguous
    window.CreateObjectCommand(KindStar);

    const SpaceObjectRef star = ObjectsOf(alpha).at(0);
    ASSERT_EQ(star->nhabilidades, 2);
    EXPECT_EQ(star->habilidades[0].Tipe, offered[2].Tipe);
    EXPECT_EQ(star->habilidades[0].Amount1, offered[2].Amount1);
    EXPECT_EQ(star->habilidades[0].ID, 3);
    EXPECT_EQ(star->habilidades[1].Tipe, offered[0].Tipe);
    EXPECT_EQ(star->habilidades[1].Scope, offered[0].Scope);

    const std::vector<std::string> lines = GenerateTxt(*star, 1, data.Stellar).Lines();
    auto has = [&](const std::string& key, const std::string& value) {
        return std::find(lines.begin(), lines.end(), PadRight(key, 50) + ":= " + value) != lines.end();
    };
    EXPECT_TRUE(has("Space Object 1 Number of Abilities", "2"));
    EXPECT_TRUE(has("Space Object 1 Ability 1 Type", offered[2].Tipe));
    EXPECT_TRUE(has("Space Object 1 Ability 2 Type", offered[0].Tipe));
    EXPECT_TRUE(has("Space Object 1 Ability 2 Description", offered[0].Description));

    // Editing the star through its dialog keeps its abilities as they were.
    Press(0, 0);
    prompts.QueueDialog(Confirm<FStar>([](FStar& s) { s.TxtStarName->setText("Renamed"); }));
    window.SystemMapDoubleClick();
    EXPECT_EQ(star->name, "Renamed");
    ASSERT_EQ(star->nhabilidades, 2);
    EXPECT_EQ(star->habilidades[0].Tipe, offered[2].Tipe);
}
