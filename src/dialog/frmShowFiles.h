#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "dialog/FileDropBoxes.h"
#include "platform/FileDialog.h"
#include "platform/Message.h"
#include "platform/UiServices.h"
#include "records/Operation.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fw {

// The operation dialog: set up for one operation, it takes the input and output names, remembers
// them in the settings file, validates them and runs the operation. It is created for one use
// and destroyed when it closes; closing it from its title bar is Cancel.
class frmShowFiles final : public QWidget {
 public:
  // Creates the dialog in its design-time state, owned by owner (which may be null);
  // showMainWindow runs when the dialog closes.
  frmShowFiles(const UiServices& services, QWidget* owner, std::function<void()> showMainWindow);

  // Prepares the dialog for an operation code: titles, captions, layout, remembered names.
  // A failure is reported in the error box; the steps after it are skipped.
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

  // True once Execute or Cancel has closed the dialog; it is deleted on the next event cycle.
  bool IsClosed() const { return m_closed; }

  // The input box's text with its lines separated by CR LF, as the core reads it.
  std::string InputFilesText() const;

  // The file dialog component's settings for the next showing.
  const FileDialogRequest& CommonDialog1() const { return m_commonDialog1; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void CreateWaitFrame();
  void SetTabOrder();
  void Form_Load();
  void SetOperationCaptions();
  void ArrangeControls();

  void SetInputFilesText(std::string_view crLfText);
  void AddInputFile(const std::string& name);
  void InputFilesDropped(const QStringList& names);
  void OutputFileDropped(const QStringList& names);

  void ShowFailure(std::string_view routine, std::string_view description);
  std::string SettingsPath() const;
  void CloseDialog();

  UiServices m_services;
  std::function<void()> m_showMainWindow;
  Operation m_typeOfOperation = Operation::SortFlightPlans;
  FileDialogRequest m_commonDialog1;
  bool m_closed = false;

  QLabel* lblInputFiles = nullptr;
  InputFilesBox* txtInputFiles = nullptr;
  QPushButton* cmdBrowseInput = nullptr;
  QLabel* lblFrom = nullptr;
  QLineEdit* txtFrom = nullptr;
  QLabel* lblTo = nullptr;
  QLineEdit* txtTo = nullptr;
  QCheckBox* chkBackup = nullptr;
  QLabel* lblOutputFiles = nullptr;
  OutputFileBox* txtOutputFile = nullptr;
  QPushButton* cmdBrowseOutput = nullptr;
  QPushButton* cmdExecute = nullptr;
  QPushButton* cmdCancel = nullptr;
  QFrame* fraWait = nullptr;
  QLabel* lblWait = nullptr;
};

}  // namespace fw
