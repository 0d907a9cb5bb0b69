#include <exception>

#include "dialog/frmShowFiles.h"
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
    m_view.SetText(DialogControl::txtOutputFile, name);
  } catch (const std::exception& failure) {
    ShowFailure("cmdBrowseOutput_Click", failure.what());
  }
}

// A sort takes one file, so its name replaces the box; the others collect a list, one name a line.
void frmShowFiles::AddInputFile(const std::string& name) {
  const std::string current = m_view.Text(DialogControl::txtInputFiles);
  if (IsBlank(current) || InfoOf(m_typeOfOperation).Input == Inputs::One)
    m_view.SetText(DialogControl::txtInputFiles, name);
  else
    m_view.SetText(DialogControl::txtInputFiles, current + "\r\n" + name);
}

void frmShowFiles::InputFilesDropped(const std::vector<std::string>& names) {
  for (const std::string& name : names)
    AddInputFile(name);
}

void frmShowFiles::OutputFileDropped(const std::vector<std::string>& names) {
  if (!names.empty())
    m_view.SetText(DialogControl::txtOutputFile, names.back());
}

}  // namespace fw
