#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <exception>

#include "dialog/FileDropBoxes.h"
#include "dialog/Validation.h"
#include "dialog/frmShowFiles.h"
#include "platform/qt/QtText.h"
#include "records/OperationCodes.h"
#include "records/Operations.h"

namespace fw {

void frmShowFiles::cmdExecute_Click() {
  bool busy = false;
  try {
    // Names are remembered as they stand, also when they are then refused.
    SaveInputFiles();
    SaveOutputFile();
    const OperationTexts texts{InputFilesText(), FromQString(txtOutputFile->text()),
                               FromQString(txtFrom->text()), FromQString(txtTo->text()),
                               chkBackup->isChecked()};
    if (const auto warning = ValidateFiles(m_typeOfOperation, texts.InputFiles, texts.OutputFile)) {
      m_services.Boxes.Show(*warning);
      return;
    }
    if (m_typeOfOperation == op::ChangeACNumbers) {
      if (const auto warning = ValidateACNumbers(texts.From, texts.To)) {
        m_services.Boxes.Show(*warning);
        return;
      }
    }
    m_services.Pointer.SetBusy();
    busy = true;
    fraWait->show();
    fraWait->repaint();
    const std::optional<Message> outcome = RunOperation(
        m_typeOfOperation, texts, [this](std::string_view text) { SetWaitMessage(text); },
        m_services.Fs);
    fraWait->hide();
    if (outcome)
      m_services.Boxes.Show(*outcome);
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
