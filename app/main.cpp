#include <QApplication>
#include <chrono>
#include <filesystem>
#include <iostream>

#include "random/GameData.h"
#include "model/RandomSource.h"
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
    QApplication::setApplicationName(ApplicationTitle());
    GameData data;
    // The program folder is the executable's own: settings, bitmaps and maps lie there.
    data.ProgramFolder = std::filesystem::path(QApplication::applicationDirPath().toStdString());
    RandomSource random;
    MessageBoxPrompts prompts;
    FMapEditor window(data, prompts, random);
    prompts.SetParent(&window);
    window.RunStartUp(ClockSeed());
    window.show();
    return QApplication::exec();
}
