#pragma once

#include <string>

#include "platform/BusyPointer.h"
#include "platform/DocumentOpener.h"
#include "platform/FileDialog.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

namespace fw {

// What the windows reach the platform through; tests put fakes and a temporary folder here.
struct UiServices {
  MessageBoxes& Boxes;
  FileDialog& Files;
  DocumentOpener& Documents;
  BusyPointer& Pointer;
  FileSystem& Fs;
  // The program's folder, ending in a separator: settings file, help page and World AI files.
  std::string ProgramFolder;
};

}  // namespace fw
