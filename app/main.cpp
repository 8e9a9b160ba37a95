#include <QApplication>
#include <chrono>
#include <filesystem>

#include "catalog/GameData.h"
#include "model/RandomSource.h"
#include "ui/FMapEditor.h"
#include "ui/MessageBoxPrompts.h"

namespace {

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

int main(int argc, char* argv[]) {
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
