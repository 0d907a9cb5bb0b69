#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "dialog/DialogView.h"
#include "dialog/frmShowFiles.h"
#include "qt/QtPlatform.h"

namespace fw {

// The operation dialog in Qt Widgets: the controls of kDialogDesign, with its logic frmShowFiles.
// Its boxes and file dialogs are owned by it. Closing it deletes it on the next event cycle.
class QtDialogWindow final : public QWidget, public DialogView {
 public:
  // The dialog in its design-time state, owned by owner (which may be null).
  QtDialogWindow(QWidget* owner, const AppContext& app, BusyPointer& pointer,
                 std::function<void()> showMainWindow);

  frmShowFiles& Logic() { return m_logic; }

  void SetTitle(std::string_view title) override;
  void SetText(DialogControl control, std::string_view text) override;
  std::string Text(DialogControl control) const override;
  void SetVisible(DialogControl control, bool visible) override;
  bool Ticked(DialogControl control) const override;
  void SetTop(DialogControl control, int topTwips) override;
  void SetHeight(DialogControl control, int heightTwips) override;
  void SetWindowHeight(int heightTwips) override;
  void BringToFront(DialogControl control) override;
  void RepaintNow(DialogControl control) override;
  void Close() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* Control(DialogControl control) const;

  QtMessageBoxes m_boxes{this};
  QtFileDialog m_files{this};
  std::vector<QWidget*> m_controls;
  frmShowFiles m_logic;
};

}  // namespace fw
