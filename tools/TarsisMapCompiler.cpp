// Stand-in for the game's map compiler: TarsisMapCompiler.exe NAME.txt "MOD".
// Reads NAME.txt from the working folder and writes NAME.map beside it, or
// NAME.err with the reason when the map is malformed.
#include <filesystem>
#include <iostream>

#include "mapfile/CompiledMap.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: TarsisMapCompiler.exe NAME.txt \"MOD NAME\"\n";
        return 2;
    }
    const std::string error = CompileMapFile(std::filesystem::current_path(), argv[1], argc == 3 ? argv[2] : "");
    if (error.empty()) return 0;
    std::cerr << error << "\n";
    return 1;
}
