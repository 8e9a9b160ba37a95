#include <QApplication>
#include <QSettings>
#include <chrono>
#include <filesystem>
#include <iostream>

#include "folders/UserFolderSeed.h"
#include "mapfile/MapSave.h"
#include "model/RandomSource.h"
#include "random/GameData.h"
#include "ui/ApplicationIdentity.h"
#include "ui/FMapEditor.h"
#include "ui/MessageBoxPrompts.h"

namespace {

// On Linux without any display Qt would abort with a plugin message; say
// plainly what is missing instead.
bool NoDisplay() {
#if defined(__linux__)
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

// From the build folder everything lies beside the executable; installed,
// the shipped files are read from share/ and the user's files live in the
// user's data folder, seeded on the first start.
ProgramFolders ChooseFolders(std::string& seedError) {
    const std::filesystem::path executableFolder = QApplication::applicationDirPath().toStdString();
    const ProgramFolders folders = FindProgramFolders(executableFolder, UserDataFolder());
    if (folders.Installed) seedError = SeedUserFolder(folders, executableFolder / MapCompilerProgramName);
    return folders;
}

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (NoDisplay()) {
        std::cerr << "TarsisDizIzuzuri needs a display: neither DISPLAY nor WAYLAND_DISPLAY is set.\n"
                     "Start it from a desktop session, or under xvfb-run for a virtual display.\n";
        return 1;
    }
    QApplication application(argc, argv);
    SetApplicationIdentity();
    std::string seedError;
    const ProgramFolders folders = ChooseFolders(seedError);
    GameData data;
    data.ProgramFolder = folders.Program;
    data.UserFolder = folders.User;
    RandomSource random;
    MessageBoxPrompts prompts;
    FMapEditor window(data, prompts, random);
    prompts.SetParent(&window);
    // Start-up then reports what is missing and the editor still opens.
    if (!seedError.empty()) prompts.Error(seedError);
    window.RunStartUp(ClockSeed());
    // Size, position and panels as the user left them.
    QSettings settings;
    window.RestoreLayout(settings);
    window.SetLayoutRemembered(true);
    // Kept apart from the maps, so a copy never replaces one.
    window.SetRecoveryFolder(UserDataFolder() / "Recovery");
    window.show();
    window.OfferRecovery();
    return QApplication::exec();
}
