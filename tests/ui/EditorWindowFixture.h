#pragma once

// An editor window over the shipped data set, driven through its handlers
// with prompts that record messages and drive dialogs.

#include <gtest/gtest.h>

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "catalog/GameData.h"
#include "model/RandomSource.h"
#include "model/SectorField.h"
#include "ui/FMapEditor.h"
#include "ui/GalaxyRenderer.h"
#include "ui/RecordingPrompts.h"
#include "ui/dialogs/FAbilities.h"
#include "ui/dialogs/FPlanet.h"
#include "ui/dialogs/FSelectObject.h"
#include "ui/dialogs/FStar.h"
#include "ui/dialogs/FWarp.h"

struct ProgramData {
    ProgramData() { data.ProgramFolder = DIZ_PROGRAM_DIR; }
    GameData data;
};

// Pixel inside a sector: the middle of the pixels that map to it.
inline std::pair<int, int> SectorPixel(std::int32_t X, std::int32_t Y) {
    long sumX = 0, sumY = 0, n = 0;
    for (int px = 0; px < 720; ++px)
        for (int py = 0; py < 720; ++py) {
            const PixelSector s = PixelToSector(px, py);
            if (s.X == X && s.Y == Y) sumX += px, sumY += py, ++n;
        }
    return n == 0 ? std::pair{-1, -1} : std::pair{static_cast<int>(sumX / n), static_cast<int>(sumY / n)};
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

inline RecordingPrompts::DialogDriver WarpDriver(const char* destination, int destX, int destY,
                                                 const char* exact = "Large Warp Point") {
    return Confirm<FWarp>([=](FWarp& warp) {
        warp.cmbWarpDestination->setEditText(destination);
        warp.TxtWarpDestX->setText(QString::number(destX));
        warp.TxtWarpDestY->setText(QString::number(destY));
        warp.cmbExact->setEditText(exact);
    });
}

class EditorWindowTest : public ::testing::Test, protected ProgramData {
protected:
    EditorWindowTest() : window(data, prompts, random) {
        window.SetContextMenusShown(false);
        window.RunStartUp(11);
        prompts.ClearMessages();
        alpha = AddSystem("Alpha", PhysicalNormal, 10, 10);
        beta = AddSystem("Beta", PhysicalNormal, 30, 20);
        SelectSystem(alpha);
    }

    SystemRef AddSystem(const std::string& name, std::uint8_t physicalType, int column, int row) {
        SystemRef system = NewSystem();
        system->name = name;
        system->PhysicalType = physicalType;
        system->X = column;
        system->y = row;
        window.Universe().AddSystem(system);
        return system;
    }

    void SelectSystem(const SystemRef& system) {
        window.GalaxyPress(1, GalaxyCellSize * system->X + 2, GalaxyCellSize * system->y + 2);
        window.GalaxyClick();
    }

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
    RandomSource random{3};
    FMapEditor window;
    SystemRef alpha, beta;
};
