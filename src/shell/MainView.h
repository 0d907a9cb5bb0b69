#pragma once

#include <string_view>

namespace fw {

class frmShowFiles;

// What the main window's logic asks of the window that shows it. A toolkit's view builds the
// controls of kMainDesign and passes their clicks to frmMain.
class MainView {
 public:
  virtual ~MainView() = default;

  virtual void SetTitle(std::string_view title) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;

  // Creates a new operation dialog window, owned by the main window and not yet shown, whose
  // closing shows the main window again; returns its logic.
  virtual frmShowFiles& NewOperationDialog() = 0;

  // Shows the dialog made last, modeless.
  virtual void ShowOperationDialog() = 0;
};

}  // namespace fw
