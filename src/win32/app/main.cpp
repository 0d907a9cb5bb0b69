#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "settings/SettingsLocation.h"
#include "win32/Win32Platform.h"
#include "win32/WindowsApi.h"
#include "win32/app/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  fw::Win32DocumentOpener documents;
  const std::string folder = fw::AppPath();
  const fw::AppContext app{fw::NativeFileSystem(), documents, folder,
                           fw::UserSettingsFolder(folder)};
  return fw::win32::RunApplication(app);
}
