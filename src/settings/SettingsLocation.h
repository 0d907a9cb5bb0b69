#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace fw {

// Where the settings file is read from and written to.
struct SettingsPaths {
  std::string Read;
  std::string Write;
};

// The settings file beside the program (programFolder ends in a separator) when userFolder is
// empty. Otherwise it is written in userFolder, and read there once it exists; until then the
// one beside the program, if any, is read.
SettingsPaths LocateSettings(const std::string& programFolder, const std::string& userFolder);

// The folder for the user's own settings, ending in a separator, when the program's folder cannot
// be written to (an installed program): $XDG_CONFIG_HOME/Fleetwright/ (by default
// ~/.config/Fleetwright/) on Linux, %APPDATA%\Fleetwright\ on Windows. Empty when the program's
// folder can be written to, or when no user folder can be told.
std::string UserSettingsFolder(const std::string& programFolder,
                               FileSystem& fs = NativeFileSystem());

}  // namespace fw
