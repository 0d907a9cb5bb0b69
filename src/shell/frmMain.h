#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>

#include "platform/UiServices.h"
#include "records/Operation.h"

class QGroupBox;
class QPushButton;

namespace fw {

class frmShowFiles;

// "Fleetwright v" with the major and minor version numbers, e.g. "Fleetwright v2.10".
std::string MainWindowTitle(int major, int minor);

// The main window: operation buttons grouped by the kind of file, the help button and the
// World AI conversion. An operation button hides it and opens the operation dialog, which shows
// it again when it closes. Closing it ends the program.
class frmMain final : public QWidget {
 public:
  explicit frmMain(const UiServices& services);

  void cmdSortFlightPlans_Click();
  void cmdMergeFlightPlans_Click();
  void cmdSortAirports_Click();
  void cmdMergeAirports_Click();
  void cmdSortAircraft_Click();
  void cmdMergeAircraft_Click();
  void cmdChangeACNum_Click();

  // Opens "ReadMe.htm" from the program's folder with the desktop's application; failures are
  // ignored.
  void cmdHelp_Click();

  // Converts the World AI list in the program's folder and reports the outcome in a box.
  void cmdChangeWorldAIAircraft_Click();

  // The open operation dialog; null when none is open.
  frmShowFiles* OperationDialog() const;

 private:
  void CreateControls();
  void Form_Load();
  void ShowOperationDialog(Operation typeOfOperation);

  UiServices m_services;
  QPointer<frmShowFiles> m_dialog;
};

}  // namespace fw
