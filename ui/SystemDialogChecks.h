#pragma once

#include <functional>
#include <optional>
#include <string>

struct CurrentObjectRecord;

// The values of the system dialog's fields, as typed.
struct SystemDialogInput {
    std::string name;
    std::string x, y;
    std::string physicalType;
    std::string description;
    std::string portrait;
    std::string background;
    bool canStart = true;
};

// A portrait entry of the system types data.
struct PortraitChoice {
    std::string physicalType;
    std::string bitmap;
    std::string index;
};

struct SystemDialogLookups {
    // FindPortrait: nothing when no entry has that bitmap name.
    std::function<std::optional<PortraitChoice>(const std::string&)> findPortrait;
    // FindBackground: the name when it is a known image, else empty.
    std::function<std::string(const std::string&)> findBackground;
};

// Runs the system dialog's checks in their fixed order. On the first failure
// returns its message and leaves the record untouched except for the portrait
// and background values a lookup already filled; on success writes every
// value into the record and returns nothing.
std::optional<std::string> CheckSystemDialog(const SystemDialogInput& input, const SystemDialogLookups& lookups,
                                             CurrentObjectRecord& current);
