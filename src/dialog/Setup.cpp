#include <exception>

#include "dialog/Layouts.h"
#include "dialog/frmShowFiles.h"
#include "records/OperationTable.h"

namespace fw {

frmShowFiles::frmShowFiles(DialogView& view, const WindowServices& services, const AppContext& app,
                           std::function<void()> showMainWindow)
    : m_view(view), m_services(services), m_app(app), m_showMainWindow(std::move(showMainWindow)) {}

void frmShowFiles::Form_Load() {
  // Whenever the wait frame is shown it must cover every other control.
  m_view.BringToFront(DialogControl::fraWait);
}

void frmShowFiles::SelectOperation(Operation typeOfOperation) {
  try {
    m_typeOfOperation = typeOfOperation;
    SetOperationCaptions();
    ArrangeControls();
    LoadInputFiles();
    LoadOutputFile();
  } catch (const std::exception& failure) {
    ShowFailure("SelectOperation", failure.what());
  }
}

void frmShowFiles::SetOperationCaptions() {
  m_commonDialog1.DefaultExtension = ".txt";
  m_commonDialog1.Filters = {{"Text (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}};
  m_commonDialog1.FilterIndex = 1;

  const OperationInfo& info = InfoOf(m_typeOfOperation);
  for (const DialogControl output : {DialogControl::cmdBrowseOutput, DialogControl::txtOutputFile,
                                     DialogControl::lblOutputFiles})
    m_view.SetVisible(output, info.HasOutput);
  const bool changesNumbers = m_typeOfOperation == Operation::ChangeACNumbers;
  for (const DialogControl number :
       {DialogControl::lblFrom, DialogControl::lblTo, DialogControl::txtFrom, DialogControl::txtTo,
        DialogControl::chkBackup})
    m_view.SetVisible(number, changesNumbers);

  // An operation without captions of its own keeps the design-time ones.
  if (info.WindowTitle.empty())
    return;
  m_view.SetTitle(info.WindowTitle);
  m_view.SetText(DialogControl::lblInputFiles, info.InputLabel);
  if (!info.OutputLabel.empty())
    m_view.SetText(DialogControl::lblOutputFiles, info.OutputLabel);
  m_view.SetText(DialogControl::cmdExecute, info.ExecuteCaption);
}

void frmShowFiles::ArrangeControls() {
  const std::optional<OperationLayout> layout = LayoutFor(m_typeOfOperation);
  if (!layout)
    return;
  m_view.SetHeight(DialogControl::txtInputFiles, layout->InputHeight);
  if (layout->OutputLabelTop)
    m_view.SetTop(DialogControl::lblOutputFiles, *layout->OutputLabelTop);
  if (layout->OutputBoxTop) {
    m_view.SetTop(DialogControl::txtOutputFile, *layout->OutputBoxTop);
    m_view.SetTop(DialogControl::cmdBrowseOutput, *layout->OutputBoxTop);
  }
  m_view.SetTop(DialogControl::cmdExecute, layout->ButtonsTop);
  m_view.SetTop(DialogControl::cmdCancel, layout->ButtonsTop);
  m_view.SetWindowHeight(layout->WindowHeight);
}

void frmShowFiles::SetWaitMessage(std::string_view text) {
  m_view.SetText(DialogControl::lblWait, text);
  // No events are processed while an operation runs, so the label paints itself now.
  m_view.RepaintNow(DialogControl::lblWait);
}

void frmShowFiles::SetDialogTitle(std::int32_t outputFlag) {
  const OperationInfo& info = InfoOf(m_typeOfOperation);
  const std::string_view title = outputFlag != 0 ? info.OutputDialogTitle : info.InputDialogTitle;
  if (!title.empty())
    m_commonDialog1.Title = std::string(title);
}

void frmShowFiles::Form_Close() {
  if (!m_closed)
    cmdCancel_Click();
}

void frmShowFiles::ShowFailure(std::string_view routine, std::string_view description) {
  m_services.Boxes.Show(
      Message{MessageIcon::Critical, "Error",
              "Error in frmShowFiles:" + std::string(routine) + "\r\n" + std::string(description)});
}

void frmShowFiles::CloseDialog() {
  m_closed = true;
  m_view.Close();
  if (m_showMainWindow)
    m_showMainWindow();
}

}  // namespace fw
