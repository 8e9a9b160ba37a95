#include <gtest/gtest.h>

#include "EditingHarness.h"
#include "ui/dialogs/FAbilities.h"

namespace {

// Drivers that fill an object dialog the way a user would and press OK.
TestPrompts::Driver StarDriver(const std::string& exact = "Yellow Dwarf") {
    return Confirm([exact](QDialog& d) {
        auto& star = dynamic_cast<FStar&>(d);
        star.cmbstarColor->setEditText("Yellow");
        star.cmbStarSize->setEditText("Medium");
        star.cmbExact->setEditText(QString::fromStdString(exact));
    });
}

TestPrompts::Driver PlanetDriver() {
    return Confirm([](QDialog& d) {
        auto& planet = dynamic_cast<FPlanet&>(d);
        planet.cmbPlanetSize->setEditText("Medium");
        planet.cmbPlanetType->setEditText("Rock");
        planet.cmbPlanetAtmosphere->setEditText("Oxygen");
        planet.TxtPlanetMinerals->setText("120");
        planet.TxtPlanetGravity->setText("1.1");
        planet.TxtPlanetCondition->setText("0.5");
        planet.TxtPlanetTemperature->setText("-20");
        planet.TxtPlanetRadiation->setText("40");
        planet.cmbExact->setEditText("Terran");
    });
}

TestPrompts::Driver AsteroidDriver() {
    return Confirm([](QDialog& d) {
        auto& field = dynamic_cast<FAsteroid&>(d);
        field.CmbAstSize->setEditText("Small");
        field.TxtAstOrganics->setText("33");
        field.cmbExact->setEditText("Rock Field");
    });
}

TestPrompts::Driver StormDriver() {
    return Confirm([](QDialog& d) { dynamic_cast<FStorm&>(d).cmbExact->setEditText("Ion Storm"); });
}

TestPrompts::Driver WarpDriver(const std::string& destination, std::int32_t destX, std::int32_t destY) {
    return Confirm([=](QDialog& d) {
        auto& warp = dynamic_cast<FWarp&>(d);
        warp.cmbWarpDestination->setEditText(QString::fromStdString(destination));
        warp.TxtWarpDestX->setText(QString::number(destX));
        warp.TxtWarpDestY->setText(QString::number(destY));
        warp.cmbExact->setEditText("Warp Large");
    });
}

struct SystemMapEditingTest : ::testing::Test {
    SystemMapEditingTest() {
        alpha = h.AddSystem("Alpha", PhysicalNormal, 1);
        beta = h.AddSystem("Beta", PhysicalNormal, 5);
        h.SelectSystem(alpha);
    }

    // A create command of the context menu on a sector, with a driver for its dialog.
    void Create(std::int32_t kind, std::int32_t X, std::int32_t Y, TestPrompts::Driver driver) {
        h.PressSector(X, Y);
        if (driver) h.prompts.drivers.push_back(std::move(driver));
        h.editing.CreateObject(kind);
    }

    SpaceObjectRef Only(const SystemRef& system) {
        const auto objects = h.universe.SpaceObjectsOf(system->ID);
        EXPECT_EQ(objects.size(), 1u);
        return objects.empty() ? nullptr : objects.front();
    }

    EditingHarness h;
    SystemRef alpha, beta;
};

}  // namespace

TEST_F(SystemMapEditingTest, EachKindIsCreatedOnANormalSystemWithWhatWasEntered) {
    const std::string starName = h.universe.GetNextObjectName(alpha->ID, KindStar);
    Create(KindStar, 0, 0, StarDriver());
    Create(KindPlanet, 5, 2, PlanetDriver());
    Create(KindAsteroids, -5, 2, AsteroidDriver());
    Create(KindStorm, 5, -4, StormDriver());
    h.prompts.answers = {false};  // no mirror
    Create(KindWarpPoint, -6, -4, WarpDriver("Beta", 3, 3));

    const auto objects = h.universe.SpaceObjectsOf(alpha->ID);
    ASSERT_EQ(objects.size(), 5u);
    EXPECT_EQ(objects[0]->Tipo, KindStar);
    EXPECT_EQ(objects[0]->StellarObjectType, 1);
    EXPECT_EQ(objects[0]->name, starName);
    const CSpaceObject& planet = *objects[1];
    EXPECT_EQ(planet.Tipo, KindPlanet);
    EXPECT_EQ(planet.coord.X, 5);
    EXPECT_EQ(planet.coord.y, 2);
    EXPECT_EQ(planet.StellarObjectType, 3);
    EXPECT_EQ(planet.resMinerals, 120);
    EXPECT_EQ(planet.Gravity, "1.1");
    EXPECT_EQ(planet.Conditions, "0.5");
    EXPECT_EQ(planet.Temperature, -20);
    EXPECT_EQ(planet.Radiation, 40);
    EXPECT_EQ(planet.SizeP, "Medium");
    EXPECT_EQ(planet.AtmosphereP, "Oxygen");
    EXPECT_EQ(objects[2]->Tipo, KindAsteroids);
    EXPECT_EQ(objects[2]->resOrganics, 33);
    EXPECT_EQ(objects[2]->SizeP, "Small");
    EXPECT_EQ(objects[3]->Tipo, KindStorm);
    EXPECT_EQ(objects[3]->StellarObjectType, 6);
    const CSpaceObject& warp = *objects[4];
    EXPECT_EQ(warp.Tipo, KindWarpPoint);
    EXPECT_EQ(warp.destSystem, beta);
    EXPECT_EQ(warp.destCoord.X, 3);
    EXPECT_EQ(warp.destCoord.y, 3);
    EXPECT_EQ(warp.StellarObjectType, 7);
    EXPECT_TRUE(h.universe.SpaceObjectsOf(beta->ID).empty());
    EXPECT_FALSE(objects[1]->name.empty());
    EXPECT_EQ(h.prompts.messages, std::vector<std::string>{"Q:Do you want to create a mirror Warp in the destiny System?"});
    EXPECT_FALSE(h.editor.CreatingNew);
}

TEST_F(SystemMapEditingTest, NewStarDialogOpensWithAGeneratedNameMediumSizeAndNoType) {
    const std::string expectedName = h.universe.GetNextObjectName(alpha->ID, KindStar);
    std::string shownName, shownSize, shownExact;
    Create(KindStar, 0, 0, [&](QDialog& d) {
        auto& star = dynamic_cast<FStar&>(d);
        shownName = star.TxtStarName->text().toStdString();
        shownSize = star.cmbStarSize->currentText().toStdString();
        shownExact = star.cmbExact->currentText().toStdString();
        star.cmdNo->click();
    });
    EXPECT_EQ(shownName, expectedName);
    EXPECT_EQ(shownSize, "Medium");
    EXPECT_EQ(shownExact, "");
    EXPECT_EQ(h.universe.NObjetosU(), 0);
    EXPECT_EQ(h.cmbType, "Nothing");
    EXPECT_FALSE(h.editor.CreatingNew);
}

TEST_F(SystemMapEditingTest, PhysicalTypeRefusesKinds) {
    const SystemRef hole = h.AddSystem("Hole", PhysicalBlackHole, 9);
    const SystemRef cloud = h.AddSystem("Cloud", PhysicalNebulae, 12);
    h.SelectSystem(hole);
    for (std::int32_t kind : {KindStar, KindPlanet, KindAsteroids, KindStorm}) Create(kind, 0, 0, nullptr);
    EXPECT_EQ(h.prompts.messages, (std::vector<std::string>{"E:You can't add Stars in this type of System",
                                                             "E:You can't add Planets in this type of System",
                                                             "E:You can't add Asteroids in this type of System",
                                                             "E:You can't add Storms in this type of System"}));
    EXPECT_TRUE(h.prompts.dialogTitles.empty());
    h.prompts.answers = {false};
    Create(KindWarpPoint, 0, 0, WarpDriver("Alpha", 1, 1));
    EXPECT_EQ(h.universe.SpaceObjectsOf(hole->ID).size(), 1u);

    h.prompts.messages.clear();
    h.SelectSystem(cloud);
    Create(KindStar, 0, 0, nullptr);
    EXPECT_EQ(h.prompts.messages, std::vector<std::string>{"E:You can't add Stars in this type of System"});
    Create(KindStorm, 2, 2, StormDriver());
    EXPECT_EQ(h.universe.SpaceObjectsOf(cloud->ID).size(), 1u);
}

TEST_F(SystemMapEditingTest, StrictPlacementRefusesAnyTakenSectorAndRelaxedOnlyAStarFootprint) {
    Create(KindStar, 0, 0, StarDriver());
    Create(KindStorm, 5, 5, StormDriver());
    Create(KindStorm, 5, 5, StormDriver());
    Create(KindStorm, 1, 0, StormDriver());
    EXPECT_EQ(h.universe.NObjetosU(), 2);
    EXPECT_EQ(h.prompts.messages, (std::vector<std::string>{"I:That coordinates have an Object yet",
                                                             "I:That coordinates have an Object yet"}));
    h.prompts.messages.clear();
    h.multipleObjects = "True";
    Create(KindStorm, 5, 5, StormDriver());
    EXPECT_EQ(h.universe.NObjetosU(), 3);
    Create(KindStorm, 1, 0, StormDriver());
    EXPECT_EQ(h.universe.NObjetosU(), 3);
    EXPECT_EQ(h.prompts.messages, std::vector<std::string>{"I:That coordinates have an Object yet"});
    h.multipleObjects = "true";  // only the exact word relaxes the test
    Create(KindStorm, 5, 5, StormDriver());
    EXPECT_EQ(h.universe.NObjetosU(), 3);
}

TEST_F(SystemMapEditingTest, MirrorWarpLinksBothSystemsAndCarriesTheAbilities) {
    h.prompts.answers = {true};
    Create(KindWarpPoint, 2, 3, [](QDialog& d) {
        auto& warp = dynamic_cast<FWarp&>(d);
        EXPECT_EQ(warp.TxtWarpDestX->text(), "-2");
        EXPECT_EQ(warp.TxtWarpDestY->text(), "-3");
        EXPECT_EQ(warp.cmbWarpDestination->count(), 1);  // every other system
        EXPECT_EQ(warp.cmbWarpDestination->itemText(0), "Beta");
    });
    EXPECT_EQ(h.universe.NObjetosU(), 0);  // cancelled

    h.PressSector(2, 3);
    h.prompts.drivers.push_back([](QDialog& d) {
        auto& warp = dynamic_cast<FWarp&>(d);
        warp.cmbWarpDestination->setEditText("Beta");
        warp.TxtWarpDestX->setText("-1");
        warp.TxtWarpDestY->setText("4");
        warp.cmbExact->setEditText("Warp Large");
        warp.CmdHabilities->click();
        warp.cmdOk->click();
    });
    h.prompts.drivers.push_back([](QDialog& d) {
        auto& abilities = dynamic_cast<FAbilities&>(d);
        abilities.cmbAbility[0]->setCurrentIndex(1);
        abilities.cmdOk->click();
    });
    h.editing.CreateObject(KindWarpPoint);

    const SpaceObjectRef first = Only(alpha);
    const SpaceObjectRef mirror = Only(beta);
    ASSERT_TRUE(first && mirror);
    EXPECT_EQ(first->coord.X, 2);
    EXPECT_EQ(first->coord.y, 3);
    EXPECT_EQ(first->destSystem, beta);
    EXPECT_EQ(mirror->coord.X, -1);
    EXPECT_EQ(mirror->coord.y, 4);
    EXPECT_EQ(mirror->destSystem, alpha);
    EXPECT_EQ(mirror->destCoord.X, 2);
    EXPECT_EQ(mirror->destCoord.y, 3);
    EXPECT_EQ(mirror->StellarObjectType, first->StellarObjectType);
    ASSERT_EQ(first->nhabilidades, 1);
    EXPECT_EQ(first->habilidades[0].Tipe, "Turbulence");
    ASSERT_EQ(mirror->nhabilidades, 1);
    EXPECT_EQ(mirror->habilidades[0].Tipe, "Turbulence");
    EXPECT_GT(h.galaxyDraws, 0);
}

TEST_F(SystemMapEditingTest, MirrorWarpIsRefusedWhenEitherEndIsTaken) {
    h.SelectSystem(beta);
    Create(KindStorm, -1, 4, StormDriver());
    h.SelectSystem(alpha);
    Create(KindStorm, 2, 3, StormDriver());
    h.prompts.messages.clear();
    h.prompts.answers = {true};
    Create(KindWarpPoint, 2, 3, WarpDriver("Beta", -1, 4));
    h.prompts.answers = {true};
    Create(KindWarpPoint, 2, 3, WarpDriver("Beta", 0, 0));
    EXPECT_EQ(h.prompts.messages,
              (std::vector<std::string>{"Q:Do you want to create a mirror Warp in the destiny System?",
                                        "I:That coordinates in the Destiny have an Object yet",
                                        "Q:Do you want to create a mirror Warp in the destiny System?",
                                        "I:That coordinates have an Object yet"}));
    EXPECT_EQ(h.universe.NObjetosU(), 2);
    h.multipleObjects = "True";
    h.prompts.answers = {true};
    Create(KindWarpPoint, 2, 3, WarpDriver("Beta", -1, 4));
    EXPECT_EQ(h.universe.NObjetosU(), 4);
}

TEST_F(SystemMapEditingTest, DragMovesTheObjectUnlessTheReleaseIsLevelWithThePress) {
    Create(KindStorm, 2, 2, StormDriver());
    const SpaceObjectRef storm = Only(alpha);
    const PixelPoint from = EditingHarness::PixelOf(2, 2);
    const PixelPoint to = EditingHarness::PixelOf(-3, -2);
    ASSERT_NE(from.y, to.y);
    ASSERT_NE(from.x, to.x);

    h.editing.Press(SystemMapEditing::LeftButton, 0, from.x, from.y);
    h.editing.Release(SystemMapEditing::LeftButton, 0, to.x, from.y);  // level: same pixel row
    EXPECT_EQ(storm->coord.X, 2);

    h.editing.Press(SystemMapEditing::LeftButton, 0, from.x, from.y);
    h.editing.Release(SystemMapEditing::LeftButton, 0, to.x, to.y);
    EXPECT_EQ(storm->coord.X, -3);
    EXPECT_EQ(storm->coord.y, -2);
    EXPECT_EQ(storm->StellarObjectType, 6);
    EXPECT_EQ(h.universe.NObjetosU(), 1);

    // A release outside the field moves nothing.
    h.editing.Press(SystemMapEditing::LeftButton, 0, to.x, to.y);
    h.editing.Release(SystemMapEditing::LeftButton, 0, 2000, 3000);
    EXPECT_EQ(storm->coord.X, -3);
}

TEST_F(SystemMapEditingTest, PressSelectsAndDescribesTheObjectOrClearsTheSelection) {
    h.prompts.answers = {false};
    Create(KindWarpPoint, 4, 1, WarpDriver("Beta", 0, 0));
    h.PressSector(4, 1);
    EXPECT_EQ(h.cmbType, "Warp");
    EXPECT_EQ(h.lblselected, "Warp to Beta");
    EXPECT_FALSE(h.cmbTypeEnabled);
    EXPECT_TRUE(h.state.SystemMapActive);
    EXPECT_TRUE(h.editor.ObjectDialogAllowed);
    EXPECT_EQ(h.editor.CurrentObject.DestinationName, "Beta");
    EXPECT_EQ(h.editor.CurrentObject.Size, "Large");
    EXPECT_EQ(h.lblObjectSelected, std::to_string(h.state.SelectedObject));

    h.PressSector(-4, 1, SystemMapEditing::RightButton);
    EXPECT_EQ(h.menusOpened, 1);
    EXPECT_EQ(h.cmbType, "Nothing");
    EXPECT_EQ(h.lblselected, "");
    EXPECT_EQ(h.lblObjectSelected, "NONE");
    EXPECT_EQ(h.state.SelectedObject, NoID);
    EXPECT_FALSE(h.state.SystemMapActive);
    EXPECT_FALSE(h.editor.ObjectDialogAllowed);

    h.editing.Press(SystemMapEditing::LeftButton, 0, 5000, 5000);
    EXPECT_EQ(h.lblXS, "");
    EXPECT_FALSE(h.state.Dragging);
}

TEST_F(SystemMapEditingTest, DoubleClickOnACrowdedSectorEditsThePickedObject) {
    h.multipleObjects = "True";
    Create(KindStorm, 3, 3, StormDriver());
    h.prompts.answers = {false};
    Create(KindWarpPoint, 3, 3, WarpDriver("Beta", 0, 0));
    const auto objects = h.universe.SpaceObjectsOf(alpha->ID);
    ASSERT_EQ(objects.size(), 2u);

    h.PressSector(3, 3);
    h.prompts.drivers.push_back([](QDialog& d) {
        auto& picker = dynamic_cast<FSelectObject&>(d);
        picker.cmbObject->setCurrentIndex(1);
        picker.cmdOk->click();
    });
    h.prompts.drivers.push_back(Confirm([](QDialog& d) {
        auto& warp = dynamic_cast<FWarp&>(d);
        EXPECT_EQ(warp.TxtWarpDestX->text(), "0");  // an existing warp shows its destination
        warp.TxtWarpDestY->setText("7");
    }));
    h.editing.DoubleClick();
    EXPECT_EQ(h.pickerItems, (std::vector<std::string>{"Storm", "Warp Point to Beta"}));
    EXPECT_EQ(objects[1]->destCoord.y, 7);
    EXPECT_EQ(objects[0]->coord.X, 3);
    // The picked object stays selected on later presses of the same sector.
    h.PressSector(3, 3);
    EXPECT_EQ(h.state.SelectedObject, objects[1]->ID);

    // A cancelled picker opens no dialog.
    const std::size_t dialogsBefore = h.prompts.dialogTitles.size();
    h.editing.DoubleClick();
    EXPECT_EQ(h.prompts.dialogTitles.size(), dialogsBefore + 1);
    EXPECT_EQ(h.prompts.dialogTitles.back(), "Select Object");
}

TEST_F(SystemMapEditingTest, RemoveObjectAsksAndNeedsASelection) {
    Create(KindStorm, 1, 1, StormDriver());
    h.PressSector(-2, -2);
    h.editing.Remove();
    EXPECT_EQ(h.prompts.messages, (std::vector<std::string>{"Q:Do you want to delete the Selected Object?",
                                                             "I:There's no Object selected"}));
    h.PressSector(1, 1);
    h.prompts.answers = {false};
    h.editing.Remove();
    EXPECT_EQ(h.universe.NObjetosU(), 1);
    h.editing.Remove();
    EXPECT_EQ(h.universe.NObjetosU(), 0);
    EXPECT_EQ(h.lblselected, "");
    EXPECT_EQ(h.state.SelectedObject, NoID);
}

TEST_F(SystemMapEditingTest, RemovingASystemOptionallyRemovesTheWarpsHeadingToIt) {
    const SystemRef gamma = h.AddSystem("Gamma", PhysicalNormal, 20);
    h.SelectSystem(alpha);
    h.prompts.answers = {false};
    Create(KindWarpPoint, 1, 1, WarpDriver("Beta", 0, 0));
    h.prompts.answers = {false};
    Create(KindWarpPoint, 2, 2, WarpDriver("Gamma", 0, 0));
    h.SelectSystem(gamma);
    h.prompts.answers = {false};
    Create(KindWarpPoint, 1, 1, WarpDriver("Beta", 0, 0));
    ASSERT_EQ(h.universe.NObjetosU(), 3);

    // Keep the warps: they still lead to the removed system.
    h.SelectSystem(beta);
    h.state.GalaxyHasFocus = true;
    h.prompts.messages.clear();
    h.prompts.answers = {true, false};
    h.editing.Remove();
    EXPECT_EQ(h.universe.NSistemas(), 2);
    EXPECT_EQ(h.universe.NObjetosU(), 3);
    EXPECT_TRUE(h.systemMapCleared);
    EXPECT_EQ(h.prompts.messages, (std::vector<std::string>{"Q:Do you want to delete the Selected System?",
                                                             "Q:Do you want to delete the Warp Points heading that system?"}));

    // Remove Gamma and its incoming warp; Gamma's own warp goes with it.
    h.SelectSystem(gamma);
    h.state.GalaxyHasFocus = true;
    h.prompts.answers = {true, true};
    h.editing.Remove();
    ASSERT_EQ(h.universe.NObjetosU(), 1);
    EXPECT_EQ(h.universe.Objects()[0]->destSystem->name, "Beta");

    // Nothing selected on the galaxy map.
    h.lblSystem.clear();
    h.state.GalaxyHasFocus = true;
    h.prompts.messages.clear();
    h.editing.Remove();
    EXPECT_EQ(h.prompts.messages, (std::vector<std::string>{"Q:Do you want to delete the Selected System?",
                                                             "I:There's no System selected"}));
}

TEST_F(SystemMapEditingTest, AddingWithoutASpecificTypeAddsNothingSilently) {
    h.state.EditKind = KindStar;
    h.editor.CreatingNew = true;
    h.editor.CurrentObject.ObjectType = 0;
    h.state.SelectedSystem = alpha->ID;
    h.placement.AddObjectFromCurrent(KindStar, alpha->ID);
    EXPECT_EQ(h.universe.NObjetosU(), 0);
    EXPECT_TRUE(h.prompts.messages.empty());
}
