#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "EditorFixture.h"
#include "text/TextHelpers.h"
#include "ui/FPaths.h"
#include "ui/FSystem.h"
#include "ui/render/GalaxyPainter.h"

namespace {

// Fills the system dialog with the first portrait and background and
// presses OK; returns the dialog's result.
RecordingPrompts::DialogDriver AcceptSystem(std::string name = "", std::string x = "", std::string y = "") {
    return [=](QDialog& dialog) {
        auto* system = qobject_cast<FSystem*>(&dialog);
        if (!system) return static_cast<int>(QDialog::Rejected);
        if (!name.empty()) system->TxtSystemName->setText(FromBytes(name));
        if (!x.empty()) system->TxtSystemX->setText(QString::fromStdString(x));
        if (!y.empty()) system->TxtSystemY->setText(QString::fromStdString(y));
        if (system->cmbSystemBackImage->count() > 0)
            system->cmbSystemBackImage->setEditText(system->cmbSystemBackImage->itemText(0));
        if (system->cmbSystemSkyBox->count() > 0)
            system->cmbSystemSkyBox->setEditText(system->cmbSystemSkyBox->itemText(0));
        system->Ok();
        return dialog.result();
    };
}

}  // namespace

using MainWindowTest = EditorFixture;

TEST_F(MainWindowTest, StartUpFillsTheStatusLabels) {
    EXPECT_EQ(Label("LblUsingParse"), "Using Files in 'Default/Data' to define objects");
    EXPECT_EQ(Label("lblPaths"), "Map Compiler: .\nMap Folder: Default/Maps");
    EXPECT_EQ(Label("lblAllow"), "Allow multiple objects in same sector: FALSE");
}

TEST_F(MainWindowTest, GalaxyPressSelectsTheCellUnderThePixelClamped) {
    window.GalaxyPress(1, 271, 199);
    EXPECT_EQ(Label("LblXG"), "67");
    EXPECT_EQ(Label("LblYG"), "49");
    window.GalaxyPress(1, 290.4, 230.6);
    EXPECT_EQ(Label("LblXG"), "67");
    EXPECT_EQ(Label("LblYG"), "49");
    // The pixel is rounded before the division: 7.5 rounds to 8, cell 2.
    window.GalaxyPress(1, 7.6, 3.4);
    EXPECT_EQ(Label("LblXG"), "2");
    EXPECT_EQ(Label("LblYG"), "0");
    EXPECT_EQ(window.GalaxyMarkerCell(), QPoint(2, 0));
}

TEST_F(MainWindowTest, GalaxySelectionStates) {
    const SystemRef sol = AddSystem("Sol ", 10, 5);
    sol->Description = "Home";
    PressCell(10, 5);
    EXPECT_TRUE(window.State().SystemIsSelected);
    EXPECT_EQ(window.State().SelectedSystem, sol->ID);
    EXPECT_FALSE(window.State().SystemMapActive);
    EXPECT_TRUE(window.State().GalaxyHasFocus);
    EXPECT_EQ(window.TypeText(), "System");
    EXPECT_EQ(Label("lblSystem"), "Sol");
    EXPECT_EQ(Label("lblSystemSel"), "System: SOL");
    EXPECT_EQ(Label("lblDescription"), "Home");
    EXPECT_EQ(Label("LbLSystemSelected"), QString::number(sol->ID));
    EXPECT_TRUE(window.SystemMapEnabled());
    EXPECT_EQ(window.Shared().CurrentObject.Name, "Sol");
    EXPECT_EQ(window.Shared().CurrentObject.Type, "Normal");

    PressCell(11, 5);
    EXPECT_FALSE(window.State().SystemIsSelected);
    EXPECT_EQ(window.State().SelectedSystem, NoID);
    EXPECT_EQ(window.State().EditKind, NoID);
    EXPECT_EQ(window.TypeText(), "Nothing");
    EXPECT_EQ(Label("LbLSystemSelected"), "NONE");
    EXPECT_EQ(Label("lblSystemSel"), "System: NONE");
    EXPECT_TRUE(Label("lblSystem").isEmpty());
    EXPECT_FALSE(window.SystemMapEnabled());

    window.GalaxyClick();
    EXPECT_EQ(Label("LblXS"), "0");
    EXPECT_EQ(Label("lblYS"), "0");
}

TEST_F(MainWindowTest, CreateSystemThroughTheDialog) {
    PressCell(10, 5, 2);
    std::string generatedName;
    prompts.QueueDialog([&](QDialog& dialog) {
        auto* system = qobject_cast<FSystem*>(&dialog);
        generatedName = ToBytes(system->TxtSystemName->text());
        EXPECT_TRUE(system->chkCanStart->isChecked());
        EXPECT_EQ(system->TxtSystemX->text(), "10");
        EXPECT_EQ(system->TxtSystemY->text(), "5");
        EXPECT_EQ(system->cmdSystemPT->currentText(), "Normal");
        return AcceptSystem()(dialog);
    });
    window.CreateSystemCommand();
    ASSERT_EQ(prompts.openedDialogs, std::vector<std::string>{"System"});
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_FALSE(generatedName.empty());
    ASSERT_EQ(window.Universe().NSistemas(), 1);
    const SystemRef created = window.Universe().Systems().front();
    EXPECT_EQ(created->name, generatedName);
    EXPECT_EQ(created->X, 10);
    EXPECT_EQ(created->y, 5);
    EXPECT_EQ(created->PhysicalType, PhysicalNormal);
    EXPECT_TRUE(created->EmpireCanStartInSystem);
    EXPECT_FALSE(created->GetSkyBox().empty());
    // Update re-selected the cell.
    EXPECT_TRUE(window.State().SystemIsSelected);
    EXPECT_FALSE(window.Shared().CreatingNew);
    EXPECT_EQ(window.GalaxyImage().pixelColor(42, 22), QColor(255, 255, 0));

    window.CreateSystemCommand();  // the cell is taken now
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"There's a system in that coordinates yet"});
    EXPECT_EQ(prompts.openedDialogs.size(), 1u);
}

TEST_F(MainWindowTest, SystemDialogKeepsOpenOnAFailedCheck) {
    PressCell(3, 3);
    prompts.QueueDialog([](QDialog& dialog) {
        auto* system = qobject_cast<FSystem*>(&dialog);
        system->TxtSystemX->setText("68");
        system->Ok();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);  // still open
        system->reject();
        return dialog.result();
    });
    window.CreateSystemCommand();
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"The System X must be in range (x<68,y<50)"});
    EXPECT_EQ(window.Universe().NSistemas(), 0);
    EXPECT_EQ(window.TypeText(), "Nothing");  // Cancel
}

TEST_F(MainWindowTest, DoubleClickEditsTheSelectedSystem) {
    PressCell(10, 5);
    prompts.QueueDialog(AcceptSystem("Vega"));
    window.CreateSystemCommand();
    ASSERT_EQ(window.Universe().NSistemas(), 1);
    PressCell(10, 5);
    prompts.QueueDialog([](QDialog& dialog) {
        auto* system = qobject_cast<FSystem*>(&dialog);
        EXPECT_EQ(system->TxtSystemName->text(), "Vega");
        system->cmdSystemPT->setEditText("Nebulae");
        EXPECT_FALSE(system->chkCanStart->isChecked());
        EXPECT_FALSE(system->chkCanStart->isEnabled());
        return AcceptSystem("Vega Nebula")(dialog);
    });
    window.GalaxyDoubleClick();
    ASSERT_EQ(window.Universe().NSistemas(), 1);
    const SystemRef edited = window.Universe().Systems().front();
    EXPECT_EQ(edited->name, "Vega Nebula");
    EXPECT_EQ(edited->PhysicalType, PhysicalNebulae);
    EXPECT_FALSE(edited->EmpireCanStartInSystem);
    EXPECT_EQ(Label("lblSystemSel"), "System: VEGA NEBULA");
}

TEST_F(MainWindowTest, NewMapAsksFirst) {
    AddSystem("Sol", 10, 5);
    PressCell(10, 5);
    window.SetMapName("mymap");
    PressCell(12, 5);
    prompts.QueueDialog(AcceptSystem());
    window.CreateSystemCommand();  // an unsaved change
    ASSERT_EQ(window.Universe().NSistemas(), 2);
    PressCell(10, 5);
    prompts.saveChoices = {SaveChoice::Cancel, SaveChoice::Discard};
    window.NewMapCommand();
    EXPECT_EQ(window.Universe().NSistemas(), 2);
    EXPECT_TRUE(window.State().SystemIsSelected);
    window.NewMapCommand();
    EXPECT_EQ(window.Universe().NSistemas(), 0);
    EXPECT_EQ(Label("lblSystemSel"), "System: NONE");
    EXPECT_FALSE(window.SystemMapEnabled());
    EXPECT_EQ(Label("LblXG"), "0");
    // The new map is not the file it replaced: Save asks for a name.
    EXPECT_EQ(window.Shared().MapName, "");
    EXPECT_EQ(prompts.Messages(), (std::vector<std::string>(2, "Save changes to mymap?")));
}

TEST_F(MainWindowTest, ClosingAsksAndNoKeepsTheWindow) {
    window.show();
    prompts.QueueAnswer(false);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"Are you sure to quit?"});
    EXPECT_TRUE(window.close());
}

TEST_F(MainWindowTest, ChangeSettingsIsRefusedWithAMapLoaded) {
    AddSystem("Sol", 10, 5);
    window.ChangeSettings();
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"There should be no map loaded to make this"});
    EXPECT_TRUE(prompts.openedDialogs.empty());
}

TEST_F(MainWindowTest, ChangeSettingsRewritesTheFileAndReparsesUnlessCancelled) {
    prompts.QueueDialog([](QDialog& dialog) {
        auto* paths = qobject_cast<FPaths*>(&dialog);
        paths->TxtData->setText("Elsewhere/Data");
        paths->findChild<QPushButton*>("cmdCancel")->click();
        return dialog.result();
    });
    window.ChangeSettings();
    EXPECT_EQ(data.Config.DataDirectory, "Default/Data");
    prompts.QueueDialog([](QDialog& dialog) {
        auto* paths = qobject_cast<FPaths*>(&dialog);
        EXPECT_EQ(paths->TxtData->text(), "Default/Data");
        EXPECT_TRUE(paths->o2->isChecked());
        paths->o1->setChecked(true);
        paths->Ok();
        return dialog.result();
    });
    window.ChangeSettings();
    EXPECT_EQ(prompts.openedDialogs, (std::vector<std::string>{"Settings", "Settings"}));
    EXPECT_TRUE(prompts.Messages().empty());
    const auto lines = ReadTextLines(folder.Path() / "DizIzuzuri.ini");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"[Data Directory]", "Default/Data", "[Map Compiler Path]", ".",
                                                "[Map Folder]", "Default/Maps", "[Multiple Objects in same Sector]",
                                                "True"}));
    EXPECT_TRUE(data.Config.AllowsMultipleObjects());
    EXPECT_EQ(Label("lblAllow"), "Allow multiple objects in same sector: TRUE");
}

TEST_F(MainWindowTest, HideLabelsRemovesNamesFromTheGalaxy) {
    AddSystem("WWWWWWWW", 10, 5);
    window.DrawSystems();
    auto countWhite = [&] {
        const QImage& image = window.GalaxyImage();
        return CountColour(image, QRect(44, 0, image.width() - 44, image.height()), Qt::white);
    };
    EXPECT_GT(countWhite(), 0);
    window.findChild<QCheckBox*>("ChkHideNamesG")->click();
    EXPECT_EQ(countWhite(), 0);
}

TEST_F(MainWindowTest, WarpLinesJoinLinkedSystemsOnTheGalaxy) {
    const SystemRef west = AddSystem("West", 10, 20);
    const SystemRef east = AddSystem("East", 30, 20);
    AddSystem("Lone", 20, 40);
    AddObject(west, "WARP", 1, 1, 0)->destSystem = east;
    window.findChild<QCheckBox*>("ChkHideNamesG")->click();  // labels would cover the row
    const QImage& image = window.GalaxyImage();
    // Half-way between the two cell centres lies on the line; nothing is drawn
    // towards the system without warps.
    EXPECT_EQ(image.pixelColor(4 * 20 + 2, 4 * 20 + 2), WarpLineColour());
    EXPECT_EQ(image.pixelColor(4 * 20 + 2, 4 * 30 + 2), QColor(Qt::black));
    EXPECT_TRUE(prompts.Messages().empty());
}
