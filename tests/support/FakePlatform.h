#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/UiServices.h"
#include "support/TempFolder.h"

namespace fw::test {

// Records each box instead of waiting for a user; OnShow runs at the moment a box would appear.
class FakeMessageBoxes final : public MessageBoxes {
 public:
  explicit FakeMessageBoxes(std::vector<std::string>& events) : m_events(events) {}
  void Show(const Message& message) override;

  std::vector<Message> Shown;
  std::function<void(const Message&)> OnShow;

 private:
  std::vector<std::string>& m_events;
};

// Answers each showing with the next scripted name; an empty name, or none left, is Cancel.
class FakeFileDialog final : public FileDialog {
 public:
  std::string AskFileName(const FileDialogRequest& request) override;
  std::string AskFolder(const std::string& title, const std::string& startFolder) override;

  std::deque<std::string> Answers;  // file and folder dialogs alike
  std::vector<FileDialogRequest> Requests;
  std::vector<std::pair<std::string, std::string>> FolderRequests;  // title, start folder
};

// Records the documents it was asked to open.
class FakeDocumentOpener final : public DocumentOpener {
 public:
  void Open(const std::string& path) override { Opened.push_back(path); }

  std::vector<std::string> Opened;
};

// Logs "busy" and "default" into the shared event list.
class FakeBusyPointer final : public BusyPointer {
 public:
  explicit FakeBusyPointer(std::vector<std::string>& events) : m_events(events) {}
  void SetBusy() override { m_events.push_back("busy"); }
  void Restore() override { m_events.push_back("default"); }

 private:
  std::vector<std::string>& m_events;
};

// The fakes behind one window's services and the program's context, with a temporary program
// folder holding the settings file.
class FakeUi {
 public:
  WindowServices Services() { return {Boxes, Files, Pointer}; }
  AppContext App(FileSystem& fs = NativeFileSystem()) {
    return AppContext{fs, Documents, Folder.Name(""), UserSettingsFolder};
  }

  // Pointer changes and boxes ("box: TITLE") in the order they happened.
  std::vector<std::string> Events;
  FakeMessageBoxes Boxes{Events};
  FakeFileDialog Files;
  FakeDocumentOpener Documents;
  FakeBusyPointer Pointer{Events};
  TempFolder Folder;
  std::string UserSettingsFolder;  // empty: settings beside the program
};

}  // namespace fw::test
