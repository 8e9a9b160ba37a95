// The Object list (cmbType) only ever starts a new object in the pressed
// sector or the system of the pressed cell; it never rewrites what was
// selected before.
#include <QComboBox>

#include "EditorFixture.h"
#include "ui/FSystem.h"
#include "ui/OneLineTextEdit.h"

namespace {

RecordingPrompts::DialogDriver CancelDialog() {
    return [](QDialog& dialog) {
        dialog.reject();
        return dialog.result();
    };
}

RecordingPrompts::DialogDriver HijackPlanet() {
    return Confirm<FPlanet>([](FPlanet& planet) {
        planet.TxtPlanetName->setText("Hijack");
        planet.cmbPlanetSize->setEditText("Medium");
        planet.cmbPlanetType->setEditText("Rock");
        planet.cmbPlanetAtmosphere->setEditText("Oxygen");
        planet.cmbExact->setEditText("Medium Rock Oxygen Planet");
    });
}

}  // namespace

TEST_F(EditorWindowTest, ChoosingAKindAfterACancelledCreateLeavesTheSelectedObjectAlone) {
    const SpaceObjectRef star = AddObject(alpha, "STAR", 0, 0, FirstOrdinal("Star"));
    star->name = "Alpha Prime";
    const SpaceObjectRef warp = AddObject(alpha, "WARP", 4, 4, FirstOrdinal("Warp"));
    warp->destSystem = beta;
    warp->destCoord = {1, 1};
    SelectSystem(alpha);

    Press(0, 0, 2);  // right-click the star: it is selected
    ASSERT_EQ(window.State().SelectedObject, star->ID);
    prompts.QueueDialog(CancelDialog());
    window.CreateObjectCommand(KindPlanet);
    prompts.QueueDialog(HijackPlanet());
    window.TypeChosen("Planet");
    EXPECT_EQ(star->Tipo, KindStar);
    EXPECT_EQ(star->name, "Alpha Prime");
    EXPECT_EQ(window.Universe().NObjetosU(), 2);  // the star's sector refuses the new planet
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"That coordinates have an Object yet"});

    Press(4, 4, 2);  // the warp
    prompts.QueueDialog(CancelDialog());
    window.CreateObjectCommand(KindStorm);
    Press(-3, 2);  // an empty sector: the list creates there
    prompts.QueueDialog(StormDriver());
    window.TypeChosen("Storm");
    EXPECT_EQ(warp->destSystem, beta);
    EXPECT_EQ(warp->destCoord.X, 1);
    const auto objects = ObjectsOf(alpha);
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects.back()->Tipo, KindStorm);
    EXPECT_EQ(std::pair(objects.back()->coord.X, objects.back()->coord.y), std::pair(-3, 2));
}

TEST_F(EditorWindowTest, AKindWithNoPressedSectorSaysSoAndOpensNothing) {
    PressCell(40, 40);  // an empty galaxy cell: no system, no sector
    window.TypeChosen("Star");
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"Select a System first"});
    EXPECT_TRUE(prompts.openedDialogs.empty());
    EXPECT_EQ(window.TypeText(), "Nothing");
}

TEST_F(EditorWindowTest, SystemInTheListEditsThePressedSystemOrCreatesOne) {
    alpha->Description = "Kept description";
    PressCell(10, 10);
    prompts.QueueDialog([](QDialog& dialog) {
        auto& system = dynamic_cast<FSystem&>(dialog);
        EXPECT_EQ(system.TxtSystemName->text(), "Alpha");
        EXPECT_EQ(system.txtSystemDescription->toPlainText(), "Kept description");
        system.reject();
        return dialog.result();
    });
    window.TypeChosen("System");
    PressCell(50, 40);
    prompts.QueueDialog([](QDialog& dialog) {
        auto& system = dynamic_cast<FSystem&>(dialog);
        system.cmbSystemBackImage->setEditText(system.cmbSystemBackImage->itemText(0));
        system.cmbSystemSkyBox->setEditText(system.cmbSystemSkyBox->itemText(0));
        system.TxtSystemName->setText("Listed");
        system.Ok();
        return dialog.result();
    });
    window.TypeChosen("System");
    ASSERT_EQ(window.Universe().NSistemas(), 3);
    EXPECT_EQ(window.Universe().Systems().back()->name, "Listed");
    EXPECT_EQ(window.Universe().Systems().back()->X, 50);
    EXPECT_EQ(alpha->Description, "Kept description");
}
