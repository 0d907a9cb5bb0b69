#include "settings/SettingsLocation.h"

#include <cstdlib>

#include "platform/Paths.h"
#include "settings/SettingsFile.h"

namespace fw {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// Where the user's configuration lives, without the program's own folder in it.
std::string UserConfigurationFolder() {
#ifdef _WIN32
  return Environment("APPDATA");
#else
  if (std::string folder = Environment("XDG_CONFIG_HOME"); !folder.empty() && folder[0] == '/')
    return folder;
  const std::string home = Environment("HOME");
  return home.empty() ? std::string() : WithTrailingSeparator(home) + ".config";
#endif
}

// True when a new file can be made in the folder: a temporary one is made and removed.
bool CanWriteIn(const std::string& folder, FileSystem& fs) {
  Result<TempFile> probe = fs.CreateTempFile(folder + std::string(kSettingsFileName), {});
  if (!probe)
    return false;
  fs.Discard(probe.value());
  return true;
}

}  // namespace

SettingsPaths LocateSettings(const std::string& programFolder, const std::string& userFolder) {
  const std::string beside = programFolder + std::string(kSettingsFileName);
  if (userFolder.empty())
    return {beside, beside};
  const std::string own = userFolder + std::string(kSettingsFileName);
  return {FileExists(own) || !FileExists(beside) ? own : beside, own};
}

std::string UserSettingsFolder(const std::string& programFolder, FileSystem& fs) {
  if (CanWriteIn(programFolder, fs))
    return {};
  const std::string configuration = UserConfigurationFolder();
  if (configuration.empty())
    return {};
  return WithTrailingSeparator(configuration) + "Fleetwright" + kSeparator;
}

}  // namespace fw
