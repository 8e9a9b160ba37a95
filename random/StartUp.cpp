#include "random/StartUp.h"

#include "catalog/ModDefinition.h"
#include "text/TextHelpers.h"
#include "model/RandomSource.h"
#include "text/Reporter.h"

namespace {

void NoteFailure(bool ok, const char* fileName, StartUpResult& result) {
    if (!ok) result.FailedFiles.push_back(fileName);
}

// The catalogues of the data folder.
void ReadCatalogues(GameData& data, Reporter& reporter, StartUpResult& result) {
    NoteFailure(data.Stellar.ParseStellarObjectTypes(data.DataFile(StellarCatalog::FileName), reporter),
                StellarCatalog::FileName, result);
    NoteFailure(data.Abilities.ParseStellarAbilityTypes(data.DataFile(AbilityCatalog::FileName), reporter),
                AbilityCatalog::FileName, result);
    NoteFailure(data.SystemTypes.ParseSystemTypes(data.DataFile(SystemTypeCatalog::FileName), reporter),
                SystemTypeCatalog::FileName, result);
}

void FillFolderTexts(const Settings& settings, StatusTexts& status) {
    status.LblUsingParse = "Using Files in '" + settings.DataDirectory + "' to define objects";
    status.lblPaths = "Map Compiler: " + settings.MapCompilerPath + "\r" + "Map Folder: " + settings.MapFolder;
    status.lblAllow = "Allow multiple objects in same sector: " + UpperCase(settings.MultipleObjectsInSameSector);
}

// The four random-generation readers, in their fixed order.
void ReadRandomTables(GameData& data, Reporter& reporter, StartUpResult& result) {
    NoteFailure(data.SystemNames.LoadSystemNames(data.DataFile(SystemNamePool::FileName), reporter),
                SystemNamePool::FileName, result);
    NoteFailure(data.QuadrantTypes.LoadQuadrantTypes(data.DataFile(QuadrantTypeTable::FileName), reporter),
                QuadrantTypeTable::FileName, result);
    NoteFailure(
        data.RandomSystemTypes.LoadRandomSystemTypes(data.DataFile(RandomSystemTypeTable::FileName), reporter),
        RandomSystemTypeTable::FileName, result);
    NoteFailure(data.ChanceTypes.LoadChanceTypes(data.DataFile(ChanceTypeTable::FileName), reporter),
                ChanceTypeTable::FileName, result);
}

// Catalogues, folder texts and random tables: what start-up and the settings
// command both read.
void ReadDataFolder(GameData& data, Reporter& reporter, StartUpResult& result) {
    ReadCatalogues(data, reporter, result);
    FillFolderTexts(data.Config, result.Status);
    ReadRandomTables(data, reporter, result);
}

void DerivePictureFolders(GameData& data) {
    Settings& s = data.Config;
    s.SecondaryPictureFolder = PictureFolderOf(s.MapFolder);
    s.PrimaryPictureFolder = PictureFolderOf(s.DataDirectory);
    data.Stellar.SetPictureFolders(ResolveFolder(data.UserFolder, s.PrimaryPictureFolder),
                                   ResolveFolder(data.UserFolder, s.SecondaryPictureFolder));
}

// The mod name beside the data folder and the picture folders: both follow
// the data and map folders of the settings.
void ReadModAndPictures(GameData& data, Reporter& reporter, StartUpResult& result) {
    const auto modFile =
        ResolveFolder(data.UserFolder, ParentByCutting(data.Config.DataDirectory)) / ModDefinitionFileName;
    NoteFailure(ReadModName(modFile, data.Config.ModName, reporter), ModDefinitionFileName, result);
    result.Status.lblMod = data.Config.ModName;
    DerivePictureFolders(data);
}

}  // namespace

StartUpResult StartUp(const std::filesystem::path& programFolder, const std::filesystem::path& userFolder,
                      GameData& data, RandomSource& random, std::uint64_t seed, Reporter& reporter) {
    StartUpResult result;
    data.ProgramFolder = programFolder;
    data.UserFolder = userFolder;
    NoteFailure(LoadSettings(userFolder, data.Config, reporter), SettingsFileName, result);
    random.Seed(seed);
    ReadDataFolder(data, reporter, result);
    ReadModAndPictures(data, reporter, result);
    return result;
}

StartUpResult ReloadWithSettings(GameData& data, const Settings& pending, Reporter& reporter) {
    StartUpResult result;
    const std::string error = SaveSettings(data.UserFolder, pending);
    if (!error.empty()) {
        reporter.Error(error);
        result.FailedFiles.push_back(SettingsFileName);
        FillFolderTexts(data.Config, result.Status);
        result.Status.lblMod = data.Config.ModName;
        return result;
    }
    NoteFailure(LoadSettings(data.UserFolder, data.Config, reporter), SettingsFileName, result);
    ReadDataFolder(data, reporter, result);
    // Applied at once: pictures and mod name must not wait for a restart.
    ReadModAndPictures(data, reporter, result);
    return result;
}
