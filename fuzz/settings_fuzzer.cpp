// Any bytes as the settings file: the reader ends, and what it read saves
// and reads back to the same values.
#include "FuzzSupport.h"
#include "catalog/Settings.h"
#include "text/Reporter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteFile(SettingsFileName, fuzz::Text(data, size));
    Settings read;
    SilentReporter reporter;
    if (!LoadSettings(fuzz::Folder(), read, reporter)) return 0;
    const auto again = fuzz::Folder() / "again";
    std::filesystem::create_directories(again);
    fuzz::Check(SaveSettings(again, read).empty());
    Settings back;
    fuzz::Check(LoadSettings(again, back, reporter));
    fuzz::Check(back.DataDirectory == read.DataDirectory && back.MapCompilerPath == read.MapCompilerPath &&
                back.MapFolder == read.MapFolder &&
                back.MultipleObjectsInSameSector == read.MultipleObjectsInSameSector);
    return 0;
}
