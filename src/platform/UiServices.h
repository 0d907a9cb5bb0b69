#pragma once

#include <string>

#include "platform/BusyPointer.h"
#include "platform/DocumentOpener.h"
#include "platform/FileDialog.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

namespace fw {

// What one window reaches the platform through: boxes and file dialogs it owns, and the busy
// pointer over it. Each toolkit's view makes them for its own window; tests put fakes here.
struct WindowServices {
  MessageBoxes& Boxes;
  FileDialog& Files;
  BusyPointer& Pointer;
};

// What the whole program shares: the file system, the desktop, and where its files live.
struct AppContext {
  FileSystem& Fs;
  DocumentOpener& Documents;
  // The program's folder, ending in a separator: help page and World AI files.
  std::string ProgramFolder;
  // The user's own settings folder, ending in a separator, when the program's folder cannot be
  // written to; empty when the settings file lives beside the program (see
  // settings/SettingsLocation.h).
  std::string UserSettingsFolder;
};

}  // namespace fw
