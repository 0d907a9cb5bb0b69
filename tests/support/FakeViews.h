#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "dialog/DialogView.h"
#include "dialog/frmShowFiles.h"
#include "shell/MainView.h"
#include "support/FakePlatform.h"

namespace fw::test {

// The operation dialog's window as plain values, starting from the design; repaints of the wait
// label are logged with whether the wait frame was showing.
class FakeDialogView final : public DialogView {
 public:
  struct Control {
    std::string Text;
    bool Visible = true;
    TwipsRect Place;
    bool Ticked = false;
  };
  FakeDialogView();

  void SetTitle(std::string_view title) override { Title = title; }
  void SetText(DialogControl control, std::string_view text) override { At(control).Text = text; }
  std::string Text(DialogControl control) const override { return At(control).Text; }
  void SetVisible(DialogControl control, bool visible) override { At(control).Visible = visible; }
  bool Ticked(DialogControl control) const override { return At(control).Ticked; }
  void SetTop(DialogControl control, int topTwips) override { At(control).Place.Top = topTwips; }
  void SetHeight(DialogControl control, int heightTwips) override {
    At(control).Place.Height = heightTwips;
  }
  void SetWindowHeight(int heightTwips) override { WindowHeight = heightTwips; }
  void BringToFront(DialogControl control) override { Front = control; }
  void RepaintNow(DialogControl control) override;
  void Close() override { Closed = true; }

  Control& At(DialogControl control) { return Controls[static_cast<std::size_t>(control)]; }
  const Control& At(DialogControl control) const {
    return Controls[static_cast<std::size_t>(control)];
  }

  std::string Title;
  std::array<Control, kDialogDesign.size()> Controls;
  int WindowHeight = 0;  // 0: as designed
  DialogControl Front = DialogControl::lblInputFiles;
  bool Closed = false;
  // Each repaint of the wait label: its text, with "(hidden)" when the wait frame was not shown.
  std::vector<std::string> WaitPaints;
};

// The main window as plain values; each operation dialog it opens is a FakeDialogView with its
// logic, kept after it closed.
class FakeMainView final : public MainView {
 public:
  FakeMainView(FakeUi& ui, const AppContext& app) : m_ui(ui), m_app(app) {}

  void SetTitle(std::string_view title) override { Title = title; }
  void Show() override { Visible = true; }
  void Hide() override { Visible = false; }
  frmShowFiles& NewOperationDialog() override;
  void ShowOperationDialog() override { DialogShown = true; }

  struct Dialog {
    FakeDialogView View;
    std::unique_ptr<frmShowFiles> Logic;
  };

  std::string Title;
  bool Visible = true;
  bool DialogShown = false;
  std::vector<std::unique_ptr<Dialog>> Dialogs;

 private:
  FakeUi& m_ui;
  AppContext m_app;
};

}  // namespace fw::test
