#pragma once

#include <filesystem>

#include "text/TextHelpers.h"

// The shipped default program folder: the build's program folder when it was
// laid out, else the source copy.
inline std::filesystem::path ShippedProgramFolder() {
    const std::filesystem::path built(DIZ_PROGRAM_DIR);
    if (FileExists(built / "DizIzuzuri.ini")) return built;
    return std::filesystem::path(DIZ_TEST_DATA_DIR) / ".." / ".." / "data" / "program";
}
