// The editor as a keyboard user meets it: Tab walks each window in reading
// order, Enter accepts and Escape cancels every dialog, and the Map menu's
// commands have their keys.
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "EditorFixture.h"
#include "ui/FAbout.h"
#include "ui/FPaths.h"
#include "ui/FSystem.h"
#include "ui/FolderList.h"
#include "ui/MapDialogs.h"
#include "ui/OneLineTextEdit.h"
#include "ui/dialogs/FAbilities.h"
#include "ui/dialogs/FSelectObject.h"

namespace {

// Shows a window and gives it the keyboard, as a user's desktop would.
bool Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// The widget of `candidates` that holds the focus (an editable list holds it
// in its line edit); null when none does.
QWidget* FocusAmong(const std::vector<QWidget*>& candidates) {
    QWidget* focus = QApplication::focusWidget();
    for (QWidget* candidate : candidates)
        if (focus && (focus == candidate || candidate->isAncestorOf(focus))) return candidate;
    return nullptr;
}

// Presses Tab `steps` times and lists where the focus went, starting with
// where it is now. A stop outside `candidates` is listed as null.
std::vector<QWidget*> TabWalk(const std::vector<QWidget*>& candidates, std::size_t steps) {
    std::vector<QWidget*> walk{FocusAmong(candidates)};
    for (std::size_t i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walk.push_back(FocusAmong(candidates));
    }
    return walk;
}

// The widgets Tab can reach now.
std::vector<QWidget*> Enabled(std::vector<QWidget*> widgets) {
    std::erase_if(widgets, [](const QWidget* widget) { return !widget->isEnabled(); });
    return widgets;
}

// Sends a key to whatever has the focus.
void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

template <class Widget = QWidget>
Widget* Named(const QObject& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

}  // namespace

class KeyboardTest : public EditorWindowTest {
protected:
    // Opens a dialog through a command; the driver gets it shown and active.
    void Open(const std::function<void()>& command, std::function<void(QDialog&)> keys) {
        bool driven = false;
        prompts.QueueDialog([&driven, keys](QDialog& dialog) {
            EXPECT_TRUE(Activate(dialog)) << dialog.windowTitle().toStdString();
            keys(dialog);
            driven = true;
            return dialog.result();
        });
        command();
        EXPECT_TRUE(driven);
    }
};

TEST_F(KeyboardTest, TabWalksTheMainWindowInReadingOrder) {
    ASSERT_TRUE(Activate(window));
    std::vector<QWidget*> expected;
    for (const char* name : {"FindSystem", "PicUniverseMap", "ChkHideNamesG", "cmbType", "cmdNew", "CmdLoad",
                             "cmdRandom", "cmdMap1", "cmdMap0", "cmdExit", "F", "ChkHideNamesS", "PicMap",
                             "cmdChange"})
        expected.push_back(Named(window, name));
    expected.front()->setFocus(Qt::TabFocusReason);
    const std::vector<QWidget*> walk = TabWalk(expected, expected.size() - 1);
    EXPECT_EQ(walk, expected);
    // The read-only name fields are shown, not edited: Tab passes them by.
    for (const char* name : {"TxtMapLoad", "TxtFileName", "TxtMapSave"})
        EXPECT_FALSE(Named(window, name)->focusPolicy() & Qt::TabFocus) << name;
}

TEST_F(KeyboardTest, ObjectDialogsStartAtTheFirstFieldAndTabDownTheFormToTheButtons) {
    Press(0, 0);
    Open([this] { window.CreateObjectCommand(KindStar); }, [](QDialog& dialog) {
        auto& star = dynamic_cast<FStar&>(dialog);
        const std::vector<QWidget*> expected = Enabled({star.TxtStarName, star.TxtStarX, star.TxtStarY,
                                                        star.cmbstarColor, star.cmbStarSize, star.cmbExact,
                                                        star.CmdHabilities, star.cmdOk, star.cmdNo});
        EXPECT_EQ(TabWalk(expected, expected.size() - 1), expected);
        dialog.reject();
    });
    Press(2, 2);
    Open([this] { window.CreateObjectCommand(KindPlanet); }, [](QDialog& dialog) {
        auto& planet = dynamic_cast<FPlanet&>(dialog);
        const std::vector<QWidget*> expected = Enabled(
            {planet.TxtPlanetName, planet.txtPlanetX, planet.txtPlanetY, planet.cmbPlanetSize, planet.cmbPlanetType,
             planet.cmbPlanetAtmosphere, planet.TxtPlanetMinerals, planet.TxtPlanetOrganics,
             planet.TxtPlanetRadioactives, planet.TxtPlanetGravity, planet.TxtPlanetTemperature,
             planet.TxtPlanetCondition, planet.TxtPlanetRadiation, planet.cmbExact, planet.cmdRandomPlanet,
             planet.CmdHabilities, planet.cmdOk, planet.cmdNo});
        EXPECT_EQ(TabWalk(expected, expected.size() - 1), expected);
        dialog.reject();
    });
}

TEST_F(KeyboardTest, SystemDialogTabsThroughItsFieldsAndBackwards) {
    Open([this] { window.GalaxyDoubleClick(); }, [](QDialog& dialog) {
        auto& system = dynamic_cast<FSystem&>(dialog);
        std::vector<QWidget*> expected{system.TxtSystemName, system.TxtSystemX,           system.TxtSystemY,
                                       system.cmdSystemPT,   system.txtSystemDescription, system.cmbSystemBackImage,
                                       system.cmbSystemSkyBox, system.chkCanStart,        Named(dialog, "cmdOk"),
                                       Named(dialog, "cmdNo")};
        ASSERT_TRUE(system.cmbSystemBackImage->isEnabled());
        EXPECT_EQ(TabWalk(expected, expected.size() - 1), expected);
        // Shift+Tab walks back the same way.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(FocusAmong(expected), expected[expected.size() - 2]);
        dialog.reject();
    });
}

// Every dialog of the editor: Escape cancels it with what Cancel does, Enter
// in its first field presses OK.
TEST_F(KeyboardTest, EscapeCancelsEveryObjectAndSystemDialog) {
    const std::int32_t before = window.Universe().NObjetosU();
    for (const std::int32_t kind : {KindStar, KindPlanet, KindAsteroids, KindStorm, KindWarpPoint}) {
        Press(3, 3);
        Open([&] { window.CreateObjectCommand(kind); }, [kind](QDialog& dialog) {
            Key(Qt::Key_Escape);
            EXPECT_EQ(dialog.result(), QDialog::Rejected) << kind;
            EXPECT_FALSE(dialog.isVisible()) << kind;
        });
        EXPECT_EQ(window.TypeText(), "Nothing") << "the window's Cancel ran for kind " << kind;
    }
    EXPECT_EQ(window.Universe().NObjetosU(), before);
    SelectSystem(alpha);
    Open([this] { window.GalaxyDoubleClick(); }, [](QDialog& dialog) {
        Key(Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    });
    EXPECT_EQ(alpha->name, "Alpha");
}

TEST_F(KeyboardTest, EnterConfirmsObjectDialogsFromAnyField) {
    Press(0, 0);
    Open([this] { window.CreateObjectCommand(KindStar); }, [](QDialog& dialog) {
        auto& star = dynamic_cast<FStar&>(dialog);
        star.cmbstarColor->setEditText("Yellow");
        star.cmbStarSize->setEditText("Medium");
        star.cmbExact->setEditText("Yellow Medium Star");
        star.TxtStarName->setFocus();
        star.TxtStarName->setText("Keyed");
        Key(Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    Press(5, -5);
    Open([this] { window.CreateObjectCommand(KindStorm); }, [](QDialog& dialog) {
        auto& storm = dynamic_cast<FStorm&>(dialog);
        storm.cmbExact->setFocus();
        storm.cmbExact->setEditText("Ion Storm");
        Key(Qt::Key_Enter);  // the keypad's Enter too
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    std::set<std::string> names;
    for (const SpaceObjectRef& object : ObjectsOf(alpha)) names.insert(KindWord(object->Tipo) + " " + object->name);
    EXPECT_TRUE(names.count("STAR Keyed")) << "star missing";
    EXPECT_EQ(ObjectsOf(alpha).size(), 2u);
}

TEST_F(KeyboardTest, EnterAndEscapeInTheMapDialogs) {
    for (const SystemRef& system : window.Universe().Systems()) {
        CStellarBackground sky;
        sky.Set(3, 1, 6, data.SystemTypes.StellarBackgrounds().front());
        system->addStellarBackground(sky);
    }
    // Save Map: Enter saves under the typed name, Escape saves nothing.
    Open([this] { window.SaveMenuCommand(); }, [](QDialog& dialog) {
        EXPECT_EQ(FocusAmong({dynamic_cast<FMapName&>(dialog).TxtFileName}), dynamic_cast<FMapName&>(dialog).TxtFileName);
        Key(Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    });
    EXPECT_EQ(window.Shared().MapName, "");
    Open([this] { window.SaveMenuCommand(); }, [](QDialog& dialog) {
        QTest::keyClicks(QApplication::focusWidget(), "keyed");
        Key(Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    EXPECT_EQ(window.Shared().MapName, "keyed");
    // Load Map: Enter on a highlighted file loads it.
    window.NewMapCommand();
    Open([this] { window.LoadMenuCommand(); }, [](QDialog& dialog) {
        auto& load = dynamic_cast<FLoad&>(dialog);
        load.F->setFocus();
        load.F->setCurrentItem(load.F->findItems("keyed.txt", Qt::MatchExactly).front());
        Key(Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    EXPECT_EQ(window.Universe().NSistemas(), 2);
    // Random Map: Escape leaves the map; Enter generates one.
    Open([this] { window.RandomMapCommand(); }, [](QDialog& dialog) {
        Key(Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    });
    EXPECT_EQ(window.Shared().MapName, "keyed");
    Open([this] { window.RandomMapCommand(); }, [](QDialog& dialog) {
        auto& random = dynamic_cast<FRandom&>(dialog);
        random.TxtMaxNumber->setFocus();
        random.TxtMaxNumber->setText("12");
        Key(Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    EXPECT_EQ(window.Universe().NSistemas(), 12);
}

TEST_F(KeyboardTest, EnterAndEscapeInTheSmallDialogs) {
    // Generate Random System: Escape makes nothing, Enter makes the system.
    PressCell(40, 40, 2);
    Open([this] { window.RandomSystemCommand(); }, [](QDialog& dialog) {
        Key(Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    });
    EXPECT_EQ(window.Universe().NSistemas(), 2);
    Open([this] { window.RandomSystemCommand(); }, [](QDialog& dialog) {
        QTest::keyClicks(dynamic_cast<FSystemType&>(dialog).txtname, "Typed");
        Key(Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    EXPECT_EQ(window.Universe().NSistemas(), 3);
    // About: both keys close it.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
        Open([this] { window.AboutCommand(); }, [key](QDialog& dialog) {
            Key(key);
            EXPECT_FALSE(dialog.isVisible()) << key;
        });
    // Abilities and object picking, opened by hand.
    AbilityChoice choice;
    FAbilities abilities(choice, &window);
    ASSERT_TRUE(Activate(abilities));
    EXPECT_EQ(FocusAmong({abilities.cmbAbility.front()}), abilities.cmbAbility.front());
    Key(Qt::Key_Return);
    EXPECT_EQ(abilities.result(), QDialog::Accepted);
    FSelectObject select(ObjectsOf(alpha), &window);
    ASSERT_TRUE(Activate(select));
    Key(Qt::Key_Escape);
    EXPECT_EQ(select.result(), QDialog::Rejected);
}

TEST_F(KeyboardTest, EnterInTheSettingsFolderListOpensTheFolderNotOk) {
    window.NewMapCommand();
    FPaths paths(data.Config, &window);
    ASSERT_TRUE(Activate(paths));
    auto* folders = Named<FolderList>(paths, "Dir1");
    folders->setFocus();
    const QString before = folders->Folder();
    folders->setCurrentRow(0);  // the root of the file system
    Key(Qt::Key_Return);
    EXPECT_NE(folders->Folder(), before);
    EXPECT_TRUE(paths.isVisible());
    EXPECT_EQ(paths.TxtData->text(), QDir::toNativeSeparators(folders->Folder()));
    // In a field, Enter is OK; Escape is Cancel.
    paths.TxtMap->setFocus();
    Key(Qt::Key_Return);
    EXPECT_TRUE(paths.Accepted());
    FPaths again(data.Config, &window);
    ASSERT_TRUE(Activate(again));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(again.Accepted());
    EXPECT_EQ(again.result(), QDialog::Rejected);
}

TEST_F(KeyboardTest, MapMenuKeysRunTheirCommandsAndShowInTheMenu) {
    ASSERT_TRUE(Activate(window));
    const struct {
        const char* action;
        QKeySequence keys;
        const char* dialog;  // what the command opens
    } commands[] = {{"LoadMap", QKeySequence::Open, "Load Map"},
                    {"saveMap", QKeySequence::Save, "Save Map"},
                    {"generatemap", QKeySequence(Qt::CTRL | Qt::Key_G), "Save&Generate Map"},
                    {"randommap", QKeySequence(Qt::CTRL | Qt::Key_R), "Create Quadrant"}};
    for (const auto& command : commands) {
        auto* action = Named<QAction>(window, command.action);
        EXPECT_EQ(action->shortcut(), command.keys) << command.action;
        // A menu shows the keys of its actions beside their captions.
        EXPECT_FALSE(action->shortcut().toString(QKeySequence::NativeText).isEmpty());
        prompts.openedDialogs.clear();
        QTest::keySequence(&window, command.keys);
        EXPECT_EQ(prompts.openedDialogs, std::vector<std::string>{command.dialog}) << command.action;
    }
    EXPECT_EQ(window.Universe().NSistemas(), 2);
    QTest::keySequence(&window, QKeySequence::Find);
    EXPECT_EQ(QApplication::focusWidget(), Named(window, "FindSystem"));
    // While a long operation runs, the menus are disabled and so are their keys.
    window.menuBar()->setEnabled(false);
    prompts.openedDialogs.clear();
    QTest::keySequence(&window, QKeySequence::Open);
    EXPECT_EQ(prompts.openedDialogs, std::vector<std::string>{});
    QTest::keySequence(&window, QKeySequence::New);
    EXPECT_EQ(window.Universe().NSistemas(), 2);
    window.menuBar()->setEnabled(true);
    EXPECT_EQ(Named<QAction>(window, "newmap")->shortcut(), QKeySequence(QKeySequence::New));
    QTest::keySequence(&window, QKeySequence::New);
    EXPECT_EQ(window.Universe().NSistemas(), 0);
}

TEST_F(KeyboardTest, NoTwoCommandsShareAKey) {
    std::set<QString> keys;
    for (const QAction* action : window.findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
            EXPECT_TRUE(keys.insert(key.toString()).second) << key.toString().toStdString() << " twice";
    EXPECT_GE(keys.size(), 9u);
}
