// Object dialogs keep the user's input: a refused placement leaves the dialog
// open, fixed lists stay fixed, every ability is shown and cancelling the
// object picker cancels a removal.
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "EditorFixture.h"
#include "ui/dialogs/ObjectChecks.h"

namespace {

const char* const SectorTaken = "That coordinates have an Object yet";

}  // namespace

TEST_F(EditorWindowTest, ARefusedPlacementKeepsTheDialogOpenWithItsValues) {
    Create(KindStorm, 5, 5, StormDriver());
    Press(5, 5);
    prompts.QueueDialog([](QDialog& dialog) {
        auto& storm = dynamic_cast<FStorm&>(dialog);
        storm.cmbExact->setEditText("Ion Storm");
        storm.cmdOk->click();
        EXPECT_NE(dialog.result(), QDialog::Accepted);  // the message came with the dialog open
        EXPECT_EQ(storm.txtStormX->text(), "5");
        EXPECT_EQ(storm.cmbExact->currentText(), "Ion Storm");
        storm.txtStormX->setText("6");
        storm.cmdOk->click();
        return dialog.result();
    });
    window.CreateObjectCommand(KindStorm);
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{SectorTaken});
    const auto objects = ObjectsOf(alpha);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(std::pair(objects[1]->coord.X, objects[1]->coord.y), std::pair(6, 5));
}

TEST_F(EditorWindowTest, EnterInAnEditableListAddsNothingToIt) {
    Press(3, 3);
    prompts.QueueDialog([](QDialog& dialog) {
        auto& star = dynamic_cast<FStar&>(dialog);
        dialog.show();
        const int colours = star.cmbstarColor->count();
        star.cmbstarColor->setEditText("");
        QTest::keyClicks(star.cmbstarColor->lineEdit(), "Mauve");
        QTest::keyClick(star.cmbstarColor->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(star.cmbstarColor->count(), colours);
        EXPECT_EQ(star.cmbstarColor->findText("Mauve"), -1);
        EXPECT_EQ(star.cmbstarColor->currentText(), "Mauve");
        const int types = star.cmbExact->count();
        QTest::keyClicks(star.cmbExact->lineEdit(), "Made Up Star");
        QTest::keyClick(star.cmbExact->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(star.cmbExact->count(), types);
        dialog.reject();
        return dialog.result();
    });
    window.CreateObjectCommand(KindStar);
    EXPECT_EQ(window.Universe().NObjetosU(), 0);
    // The typed words were checked, not taken as a type.
    for (const std::string& message : prompts.Messages()) EXPECT_EQ(message, NoSpecificTypeMessage);
}

TEST_F(EditorWindowTest, EveryAbilityOfAnObjectIsShownAndClearingThemClearsAll) {
    const SpaceObjectRef star = AddObject(alpha, "STAR", 0, 0, FirstOrdinal("Star"));
    star->name = "Crowded";
    const auto offered = data.Abilities.AbilitiesOfKind(KindStar);
    ASSERT_FALSE(offered.empty());
    for (int i = 0; i < 6; ++i) {
        CAbility ability;
        ability.IniciaCAbility();
        ability.Tipe = offered.front().Tipe;
        ability.Amount1 = std::to_string(i);
        star->AddAbility(ability);
    }
    Press(0, 0);
    prompts.QueueDialog([](QDialog& dialog) {
        auto& edit = dynamic_cast<FStar&>(dialog);
        edit.CmdHabilities->click();
        edit.cmdOk->click();
        return dialog.result();
    });
    int listsShown = 0;
    prompts.QueueDialog([&](QDialog& dialog) {
        auto& abilities = dynamic_cast<FAbilities&>(dialog);
        listsShown = static_cast<int>(abilities.cmbAbility.size());
        EXPECT_TRUE(abilities.cmbAbility.at(5)->currentText().contains("/Am1= 5/"));
        for (QComboBox* list : abilities.cmbAbility) list->setEditText("");
        abilities.cmdOk->click();
        return dialog.result();
    });
    window.SystemMapDoubleClick();
    EXPECT_EQ(listsShown, 6);
    EXPECT_EQ(star->nhabilidades, 0);
    EXPECT_EQ(star->name, "Crowded");
}

TEST_F(EditorWindowTest, CancelInTheObjectPickerCancelsTheRemoval) {
    data.Config.MultipleObjectsInSameSector = "True";
    AddObject(alpha, "STORM", 5, 5, FirstOrdinal("Storm"));
    AddObject(alpha, "STORM", 5, 5, FirstOrdinal("Storm"));
    Press(5, 5);
    prompts.QueueDialog([](QDialog& dialog) {
        dialog.reject();
        return dialog.result();
    });
    window.RemoveCommand();
    EXPECT_EQ(prompts.openedDialogs, std::vector<std::string>{"Select Object"});
    EXPECT_TRUE(prompts.Messages().empty());  // no question about deleting
    EXPECT_EQ(ObjectsOf(alpha).size(), 2u);

    prompts.QueueDialog([](QDialog& dialog) {
        dynamic_cast<FSelectObject&>(dialog).cmdOk->click();
        return dialog.result();
    });
    window.RemoveCommand();
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"Do you want to delete the Selected Object?"});
    EXPECT_EQ(ObjectsOf(alpha).size(), 1u);
}

TEST_F(EditorWindowTest, ALineBreakPastedIntoAnObjectNameStaysOffTheMap) {
    Press(0, 0);
    prompts.QueueDialog(Confirm<FStar>([](FStar& star) {
        QApplication::clipboard()->setText("Twin\nSun");
        star.TxtStarName->clear();
        star.TxtStarName->paste();
        star.cmbstarColor->setEditText("Yellow");
        star.cmbStarSize->setEditText("Medium");
        star.cmbExact->setEditText("Yellow Medium Star");
    }));
    window.CreateObjectCommand(KindStar);
    ASSERT_EQ(ObjectsOf(alpha).size(), 1u);
    EXPECT_EQ(ObjectsOf(alpha).front()->name, "Twin Sun");
}
