#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "support/FakeViews.h"
#include "support/MessagePrinter.h"

namespace fw::test {

// Opens operation dialogs on fake views and services; counts how often the main window was shown
// again.
class DialogTestBase : public ::testing::Test {
 protected:
  frmShowFiles& Open(Operation operation, FileSystem& fs = NativeFileSystem()) {
    m_view = std::make_unique<FakeDialogView>();
    m_dialog = std::make_unique<frmShowFiles>(*m_view, m_ui.Services(), m_ui.App(fs),
                                              [this] { ++m_mainShown; });
    m_dialog->Form_Load();
    m_dialog->SelectOperation(operation);
    return *m_dialog;
  }

  void Fill(const std::string& input, const std::string& output) {
    m_view->SetText(DialogControl::txtInputFiles, input);
    m_view->SetText(DialogControl::txtOutputFile, output);
  }
  std::string Input() const { return m_view->Text(DialogControl::txtInputFiles); }
  std::string Output() const { return m_view->Text(DialogControl::txtOutputFile); }
  std::string Path(const char* file) const { return m_ui.Folder.Name(file); }
  std::string SettingsText() const { return ReadBytes(m_ui.Folder.Path() / "Fleetwright.ini"); }

  FakeUi m_ui;
  std::unique_ptr<FakeDialogView> m_view;
  std::unique_ptr<frmShowFiles> m_dialog;
  int m_mainShown = 0;
};

}  // namespace fw::test
