// Every reader of the data files ends at once with its own message on files
// that are not what they should be: special files, files that yield
// nothing, values that cannot be converted.
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

#include "TempFolder.h"
#include "catalog/AbilityCatalog.h"
#include "catalog/ModDefinition.h"
#include "catalog/StellarCatalog.h"
#include "catalog/SystemTypes.h"
#include "mapfile/MapTextLoader.h"
#include "mapfile/MapTextWriter.h"
#include "mapfile/OpenTypeNames.h"
#include "text/Reporter.h"
#include "random/ChanceTypes.h"
#include "random/NameGenerator.h"
#include "random/QuadrantTypes.h"
#include "random/RandomSystemTypes.h"
#include "random/SystemNames.h"

namespace fs = std::filesystem;

namespace {

using FileReader = std::function<bool(const fs::path&, Reporter&)>;

struct NamedReader {
    const char* failure;  // the first line of its message
    FileReader read;
    bool needsEntries = true;  // a readable file that yields nothing fails too
};

// Every reader of a game data file with the message it fails with.
std::vector<NamedReader> AllReaders() {
    static StellarCatalog stellar;
    static AbilityCatalog abilities;
    static SystemTypeCatalog systemTypes;
    static SystemNamePool names;
    static QuadrantTypeTable quadrants;
    static RandomSystemTypeTable randomTypes;
    static ChanceTypeTable chances;
    static std::string modName;
    return {
        {"The 'StellarObjectTypes.txt' path is incorrect",
         [](const fs::path& f, Reporter& r) { return stellar.ParseStellarObjectTypes(f, r); }},
        {"The 'StellarAbilitiesTypes.txt' path is incorrect",
         [](const fs::path& f, Reporter& r) { return abilities.ParseStellarAbilityTypes(f, r); }},
        {"The 'SystemTypes.txt' path is incorrect",
         [](const fs::path& f, Reporter& r) { return systemTypes.ParseSystemTypes(f, r); }},
        {"Can't load System names", [](const fs::path& f, Reporter& r) { return names.LoadSystemNames(f, r); }},
        {"Can't load Quadrant types", [](const fs::path& f, Reporter& r) { return quadrants.LoadQuadrantTypes(f, r); }},
        {"Can't load System types",
         [](const fs::path& f, Reporter& r) { return randomTypes.LoadRandomSystemTypes(f, r); }},
        {"Can't load Chance types", [](const fs::path& f, Reporter& r) { return chances.LoadChanceTypes(f, r); }},
        {"The 'Mod_Definition.txt' path is incorrect",
         [](const fs::path& f, Reporter& r) { return ReadModName(f, modName, r); }, false},
    };
}

// Runs every reader on the file; each must fail with its message followed by the reason.
void ExpectEveryReaderFails(const fs::path& file, const std::string& reason, bool readable = false) {
    for (const NamedReader& reader : AllReaders()) {
        if (readable && !reader.needsEntries) continue;
        RecordingReporter reporter;
        EXPECT_FALSE(reader.read(file, reporter)) << reader.failure;
        ASSERT_EQ(reporter.Messages().size(), 1u) << reader.failure;
        const std::string message = reporter.Messages()[0];
        EXPECT_EQ(message.rfind(std::string(reader.failure) + "\n\n", 0), 0u) << message;
        EXPECT_NE(message.find(reason), std::string::npos) << message;
    }
}

}  // namespace

TEST(DataFileFailures, SpecialFilesAreRefusedAtOnceByEveryReader) {
    TempFolder temp;
    const fs::path fifo = temp.Path() / "pipe.txt", random = temp.Path() / "random.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("/dev/urandom", random);
    for (const fs::path& file : {fifo, random}) {
        ExpectEveryReaderFails(file, file.string() + " is not a regular file");
        const LoadResult map = LoadMapText(file, OpenTypeNames());
        EXPECT_EQ(map.error, file.string() + ": the map file is not a regular file");
    }
    ExpectEveryReaderFails(temp.Path(), "is a folder, not a file");

    // The small files of the program folder: rules.dat and the black-hole template.
    fs::create_symlink("/dev/urandom", temp.Path() / NameRulesFileName);
    EXPECT_TRUE(ReadNameRules(temp.Path()).empty());
    fs::create_symlink("pipe.txt", temp.Path() / BlackHoleTemplateName);
    CUniverse universe;
    SystemRef hole = NewSystem();
    hole->name = "Hole";
    hole->PhysicalType = PhysicalBlackHole;
    universe.AddSystem(hole);
    const TxtBlock written = GenerateMapTxt(universe, OpenTypeNames(), temp.Path());
    EXPECT_NE(written.error.find("BlackHole.dat' is not a regular file"), std::string::npos) << written.error;
}

TEST(DataFileFailures, OversizedSmallFilesAreRefused) {
    TempFolder temp;
    std::ofstream(temp.Path() / BlackHoleTemplateName, std::ios::binary) << std::string(MaxSmallFileBytes, 'x') << "\r\n";
    std::ofstream(temp.Path() / NameRulesFileName, std::ios::binary) << std::string(MaxSmallFileBytes + 1, 'C');
    EXPECT_TRUE(ReadNameRules(temp.Path()).empty());
    CUniverse universe;
    SystemRef hole = NewSystem();
    hole->PhysicalType = PhysicalBlackHole;
    universe.AddSystem(hole);
    EXPECT_NE(GenerateMapTxt(universe, OpenTypeNames(), temp.Path()).error.find("is larger than 1 MB"),
              std::string::npos);
}

TEST(DataFileFailures, FilesThatYieldNothingCountAsFailedWithTheReason) {
    TempFolder temp;
    // UTF-16 text: every character followed by a zero byte, so no key matches.
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("Stellar Object Name := Sol\r\nName := Normal Planet\r\nMod Name = X\r\n*END*\r\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    std::ofstream(temp.Path() / "utf16.txt", std::ios::binary) << utf16;
    ExpectEveryReaderFails(temp.Path() / "utf16.txt", "nothing usable was read; expected ", true);
    std::ofstream(temp.Path() / "empty.txt", std::ios::binary) << "";
    ExpectEveryReaderFails(temp.Path() / "empty.txt", "nothing usable was read; expected ", true);
}

TEST(DataFileFailures, ParseFailuresNameTheLineAndWhatWasExpected) {
    TempFolder temp;
    const auto quadrant = [](const std::string& maxWarps) {
        return std::vector<std::string>{"header",
                                        "*BEGIN*",
                                        Keyed("Name", 26, "Q"),
                                        Keyed("Description", 26, "x"),
                                        Keyed("Unused Number", 26, "0"),
                                        Keyed("Unused", 26, "x"),
                                        Keyed("Max Warp Points", 26, maxWarps)};
    };
    const fs::path file = temp.Write("QuadrantTypes.txt", quadrant("lots"));
    QuadrantTypeTable quadrants;
    RecordingReporter reporter;
    EXPECT_FALSE(quadrants.LoadQuadrantTypes(file, reporter));
    EXPECT_EQ(reporter.Messages(), std::vector<std::string>{"Can't load Quadrant types\n\n" + file.string() +
                                                            ", line 7: expected a number, found 'lots'"});

    // A file ending inside an entry names the line after its last one.
    const fs::path cut = temp.Write("Abilities.txt", {Keyed("Name ", 48, "Normal Planet"), Keyed("Count", 48, "1"),
                                                      Keyed("Chance", 48, "10")});
    AbilityCatalog abilities;
    EXPECT_FALSE(abilities.ParseStellarAbilityTypes(cut, reporter));
    EXPECT_EQ(reporter.Messages().back(), "The 'StellarAbilitiesTypes.txt' path is incorrect\n\n" + cut.string() +
                                              ", line 4: the file ends inside an entry; expected more lines");

    // A huge value is quoted short.
    const fs::path huge = temp.Write("Huge.txt", quadrant(std::string(1 << 20, '9') + "x"));
    EXPECT_FALSE(quadrants.LoadQuadrantTypes(huge, reporter));
    EXPECT_LT(reporter.Messages().back().size(), 300u);
    EXPECT_NE(reporter.Messages().back().find("999...'"), std::string::npos);
}
