#include <exception>

#include "dialog/frmShowFiles.h"
#include "records/AircraftNumber.h"
#include "records/Messages.h"
#include "records/OperationTable.h"
#include "records/Operations.h"
#include "records/Texts.h"

namespace fw {
namespace {

// The input box as an operation takes it: a sort's whole text is its one input, the other
// operations take one name a line.
std::vector<std::string> InputsOf(Operation operation, const std::string& boxText) {
  if (InfoOf(operation).Input == Inputs::One)
    return {boxText};
  std::vector<std::string> inputs;
  for (const std::string_view line : SplitAtCrLf(boxText))
    inputs.emplace_back(line);
  return inputs;
}

}  // namespace

void frmShowFiles::cmdExecute_Click() {
  bool busy = false;
  try {
    // Names are remembered as they stand, also when they are then refused.
    SaveInputFiles();
    SaveOutputFile();
    OperationRequest request;
    request.Inputs = InputsOf(m_typeOfOperation, m_view.Text(DialogControl::txtInputFiles));
    request.Output = m_view.Text(DialogControl::txtOutputFile);
    if (const auto invalid = ValidateFiles(m_typeOfOperation, request.Inputs, request.Output)) {
      m_services.Boxes.Show(InvalidMessage(*invalid));
      return;
    }
    if (m_typeOfOperation == Operation::ChangeACNumbers) {
      const std::string from = m_view.Text(DialogControl::txtFrom);
      const std::string to = m_view.Text(DialogControl::txtTo);
      if (const auto invalid = ValidateACNumbers(from, to)) {
        m_services.Boxes.Show(InvalidMessage(*invalid));
        return;
      }
      // Validation let through only runs of digits that fit.
      request.From = ParseAircraftNumber(from).value_or(0);
      request.To = ParseAircraftNumber(to).value_or(0);
      request.ToText = to;
      request.Backup = m_view.Ticked(DialogControl::chkBackup);
    }
    m_services.Pointer.SetBusy();
    busy = true;
    m_view.SetVisible(DialogControl::fraWait, true);
    m_view.RepaintNow(DialogControl::fraWait);
    const Operation operation = m_typeOfOperation;
    const Result<Completed> outcome = RunOperation(
        operation, request, [&](Step step) { SetWaitMessage(WaitText(operation, step)); },
        m_app.Fs);
    m_view.SetVisible(DialogControl::fraWait, false);
    m_services.Boxes.Show(OutcomeMessage(operation, outcome));
    m_services.Pointer.Restore();
    busy = false;
    CloseDialog();
  } catch (const std::exception& failure) {
    m_view.SetVisible(DialogControl::fraWait, false);
    if (busy)
      m_services.Pointer.Restore();
    ShowFailure("cmdExecute_Click", failure.what());
    CloseDialog();
  }
}

void frmShowFiles::cmdCancel_Click() {
  CloseDialog();
}

}  // namespace fw
