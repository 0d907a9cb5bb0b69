#include "shell/frmMain.h"

#include "dialog/frmShowFiles.h"
#include "platform/Paths.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"
#include "worldai/WorldAIConversion.h"

namespace fw {
namespace {

// Where the folder last chosen for a World AI list is remembered.
constexpr std::string_view kWorldAISection = "WorldAI";
constexpr std::string_view kWorldAIFolderKey = "Folder";
constexpr std::string_view kWorldAIFolderTitle =
    "Select The Folder Of AddToAircraft.txt And The Code Tables";

}  // namespace

std::string MainWindowTitle(int major, int minor) {
  return "Fleetwright v" + std::to_string(major) + "." + std::to_string(minor);
}

frmMain::frmMain(MainView& view, const WindowServices& services, const AppContext& app)
    : m_view(view), m_services(services), m_app(app) {}

void frmMain::Form_Load() {
  m_view.SetTitle(MainWindowTitle(FW_VERSION_MAJOR, FW_VERSION_MINOR));
}

void frmMain::Clicked(MainControl button) {
  switch (button) {
    case MainControl::cmdSortFlightPlans:
      return cmdSortFlightPlans_Click();
    case MainControl::cmdMergeFlightPlans:
      return cmdMergeFlightPlans_Click();
    case MainControl::cmdSortAirports:
      return cmdSortAirports_Click();
    case MainControl::cmdMergeAirports:
      return cmdMergeAirports_Click();
    case MainControl::cmdSortAircraft:
      return cmdSortAircraft_Click();
    case MainControl::cmdMergeAircraft:
      return cmdMergeAircraft_Click();
    case MainControl::cmdChangeACNum:
      return cmdChangeACNum_Click();
    case MainControl::cmdHelp:
      return cmdHelp_Click();
    case MainControl::cmdChangeWorldAIAircraft:
      return cmdChangeWorldAIAircraft_Click();
    case MainControl::cmdEvaluateFlightPlans:
      return cmdEvaluateFlightPlans_Click();
    default:
      return;  // frames, and the seed's evaluation button that is never shown
  }
}

void frmMain::cmdSortFlightPlans_Click() {
  ShowOperationDialog(Operation::SortFlightPlans);
}
void frmMain::cmdMergeFlightPlans_Click() {
  ShowOperationDialog(Operation::MergeFlightPlans);
}
void frmMain::cmdSortAirports_Click() {
  ShowOperationDialog(Operation::SortAirports);
}
void frmMain::cmdMergeAirports_Click() {
  ShowOperationDialog(Operation::MergeAirports);
}
void frmMain::cmdSortAircraft_Click() {
  ShowOperationDialog(Operation::SortAircraft);
}
void frmMain::cmdMergeAircraft_Click() {
  ShowOperationDialog(Operation::MergeAircraft);
}
void frmMain::cmdChangeACNum_Click() {
  ShowOperationDialog(Operation::ChangeACNumbers);
}
void frmMain::cmdEvaluateFlightPlans_Click() {
  ShowOperationDialog(Operation::EvaluateFlightPlans);
}

void frmMain::ShowOperationDialog(Operation typeOfOperation) {
  m_view.Hide();
  m_view.NewOperationDialog().SelectOperation(typeOfOperation);
  m_view.ShowOperationDialog();
}

void frmMain::cmdHelp_Click() {
  m_app.Documents.Open(m_app.ProgramFolder + "ReadMe.htm");
}

std::string frmMain::WorldAIFolder() {
  if (FileExists(m_app.ProgramFolder + std::string(kWorldAIListFile)))
    return m_app.ProgramFolder;
  // An installed program's folder holds no list: the user shows where it is.
  const SettingsPaths paths = LocateSettings(m_app.ProgramFolder, m_app.UserSettingsFolder);
  Result<SettingsFile> settings = SettingsFile::Load(m_app.Fs, paths.Read);
  const std::string last =
      settings ? settings.value().Get(kWorldAISection, kWorldAIFolderKey) : std::string();
  const std::string chosen = m_services.Files.AskFolder(std::string(kWorldAIFolderTitle), last);
  if (chosen.empty())
    return {};
  if (settings) {
    settings.value().Set(kWorldAISection, kWorldAIFolderKey, chosen);
    (void)settings.value().Save(m_app.Fs, paths.Write);
  }
  return WithTrailingSeparator(chosen);
}

void frmMain::cmdChangeWorldAIAircraft_Click() {
  const std::string folder = WorldAIFolder();
  if (folder.empty())
    return;
  const Result<void> converted = ConvertWorldAIAircraftList(folder, m_app.Fs);
  if (!converted) {
    m_services.Boxes.Show(
        Message{MessageIcon::Exclamation, "Error",
                "Error in frmMain:cmdChangeWorldAIAircraft_Click(): " + converted.error().Message});
    return;
  }
  m_services.Boxes.Show(Message{MessageIcon::Information, std::string(kConversionSuccessTitle),
                                std::string(kConversionSuccessText)});
}

}  // namespace fw
