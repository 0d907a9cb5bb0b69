#include "support/FakeViews.h"

namespace fw::test {

FakeDialogView::FakeDialogView() {
  for (std::size_t i = 0; i < kDialogDesign.size(); ++i) {
    const ControlDesign& design = kDialogDesign[i];
    Controls[i] = Control{std::string(design.Caption), !design.Hidden, design.Place, design.Ticked};
  }
}

void FakeDialogView::RepaintNow(DialogControl control) {
  if (control != DialogControl::lblWait)
    return;
  const bool shown = At(DialogControl::fraWait).Visible;
  WaitPaints.push_back(At(control).Text + (shown ? "" : " (hidden)"));
}

frmShowFiles& FakeMainView::NewOperationDialog() {
  DialogShown = false;
  auto dialog = std::make_unique<Dialog>();
  dialog->Logic =
      std::make_unique<frmShowFiles>(dialog->View, m_ui.Services(), m_app, [this] { Show(); });
  dialog->Logic->Form_Load();
  Dialogs.push_back(std::move(dialog));
  return *Dialogs.back()->Logic;
}

}  // namespace fw::test
