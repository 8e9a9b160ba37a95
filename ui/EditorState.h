#pragma once

#include <cstdint>
#include <string>
#include <vector>


// The values of the item being created or edited. The main window fills it
// before opening a dialog, the dialog shows and edits it, and the main window
// builds or updates the model item from it after OK.
struct CurrentObjectRecord {
    std::int32_t X = 0, Y = 0;
    std::string Name;
    std::string Colour;
    std::string Size;
    std::string DestinationName;
    std::vector<std::string> DestinationList;  // kept by Reset
    std::int32_t DestX = 0, DestY = 0;
    std::int32_t Minerals = 0, Organics = 0, Radioactives = 0;
    std::string Type;
    std::string Atmosphere;
    std::int32_t Temperature = 0;
    std::string Conditions = "0", Gravity = "0";
    std::int32_t Radiation = 0;
    std::int32_t ObjectType = 0;
    std::string Description;
    std::string PhysicalTypeName;
    std::string PortraitBitmap;
    std::string PortraitIndex = "0";
    std::string SkyBox;
    bool CanStart = true;

    void Reset() {
        std::vector<std::string> keep = std::move(DestinationList);
        *this = CurrentObjectRecord{};
        DestinationList = std::move(keep);
    }
};

// The values the main window shares with its dialogs.
struct EditorState {
    CurrentObjectRecord CurrentObject;
    bool CreatingNew = false;
    bool ObjectDialogAllowed = false;
    std::string MapName;
    std::int32_t TickCount = 0;
};

// What a dialog calls when it closes: the main window's Update (OK) and Cancel.
class DialogHost {
public:
    virtual ~DialogHost() = default;
    // False when the values were refused (the refusal was shown): the dialog
    // stays open with what the user typed.
    virtual bool Update() = 0;
    virtual void Cancel() = 0;
};
