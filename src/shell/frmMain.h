#pragma once

#include <string>

#include "platform/UiServices.h"
#include "records/Operation.h"
#include "shell/MainDesign.h"
#include "shell/MainView.h"

namespace fw {

// "Fleetwright v" with the major and minor version numbers, e.g. "Fleetwright v2.10".
std::string MainWindowTitle(int major, int minor);

// The main window: operation buttons grouped by the kind of file, the help button and the
// World AI conversion. An operation button hides it and opens the operation dialog, which shows
// it again when it closes. It knows no toolkit: it works its window through a MainView.
class frmMain {
 public:
  frmMain(MainView& view, const WindowServices& services, const AppContext& app);

  // Sets the window title.
  void Form_Load();

  // Runs the click handler of a button.
  void Clicked(MainControl button);

  void cmdSortFlightPlans_Click();
  void cmdMergeFlightPlans_Click();
  void cmdSortAirports_Click();
  void cmdMergeAirports_Click();
  void cmdSortAircraft_Click();
  void cmdMergeAircraft_Click();
  void cmdChangeACNum_Click();
  void cmdEvaluateFlightPlans_Click();

  // Opens "ReadMe.htm" from the program's folder with the desktop's application; failures are
  // ignored.
  void cmdHelp_Click();

  // Converts the World AI list in the program's folder, or, when none is there, in a folder the
  // user chooses, and reports the outcome in a box.
  void cmdChangeWorldAIAircraft_Click();

 private:
  void ShowOperationDialog(Operation typeOfOperation);
  // The folder that holds the World AI list, ending in a separator; empty when the user cancelled.
  std::string WorldAIFolder();

  MainView& m_view;
  WindowServices m_services;
  AppContext m_app;
};

}  // namespace fw
