#pragma once

// A main window on a copy of the program folder, driven through its handlers
// with prompts that record messages and drive dialogs.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "../core/ModelTestSupport.h"
#include "random/GameData.h"
#include "model/RandomSource.h"
#include "model/SectorField.h"
#include "ui/FMapEditor.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/RecordingPrompts.h"
#include "ui/dialogs/FAbilities.h"
#include "ui/dialogs/FPlanet.h"
#include "ui/dialogs/FSelectObject.h"
#include "ui/dialogs/FStar.h"
#include "ui/dialogs/FWarp.h"

// A copy of the program folder (shipped data and generated bitmaps) that a
// test may change, removed afterwards.
class ProgramFolderCopy {
public:
    ProgramFolderCopy() {
        path_ = std::filesystem::temp_directory_path() / ("diz_ui_test_" + std::to_string(std::random_device{}()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        // The data files and bitmaps, not the executables beside them.
        for (const auto& entry : std::filesystem::directory_iterator(DIZ_PROGRAM_DIR)) {
            const std::string extension = entry.path().extension().string();
            if (entry.is_directory() || extension == ".ini" || extension == ".bmp" || extension == ".dat" ||
                extension == ".txt")
                std::filesystem::copy(entry.path(), path_ / entry.path().filename(),
                                      std::filesystem::copy_options::recursive);
        }
    }
    ~ProgramFolderCopy() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The game data read from the copy; a base so it exists before the window.
struct ProgramData {
    ProgramData() {
        data.ProgramFolder = folder.Path();
        data.UserFolder = folder.Path();
    }
    ProgramFolderCopy folder;
    GameData data;
};

// A pixel well inside the hexagon of sector (X, Y).
inline std::pair<int, int> SectorPixel(std::int32_t X, std::int32_t Y) {
    const LabelPoint label = SectorToPixel(X, -Y);
    return {label.x - 16, label.y + 16};
}

// The pixels of one colour in an area of an image.
inline int CountColour(const QImage& image, QRect area, QColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

// Fills an object dialog as a user would, then presses OK.
template <class Dialog>
RecordingPrompts::DialogDriver Confirm(std::function<void(Dialog&)> fill) {
    return [fill = std::move(fill)](QDialog& dialog) {
        auto& object = dynamic_cast<Dialog&>(dialog);
        fill(object);
        object.cmdOk->click();
        return dialog.result();
    };
}

inline RecordingPrompts::DialogDriver StarDriver() {
    return Confirm<FStar>([](FStar& star) {
        star.cmbstarColor->setEditText("Yellow");
        star.cmbStarSize->setEditText("Medium");
        star.cmbExact->setEditText("Yellow Medium Star");
    });
}

inline RecordingPrompts::DialogDriver StormDriver() {
    return Confirm<FStorm>([](FStorm& storm) { storm.cmbExact->setEditText("Ion Storm"); });
}

inline RecordingPrompts::DialogDriver WarpDriver(const char* destination, int destX, int destY) {
    return Confirm<FWarp>([=](FWarp& warp) {
        warp.cmbWarpDestination->setEditText(destination);
        warp.TxtWarpDestX->setText(QString::number(destX));
        warp.TxtWarpDestY->setText(QString::number(destY));
        warp.cmbExact->setEditText("Large Warp Point");
    });
}

// The window started on the copy, with no context menus (a menu would wait
// for a user).
class EditorFixture : public ::testing::Test, protected ProgramData {
protected:
    EditorFixture() : window(data, prompts, random) {
        window.SetContextMenusShown(false);
        window.RunStartUp(7);
        EXPECT_EQ(prompts.Messages(), std::vector<std::string>{});
    }

    QString Label(const char* name) const {
        auto* label = window.findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("<no label>");
    }

    // Presses the middle of galaxy cell (X, Y).
    void PressCell(int X, int Y, int button = 1) { window.GalaxyPress(button, 4 * X + 2, 4 * Y + 2); }

    void SelectSystem(const SystemRef& system) {
        PressCell(system->X, system->y);
        window.GalaxyClick();
    }

    SystemRef AddSystem(const std::string& name, int X, int Y, std::uint8_t physical = PhysicalNormal) {
        return AddTestSystem(window.Universe(), name, X, Y, physical);
    }

    SpaceObjectRef AddObject(const SystemRef& system, const std::string& kind, int X, int Y, int stellarType) {
        SpaceObjectRef object = AddTestObject(window.Universe(), system, kind, X, Y);
        object->StellarObjectType = stellarType;
        return object;
    }

    // Ordinal of the first catalogue entry of a physical type (and colour).
    int FirstOrdinal(const std::string& physicalType, const std::string& colour = "") const {
        for (const StellarTypeEntry& entry : data.Stellar.Entries())
            if (entry.PhysicalType == physicalType && (colour.empty() || entry.Colour == colour)) return entry.Ordinal;
        return 0;
    }

    // Presses a sector of the system map; a left press is released in place.
    void Press(std::int32_t X, std::int32_t Y, int button = 1) {
        const auto [px, py] = SectorPixel(X, Y);
        window.SystemMapPress(button, px, py);
        if (button == 1) window.SystemMapRelease(button, px, py);
    }

    // A create command of the system map's context menu on a sector.
    void Create(std::int32_t kind, std::int32_t X, std::int32_t Y, RecordingPrompts::DialogDriver driver = nullptr) {
        Press(X, Y);
        if (driver) prompts.QueueDialog(std::move(driver));
        window.CreateObjectCommand(kind);
    }

    // Queues the abilities dialog: each (slot, item) pair picks an item of that
    // slot's list, then OK. With `items` set, every list must offer that many.
    void QueueAbilityPicks(std::vector<std::pair<int, int>> picks, int items = -1) {
        prompts.QueueDialog([picks, items](QDialog& d) {
            auto& abilities = dynamic_cast<FAbilities&>(d);
            if (items >= 0) {
                for (QComboBox* list : abilities.cmbAbility) EXPECT_EQ(list->count(), items);
            }
            for (const auto& [slot, item] : picks) abilities.cmbAbility.at(slot)->setCurrentIndex(item);
            abilities.cmdOk->click();
            return d.result();
        });
    }

    std::vector<SpaceObjectRef> ObjectsOf(const SystemRef& system) {
        return window.Universe().SpaceObjectsOf(system->ID);
    }

    RecordingPrompts prompts;
    RandomSource random{7};
    FMapEditor window;
};

// Two normal systems, Alpha selected, ready for the system map.
class EditorWindowTest : public EditorFixture {
protected:
    EditorWindowTest() {
        alpha = AddSystem("Alpha", 10, 10);
        beta = AddSystem("Beta", 30, 20);
        SelectSystem(alpha);
    }

    SystemRef alpha, beta;
};
