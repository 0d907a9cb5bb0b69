#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <exception>

#include "dialog/FileDropBoxes.h"
#include "dialog/frmShowFiles.h"
#include "platform/qt/QtText.h"
#include "records/AircraftNumber.h"
#include "records/Messages.h"
#include "records/OperationTable.h"
#include "records/Operations.h"
#include "records/Texts.h"

namespace fw {

void frmShowFiles::cmdExecute_Click() {
  bool busy = false;
  try {
    // Names are remembered as they stand, also when they are then refused.
    SaveInputFiles();
    SaveOutputFile();
    const std::string inputText = InputFilesText();
    OperationRequest request;
    if (InfoOf(m_typeOfOperation).Input == Inputs::One) {
      request.Inputs = {inputText};
    } else {
      for (const std::string_view line : SplitAtCrLf(inputText))
        request.Inputs.emplace_back(line);
    }
    request.Output = FromQString(txtOutputFile->text());
    if (auto invalid = ValidateFiles(m_typeOfOperation, request.Inputs, request.Output)) {
      m_services.Boxes.Show(InvalidMessage(*invalid));
      return;
    }
    if (m_typeOfOperation == Operation::ChangeACNumbers) {
      const std::string from = FromQString(txtFrom->text());
      const std::string to = FromQString(txtTo->text());
      if (auto invalid = ValidateACNumbers(from, to)) {
        m_services.Boxes.Show(InvalidMessage(*invalid));
        return;
      }
      // Checked above: both are runs of digits that fit.
      request.From = ParseAircraftNumber(from).value_or(0);
      request.To = ParseAircraftNumber(to).value_or(0);
      request.ToText = to;
      request.Backup = chkBackup->isChecked();
    }
    m_services.Pointer.SetBusy();
    busy = true;
    fraWait->show();
    fraWait->repaint();
    const Operation operation = m_typeOfOperation;
    const Result<Completed> outcome = RunOperation(
        operation, request,
        [this, operation](Step step) { SetWaitMessage(WaitText(operation, step)); }, m_services.Fs);
    fraWait->hide();
    if (operation != Operation::EvaluateFlightPlans)
      m_services.Boxes.Show(OutcomeMessage(operation, outcome));
    m_services.Pointer.Restore();
    busy = false;
    CloseDialog();
  } catch (const std::exception& failure) {
    fraWait->hide();
    if (busy)
      m_services.Pointer.Restore();
    ShowFailure("cmdExecute_Click", failure.what());
    CloseDialog();
  }
}

void frmShowFiles::cmdCancel_Click() {
  CloseDialog();
}

void frmShowFiles::CloseDialog() {
  m_closed = true;
  hide();
  deleteLater();
  if (m_showMainWindow)
    m_showMainWindow();
}

void frmShowFiles::ShowFailure(std::string_view routine, std::string_view description) {
  m_services.Boxes.Show(
      Message{MessageIcon::Critical, "Error",
              "Error in frmShowFiles:" + std::string(routine) + "\r\n" + std::string(description)});
}

}  // namespace fw
