#pragma once

#include <string>
#include <string_view>

#include "dialog/ShowFilesDesign.h"

namespace fw {

// What the operation dialog's logic asks of the window that shows it. A toolkit's view builds the
// controls of kDialogDesign and passes its clicks, drops and closing to frmShowFiles.
class DialogView {
 public:
  virtual ~DialogView() = default;

  virtual void SetTitle(std::string_view title) = 0;

  // A label's, button's or check box's caption, or a text box's text; a list box's lines are
  // separated by CR LF.
  virtual void SetText(DialogControl control, std::string_view text) = 0;
  virtual std::string Text(DialogControl control) const = 0;

  virtual void SetVisible(DialogControl control, bool visible) = 0;
  virtual bool Ticked(DialogControl control) const = 0;

  // Moves a control to another top, or gives it another height, in twips.
  virtual void SetTop(DialogControl control, int topTwips) = 0;
  virtual void SetHeight(DialogControl control, int heightTwips) = 0;

  // The height of the whole window, title bar and frame included, in twips.
  virtual void SetWindowHeight(int heightTwips) = 0;

  // Lays the control above every other one from now on.
  virtual void BringToFront(DialogControl control) = 0;

  // Paints the control now, without processing window events.
  virtual void RepaintNow(DialogControl control) = 0;

  // Destroys the window; nothing of it is used afterwards.
  virtual void Close() = 0;
};

}  // namespace fw
