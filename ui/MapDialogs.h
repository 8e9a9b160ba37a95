#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
struct GameData;
class UserPrompts;

// The map name of a listed map file: the file name without its 4-character
// extension (".txt" or ".TXT").
QString MapNameOfFile(const QString& fileName);
// Map names are file names: kept in the file system's own encoding (UTF-8),
// not as map text.
QString MapNameText(const std::string& name);
std::string MapNameBytes(const QString& name);
std::filesystem::path MapFilePath(const QString& fileName);
// "NAME - TarsisDizIzuzuri"; the program's name alone for a map without one.
// The "[*]" placeholder carries the window's modified mark.
QString MapWindowTitle(const std::string& name);
// "Load Map" with no map highlighted.
inline constexpr const char* NoMapChosenText = "Choose a map in the list of Available Maps first";
// The map file chosen in a list of maps: its current entry, the one its
// field names, whether or not it is also selected (a list taking the focus
// makes its first entry current without selecting it).
QString ChosenMapFileOf(const QListWidget& list);
// Keeps a field showing the name of the map chosen in the list, and nothing
// when none is, so it names exactly the map that would load.
void ShowChosenMapIn(QListWidget& list, QLineEdit& field);

// "Save Map" and "Save&Generate Map": the map name, then the save or the
// save-and-compile command with it.
class FMapName : public QDialog {
    Q_OBJECT
public:
    FMapName(const QString& caption, const std::string& mapName, std::function<void(const std::string&)> run,
             QWidget* parent = nullptr);

    QLineEdit* TxtFileName = nullptr;
    void Ok();

private:
    std::function<void(const std::string&)> run_;
};

// "Load Map": the txt maps of the program folder; the highlighted one (by
// mouse or keys) is shown and OK loads that file.
class FLoad : public QDialog {
    Q_OBJECT
public:
    FLoad(const QStringList& maps, UserPrompts& prompts, std::function<void(const QString&)> load,
          QWidget* parent = nullptr);

    QListWidget* F = nullptr;
    QLineEdit* TxtFileName = nullptr;
    void Ok();

private:
    UserPrompts& prompts_;
    std::function<void(const QString&)> load_;
};

// "Create Quadrant": quadrant type, number of systems and shape of a random map.
class FRandom : public QDialog {
    Q_OBJECT
public:
    FRandom(const GameData& data, UserPrompts& prompts, QWidget* parent = nullptr);

    QComboBox* cmbGalType = nullptr;
    QLineEdit* TxtMaxNumber = nullptr;
    QComboBox* CmbShape = nullptr;
    void Ok();

    // The confirmed choices; the type stays empty when the dialog was cancelled.
    std::string galaxyType;
    std::int32_t numberOfSystems = 0;
    std::string shape;

private:
    void TypeChanged(const QString& type);
    const GameData& data_;
    UserPrompts& prompts_;
};

// "System Type": one random system of a chosen type, with an optional name.
class FSystemType : public QDialog {
    Q_OBJECT
public:
    // generate(type name, typed name) makes the system.
    FSystemType(const GameData& data, UserPrompts& prompts,
                std::function<void(const std::string&, const std::string&)> generate, QWidget* parent = nullptr);

    QComboBox* cmbType = nullptr;
    QLineEdit* txtname = nullptr;
    void Ok();
    // Why a typed name cannot be used (empty: it can); checked before OK closes.
    void SetNameCheck(std::function<std::string(const std::string&)> check) { nameCheck_ = std::move(check); }

private:
    const GameData& data_;
    UserPrompts& prompts_;
    std::function<void(const std::string&, const std::string&)> generate_;
    std::function<std::string(const std::string&)> nameCheck_;
};
