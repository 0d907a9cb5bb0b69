#include "shell/frmMain.h"

#include <QGroupBox>
#include <QPushButton>
#include <iterator>

#include "dialog/Twips.h"
#include "dialog/frmShowFiles.h"
#include "platform/qt/QtText.h"
#include "worldai/WorldAIConversion.h"

namespace fw {
namespace {

constexpr int kClientWidthTwips = 2880;
// One button row below the help button, for the World AI conversion.
constexpr int kClientHeightTwips = 4785 + 405;

QGroupBox* MakeFrame(QWidget* parent, const char* name, const char* caption, QRect rect) {
  auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
  frame->setObjectName(QLatin1String(name));
  frame->setGeometry(rect);
  return frame;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* tooltip,
                        QRect rect) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QLatin1String(name));
  button->setToolTip(QString::fromLatin1(tooltip));
  button->setGeometry(rect);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

std::string MainWindowTitle(int major, int minor) {
  return "Fleetwright v" + std::to_string(major) + "." + std::to_string(minor);
}

frmMain::frmMain(const UiServices& services)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_services(services) {
  setObjectName(QStringLiteral("frmMain"));
  // The twip layout was drawn for 8-point text; larger text would not fit its buttons.
  QFont text = font();
  text.setPointSize(8);
  setFont(text);
  setFixedSize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
  CreateControls();
  Form_Load();
}

void frmMain::CreateControls() {
  QGroupBox* fraFlightPlans =
      MakeFrame(this, "fraFlightPlans", "Flight Plans", TwipsRect(225, 90, 2400, 1140));
  QPushButton* cmdSortFlightPlans =
      MakeButton(fraFlightPlans, "cmdSortFlightPlans", "Sort Flight Plans",
                 "Sorts flight plan files by aircraft # (also removes any duplicate flight plans)",
                 TwipsRect(225, 315, 2000, 320));
  QPushButton* cmdMergeFlightPlans =
      MakeButton(fraFlightPlans, "cmdMergeFlightPlans", "Merge Flight Plans",
                 "Merges multiple flight plan files into a single, sorted flight plan file (also "
                 "removes any duplicate flight plans)",
                 TwipsRect(225, 720, 2000, 320));
  // No evaluation exists behind it; it keeps its place in the focus order, hidden.
  QPushButton* cmdEvaluateFP = MakeButton(fraFlightPlans, "cmdEvaluateFP", "Evaluate Flight Plans",
                                          "", TwipsRect(225, 1125, 2000, 320));
  cmdEvaluateFP->hide();

  QGroupBox* fraAirports =
      MakeFrame(this, "fraAirports", "Airports", TwipsRect(225, 1350, 2400, 1140));
  QPushButton* cmdSortAirports =
      MakeButton(fraAirports, "cmdSortAirports", "Sort Airports",
                 "Sorts airport files by airport ID (also removes any duplicate airports)",
                 TwipsRect(225, 315, 2000, 320));
  QPushButton* cmdMergeAirports =
      MakeButton(fraAirports, "cmdMergeAirports", "Merge Airports",
                 "Merges multiple airport files into a single, sorted airport file (also removes "
                 "any duplicate airports)",
                 TwipsRect(225, 720, 2000, 320));

  QGroupBox* fraAircraft =
      MakeFrame(this, "fraAircraft", "Aircraft", TwipsRect(225, 2655, 2400, 1140));
  QPushButton* cmdSortAircraft =
      MakeButton(fraAircraft, "cmdSortAircraft", "Sort Aircraft",
                 "Sorts aircraft files by aircraft # (also removes any duplicate aircraft)",
                 TwipsRect(225, 315, 2000, 320));
  QPushButton* cmdMergeAircraft =
      MakeButton(fraAircraft, "cmdMergeAircraft", "Merge Aircraft",
                 "Merges multiple aircraft files into a single, sorted aircraft file (also "
                 "removes any duplicate aircraft)",
                 TwipsRect(225, 720, 2000, 320));

  QPushButton* cmdChangeACNum =
      MakeButton(this, "cmdChangeACNum", "Change AC and/or FP #s",
                 "Changes the aircraft # in aircraft and/or flight plan files to a new # (also "
                 "sorts & removes any duplicate aircraft and/or flight plans)",
                 TwipsRect(225, 3960, 2400, 320));
  QPushButton* cmdHelp = MakeButton(this, "cmdHelp", "View ReadMe.htm File", "View the help file",
                                    TwipsRect(225, 4365, 2400, 320));

  QPushButton* cmdChangeWorldAIAircraft =
      MakeButton(this, "cmdChangeWorldAIAircraft", "Convert World AI Aircraft List",
                 "Converts the World AI aircraft list to a more readable format",
                 TwipsRect(225, 4770, 2400, 320));

  QWidget* const order[] = {cmdSortFlightPlans,      cmdMergeFlightPlans, cmdEvaluateFP,
                            cmdSortAirports,         cmdMergeAirports,    cmdSortAircraft,
                            cmdMergeAircraft,        cmdChangeACNum,      cmdHelp,
                            cmdChangeWorldAIAircraft};
  for (std::size_t i = 1; i < std::size(order); ++i)
    setTabOrder(order[i - 1], order[i]);
  cmdSortFlightPlans->setFocus();

  connect(cmdSortFlightPlans, &QPushButton::clicked, this, [this] { cmdSortFlightPlans_Click(); });
  connect(cmdMergeFlightPlans, &QPushButton::clicked, this,
          [this] { cmdMergeFlightPlans_Click(); });
  connect(cmdSortAirports, &QPushButton::clicked, this, [this] { cmdSortAirports_Click(); });
  connect(cmdMergeAirports, &QPushButton::clicked, this, [this] { cmdMergeAirports_Click(); });
  connect(cmdSortAircraft, &QPushButton::clicked, this, [this] { cmdSortAircraft_Click(); });
  connect(cmdMergeAircraft, &QPushButton::clicked, this, [this] { cmdMergeAircraft_Click(); });
  connect(cmdChangeACNum, &QPushButton::clicked, this, [this] { cmdChangeACNum_Click(); });
  connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
  connect(cmdChangeWorldAIAircraft, &QPushButton::clicked, this,
          [this] { cmdChangeWorldAIAircraft_Click(); });
}

void frmMain::Form_Load() {
  setWindowTitle(ToQString(MainWindowTitle(FW_VERSION_MAJOR, FW_VERSION_MINOR)));
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

void frmMain::ShowOperationDialog(Operation typeOfOperation) {
  hide();
  // A dialog that has closed is only waiting to be deleted; every use starts from a new one.
  if (m_dialog == nullptr || m_dialog->IsClosed())
    m_dialog = new frmShowFiles(m_services, this, [this] { show(); });
  m_dialog->SelectOperation(typeOfOperation);
  m_dialog->show();
}

frmShowFiles* frmMain::OperationDialog() const {
  if (m_dialog == nullptr || m_dialog->IsClosed())
    return nullptr;
  return m_dialog.data();
}

void frmMain::cmdChangeWorldAIAircraft_Click() {
  const Result<void> converted =
      ConvertWorldAIAircraftList(m_services.ProgramFolder, m_services.Fs);
  if (!converted) {
    m_services.Boxes.Show(
        Message{MessageIcon::Exclamation, "Error",
                "Error in frmMain:cmdChangeWorldAIAircraft_Click(): " + converted.error().Message});
    return;
  }
  m_services.Boxes.Show(Message{MessageIcon::Information, std::string(kConversionSuccessTitle),
                                std::string(kConversionSuccessText)});
}

void frmMain::cmdHelp_Click() {
  m_services.Documents.Open(m_services.ProgramFolder + "ReadMe.htm");
}

}  // namespace fw
