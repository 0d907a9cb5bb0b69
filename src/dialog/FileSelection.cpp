#include <QLineEdit>
#include <exception>

#include "dialog/FileDropBoxes.h"
#include "dialog/frmShowFiles.h"
#include "platform/qt/QtText.h"
#include "records/OperationTable.h"
#include "records/Texts.h"

namespace fw {

void frmShowFiles::cmdBrowseInput_Click() {
  try {
    m_commonDialog1.FileMustExist = true;
    SetDialogTitle(0);
    const std::string name = m_services.Files.AskFileName(m_commonDialog1);
    if (name.empty())
      return;
    AddInputFile(name);
  } catch (const std::exception& failure) {
    ShowFailure("cmdBrowseInput_Click", failure.what());
  }
}

void frmShowFiles::cmdBrowseOutput_Click() {
  try {
    m_commonDialog1.FileMustExist = false;
    SetDialogTitle(1);
    const std::string name = m_services.Files.AskFileName(m_commonDialog1);
    if (name.empty())
      return;
    txtOutputFile->setText(ToQString(name));
  } catch (const std::exception& failure) {
    ShowFailure("cmdBrowseOutput_Click", failure.what());
  }
}

// A sort takes one file, so its name replaces the box; the others collect a list, one name a line.
void frmShowFiles::AddInputFile(const std::string& name) {
  const std::string current = InputFilesText();
  if (IsBlank(current) || InfoOf(m_typeOfOperation).Input == Inputs::One)
    SetInputFilesText(name);
  else
    SetInputFilesText(current + "\r\n" + name);
}

void frmShowFiles::InputFilesDropped(const QStringList& names) {
  for (const QString& name : names)
    AddInputFile(FromQString(name));
}

void frmShowFiles::OutputFileDropped(const QStringList& names) {
  if (!names.isEmpty())
    txtOutputFile->setText(names.constLast());
}

std::string frmShowFiles::InputFilesText() const {
  QString text = txtInputFiles->toPlainText();
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return FromQString(text);
}

void frmShowFiles::SetInputFilesText(std::string_view crLfText) {
  txtInputFiles->setPlainText(
      ToQString(crLfText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

}  // namespace fw
