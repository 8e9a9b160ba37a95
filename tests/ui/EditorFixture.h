#pragma once

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

#include "catalog/GameData.h"
#include "model/RandomSource.h"
#include "ui/FMapEditor.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/RecordingPrompts.h"

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

// A main window started on the shipped data with recording prompts and no
// context menus (a menu would wait for a user).
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        data.ProgramFolder = folder.Path();
        window = std::make_unique<FMapEditor>(data, prompts, random);
        window->SetContextMenusShown(false);
        window->RunStartUp(7);
        ASSERT_TRUE(prompts.Messages().empty()) << prompts.Messages().front();
    }

    QString Label(const char* name) const {
        auto* label = window->findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("<no label>");
    }

    // The pixel of the middle of galaxy cell (X, Y).
    static QPointF CellPixel(int X, int Y) { return QPointF(4 * X + 2, 4 * Y + 2); }

    void PressCell(int X, int Y, int button = 1) {
        const QPointF p = CellPixel(X, Y);
        window->GalaxyPress(button, p.x(), p.y());
    }

    SystemRef AddSystem(const std::string& name, int X, int Y) {
        SystemRef system = NewSystem();
        system->name = name;
        system->X = X;
        system->y = Y;
        system->PhysicalType = PhysicalNormal;
        window->Universe().AddSystem(system);
        return system;
    }

    SpaceObjectRef AddObject(const SystemRef& system, const std::string& kind, int X, int Y, int stellarType) {
        SpaceObjectRef object = NewSpaceObject(kind);
        object->systema = system;
        object->coord = {X, Y};
        object->StellarObjectType = stellarType;
        window->Universe().AddSpaceObject(object, system->ID);
        return object;
    }

    // Ordinal of the first catalogue entry of a physical type (and subtype).
    int FirstOrdinal(const std::string& physicalType, const std::string& colour = "") const {
        for (const StellarTypeEntry& entry : data.Stellar.Entries())
            if (entry.PhysicalType == physicalType && (colour.empty() || entry.Colour == colour)) return entry.Ordinal;
        return 0;
    }

    ProgramFolderCopy folder;
    GameData data;
    RecordingPrompts prompts;
    RandomSource random{7};
    std::unique_ptr<FMapEditor> window;
};
