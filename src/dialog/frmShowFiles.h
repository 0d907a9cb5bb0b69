#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/DialogView.h"
#include "platform/FileDialog.h"
#include "platform/UiServices.h"
#include "records/Operation.h"

namespace fw {

// The operation dialog: set up for one operation, it takes the input and output names, remembers
// them in the settings file, validates them and runs the operation. It knows no toolkit: it works
// its window through a DialogView, and lives as long as that window.
class frmShowFiles {
 public:
  // The dialog in its design-time state; showMainWindow runs when it closes.
  frmShowFiles(DialogView& view, const WindowServices& services, const AppContext& app,
               std::function<void()> showMainWindow);

  // Lays the wait frame over every other control; runs once, before SelectOperation.
  void Form_Load();

  // Prepares the dialog for an operation: titles, captions, layout, remembered names. A failure is
  // reported in the error box; the steps after it are skipped.
  void SelectOperation(Operation typeOfOperation);

  // Shows a wait text at once, without processing window events.
  void SetWaitMessage(std::string_view text);

  // Sets the file dialog's title for the current operation: input (0) or output (other).
  void SetDialogTitle(std::int32_t outputFlag);

  // The click handlers of the dialog's buttons.
  void cmdBrowseInput_Click();
  void cmdBrowseOutput_Click();
  void cmdExecute_Click();
  void cmdCancel_Click();

  // Files dropped on the input box are added as browsing adds them; on the output box the last
  // one becomes the output name.
  void InputFilesDropped(const std::vector<std::string>& names);
  void OutputFileDropped(const std::vector<std::string>& names);

  // The window's close control: Cancel, unless Execute or Cancel has closed it already.
  void Form_Close();

  // Fill or save the file boxes from or to the settings file for the current operation.
  void LoadInputFiles();
  void LoadOutputFile();
  void SaveInputFiles();
  void SaveOutputFile();

  // Reads one box (output flag 0: input list, other: output name) from the settings file; a file
  // that cannot be read is reported in the error box and the box keeps its text.
  void GetINIFile(std::string_view key, std::int32_t outputFlag);
  // Writes one box to the settings file; a file that cannot be read is reported in the error
  // box, one that cannot be written leaves the names unremembered.
  void SaveINIFile(std::string_view key, std::int32_t outputFlag);

  Operation TypeOfOperation() const { return m_typeOfOperation; }

  // True once Execute or Cancel has closed the dialog.
  bool IsClosed() const { return m_closed; }

  // The file dialog component's settings for the next showing.
  const FileDialogRequest& CommonDialog1() const { return m_commonDialog1; }

 private:
  void SetOperationCaptions();
  void ArrangeControls();
  void AddInputFile(const std::string& name);
  // Runs the operation once the names and numbers passed validation.
  void Execute();
  void ShowFailure(std::string_view routine, std::string_view description);
  void CloseDialog();

  DialogView& m_view;
  WindowServices m_services;
  AppContext m_app;
  std::function<void()> m_showMainWindow;
  Operation m_typeOfOperation = Operation::SortFlightPlans;
  FileDialogRequest m_commonDialog1;
  bool m_closed = false;
};

}  // namespace fw
