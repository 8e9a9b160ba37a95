#pragma once

#include <filesystem>

// The identifier of the desktop entry, the icon and the metainfo.
inline constexpr const char* DesktopFileId = "org.tarsisdizizuzuri.TarsisDizIzuzuri";

// Gives Qt the editor's names once, in main: the application name is also the
// name of the user's folder under the XDG data home, so everything that asks
// QStandardPaths::AppDataLocation (the recovery file too) agrees with the
// folder the command-line tool works out without Qt.
void SetApplicationIdentity();

// The user's writable folder of the installed editor (not created here).
std::filesystem::path UserDataFolder();
