// Writes the editor's bitmaps into a program folder: the sector hexagons and
// atmosphere rings beside the program, and one picture per picture file of
// the stellar catalogue into the picture folder its settings point to.
#include <QGuiApplication>
#include <filesystem>
#include <iostream>

#include "random/GameData.h"
#include "random/StartUp.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"
#include "ui/ProgramBitmaps.h"

namespace {

class PrintingReporter : public Reporter {
public:
    void Error(const std::string& message) override { std::cerr << message << '\n'; }
    void Information(const std::string& message) override { std::cerr << message << '\n'; }
    bool Question(const std::string&) override { return true; }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: GenerateBitmaps <program folder>\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const std::filesystem::path programFolder = argv[1];
    if (std::string error = WriteSectorBitmaps(programFolder); !error.empty()) {
        std::cerr << error << '\n';
        return 1;
    }
    GameData data;
    data.ProgramFolder = programFolder;
    RandomSource random;
    PrintingReporter reporter;
    StartUp(programFolder, data, random, 1, reporter);
    const std::filesystem::path pictures = ResolveFolder(programFolder, data.Config.PrimaryPictureFolder);
    if (std::string error = WriteObjectPictures(data.Stellar, pictures); !error.empty()) {
        std::cerr << error << '\n';
        return 1;
    }
    std::cout << "Bitmaps written; " << data.Stellar.PictureFiles().size() << " pictures in " << pictures.string()
              << '\n';
    return 0;
}
