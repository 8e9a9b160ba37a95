// The system dialog keeps what the user typed: one-line values, names and
// cells that no other system has, and the dialog stays open when refusing.
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "EditorFixture.h"
#include "ui/FSystem.h"
#include "ui/MapDialogs.h"
#include "ui/OneLineTextEdit.h"

namespace {

// The first portrait and background, so that the dialog's own checks pass.
void PickImages(FSystem& system) {
    system.cmbSystemBackImage->setEditText(system.cmbSystemBackImage->itemText(0));
    system.cmbSystemSkyBox->setEditText(system.cmbSystemSkyBox->itemText(0));
}

// Shows the dialog and gives it the keyboard, as a user's window would be.
void Activate(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

}  // namespace

class SystemDialogInputTest : public EditorFixture {
protected:
    void CreateAt(int X, int Y, RecordingPrompts::DialogDriver driver) {
        PressCell(X, Y);
        prompts.QueueDialog(std::move(driver));
        window.CreateSystemCommand();
    }
};

TEST_F(SystemDialogInputTest, DescriptionStaysOneLineForKeysAndPaste) {
    CreateAt(5, 5, [](QDialog& dialog) {
        auto& system = dynamic_cast<FSystem&>(dialog);
        PickImages(system);
        Activate(dialog);
        OneLineTextEdit* description = system.txtSystemDescription;
        description->clear();
        description->setFocus();
        QApplication::clipboard()->setText("Twin suns\r\nover\ta sea\n");
        description->paste();
        EXPECT_EQ(description->toPlainText(), "Twin suns over a sea ");
        // Tab leaves the box for the next field instead of typing a tab.
        QTest::keyClick(description, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), description);
        EXPECT_FALSE(description->toPlainText().contains('\t'));
        description->setFocus();
        QTest::keyClicks(description, "!");
        // Enter does not break the line: it reaches OK.
        QTest::keyClick(description, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return dialog.result();
    });
    ASSERT_EQ(window.Universe().NSistemas(), 1);
    EXPECT_EQ(window.Universe().Systems().front()->Description, "Twin suns over a sea !");
}

TEST_F(SystemDialogInputTest, LineBreaksSetInTheFieldsNeverReachTheMap) {
    CreateAt(6, 6, [](QDialog& dialog) {
        auto& system = dynamic_cast<FSystem&>(dialog);
        PickImages(system);
        system.TxtSystemName->setText("New\nHome");
        system.txtSystemDescription->setPlainText("first\nsecond");
        system.Ok();
        return dialog.result();
    });
    ASSERT_EQ(window.Universe().NSistemas(), 1);
    EXPECT_EQ(window.Universe().Systems().front()->name, "New Home");
    EXPECT_EQ(window.Universe().Systems().front()->Description, "first second");
}

TEST_F(SystemDialogInputTest, ANameAnotherSystemHasIsRefusedWithTheDialogOpen) {
    const SystemRef alpha = AddSystem("Alpha", 10, 10);
    AddSystem("Beta", 30, 20);
    CreateAt(5, 5, [](QDialog& dialog) {
        auto& system = dynamic_cast<FSystem&>(dialog);
        PickImages(system);
        system.TxtSystemName->setText(" Beta ");
        system.Ok();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(system.TxtSystemName->text(), " Beta ");  // kept for the user to change
        system.TxtSystemName->setText("Gamma");
        system.Ok();
        return dialog.result();
    });
    EXPECT_EQ(prompts.Messages(),
              std::vector<std::string>{"There is already a System named 'Beta' in this map; choose another name"});
    ASSERT_EQ(window.Universe().NSistemas(), 3);
    EXPECT_EQ(window.Universe().Systems().back()->name, "Gamma");

    // Editing keeps its own name, but cannot take another's.
    prompts.ClearMessages();
    PressCell(10, 10);
    prompts.QueueDialog([](QDialog& dialog) {
        auto& system = dynamic_cast<FSystem&>(dialog);
        PickImages(system);
        system.TxtSystemName->setText("Gamma");
        system.Ok();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        system.TxtSystemName->setText("Alpha");
        system.txtSystemDescription->setPlainText("Renamed nothing");
        system.Ok();
        return dialog.result();
    });
    window.GalaxyDoubleClick();
    EXPECT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(alpha->name, "Alpha");
    EXPECT_EQ(alpha->Description, "Renamed nothing");
}

TEST_F(SystemDialogInputTest, AnOccupiedCellIsReportedWithTheTypedValuesKept) {
    AddSystem("Alpha", 10, 10);
    CreateAt(5, 5, [](QDialog& dialog) {
        auto& system = dynamic_cast<FSystem&>(dialog);
        PickImages(system);
        system.TxtSystemName->setText("Typed");
        system.txtSystemDescription->setPlainText("A long description");
        system.TxtSystemX->setText("10");
        system.TxtSystemY->setText("10");
        system.Ok();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(system.TxtSystemName->text(), "Typed");
        EXPECT_EQ(system.txtSystemDescription->toPlainText(), "A long description");
        system.TxtSystemX->setText("11");
        system.Ok();
        return dialog.result();
    });
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"That coordinates have a System yet"});
    ASSERT_EQ(window.Universe().NSistemas(), 2);
    const SystemRef added = window.Universe().Systems().back();
    EXPECT_EQ(added->name, "Typed");
    EXPECT_EQ(added->Description, "A long description");
    EXPECT_EQ(added->X, 11);
}

TEST_F(SystemDialogInputTest, MovingASystemOntoAnotherIsRefused) {
    const SystemRef alpha = AddSystem("Alpha", 10, 10);
    AddSystem("Beta", 30, 20);
    PressCell(10, 10);
    prompts.QueueDialog([](QDialog& dialog) {
        auto& system = dynamic_cast<FSystem&>(dialog);
        PickImages(system);
        system.TxtSystemX->setText("30");
        system.TxtSystemY->setText("20");
        system.Ok();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        system.reject();
        return dialog.result();
    });
    window.GalaxyDoubleClick();
    EXPECT_EQ(prompts.Messages(), std::vector<std::string>{"That coordinates have a System yet"});
    EXPECT_EQ(alpha->X, 10);
    EXPECT_EQ(alpha->y, 10);
}

TEST_F(SystemDialogInputTest, ARandomSystemCannotTakeAnotherSystemsName) {
    AddSystem("Alpha", 10, 10);
    PressCell(30, 20, 2);
    prompts.QueueDialog([this](QDialog& dialog) {
        auto& type = dynamic_cast<FSystemType&>(dialog);
        type.cmbType->setEditText(FromBytes(data.RandomSystemTypes.Types().front().Name));
        type.txtname->setText("Alpha");
        type.Ok();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        type.txtname->setText("Omega");
        type.Ok();
        return dialog.result();
    });
    window.RandomSystemCommand();
    EXPECT_EQ(prompts.Messages(),
              std::vector<std::string>{"There is already a System named 'Alpha' in this map; choose another name"});
    ASSERT_EQ(window.Universe().NSistemas(), 2);
    EXPECT_EQ(window.Universe().Systems().back()->name, "Omega");
}
