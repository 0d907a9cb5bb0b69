#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/Message.h"

namespace fw {

// The texts of the operation dialog that the operations read.
struct OperationTexts {
  std::string InputFiles;  // one name a line, lines separated by CR LF
  std::string OutputFile;
  std::string From;  // the aircraft number to be changed, as typed
  std::string To;    // the new aircraft number, as typed
  bool Backup = true;
};

// Shows a wait text before the long step that follows it.
using WaitMessage = std::function<void(std::string_view)>;

// Each operation reads its files, writes its output and returns the message box that tells the
// outcome: success, or "Error during ..." and the failure's description. Names are used with
// their surrounding spaces removed. A failed operation leaves every file it has not finished
// writing as it was.
Message SortFlightPlans(const OperationTexts& texts, const WaitMessage& wait,
                        FileSystem& fs = NativeFileSystem());
Message MergeFlightPlans(const OperationTexts& texts, const WaitMessage& wait,
                         FileSystem& fs = NativeFileSystem());
Message SortAirports(const OperationTexts& texts, const WaitMessage& wait,
                     FileSystem& fs = NativeFileSystem());
Message MergeAirports(const OperationTexts& texts, const WaitMessage& wait,
                      FileSystem& fs = NativeFileSystem());
Message SortAircraft(const OperationTexts& texts, const WaitMessage& wait,
                     FileSystem& fs = NativeFileSystem());
Message MergeAircraft(const OperationTexts& texts, const WaitMessage& wait,
                      FileSystem& fs = NativeFileSystem());

// Gives every entry of number From the number To in each listed file, rewriting the files in
// place (sorted, duplicates removed), each after a ".BAK" copy when Backup is set.
Message ChangeACNumbers(const OperationTexts& texts, const WaitMessage& wait,
                        FileSystem& fs = NativeFileSystem());

// Runs the routine of an operation code; nothing for a code without one (2 and unknown codes).
std::optional<Message> RunOperation(std::int32_t typeOfOperation, const OperationTexts& texts,
                                    const WaitMessage& wait, FileSystem& fs = NativeFileSystem());

}  // namespace fw
