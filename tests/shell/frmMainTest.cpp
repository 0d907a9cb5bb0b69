#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "dialog/frmShowFiles.h"
#include "shell/Main.h"
#include "shell/frmMain.h"
#include "support/FakePlatform.h"

namespace fw::test {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { m_window = Main(m_ui.Services()); }
  void TearDown() override {
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  template <typename Control>
  Control* Find(const char* name) {
    Control* control = m_window->findChild<Control*>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  void Click(const char* name) { Find<QPushButton>(name)->click(); }

  template <typename Control>
  Control* FindInDialog(const char* name) {
    return m_window->OperationDialog()->findChild<Control*>(QLatin1String(name));
  }

  FakeUi m_ui;
  std::unique_ptr<frmMain> m_window;
};

// A button's place and texts; pixels are twips / 15, inside its frame where it has one.
struct ButtonSpec {
  const char* Name;
  const char* Frame;
  const char* Caption;
  const char* Tooltip;
  QRect Place;
};

TEST_F(MainWindowTest, ShowsTitleFramesAndButtonsInTheirPlaces) {
  EXPECT_TRUE(m_window->isVisible());
  EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Fleetwright v1.0"));
  EXPECT_EQ(m_window->size(), QSize(192, 346));
  EXPECT_EQ(m_window->minimumSize(), m_window->maximumSize());

  EXPECT_EQ(Find<QGroupBox>("fraAirports")->geometry(), QRect(15, 90, 160, 76));

  const ButtonSpec buttons[] = {
      {"cmdSortFlightPlans", "fraFlightPlans", "Sort Flight Plans",
       "Sorts flight plan files by aircraft # (also removes any duplicate flight plans)",
       QRect(15, 21, 133, 21)},
      {"cmdMergeFlightPlans", "fraFlightPlans", "Merge Flight Plans",
       "Merges multiple flight plan files into a single, sorted flight plan file (also removes "
       "any duplicate flight plans)",
       QRect(15, 48, 133, 21)},
      {"cmdSortAirports", "fraAirports", "Sort Airports",
       "Sorts airport files by airport ID (also removes any duplicate airports)",
       QRect(15, 21, 133, 21)},
      {"cmdMergeAirports", "fraAirports", "Merge Airports",
       "Merges multiple airport files into a single, sorted airport file (also removes any "
       "duplicate airports)",
       QRect(15, 48, 133, 21)},
      {"cmdSortAircraft", "fraAircraft", "Sort Aircraft",
       "Sorts aircraft files by aircraft # (also removes any duplicate aircraft)",
       QRect(15, 21, 133, 21)},
      {"cmdMergeAircraft", "fraAircraft", "Merge Aircraft",
       "Merges multiple aircraft files into a single, sorted aircraft file (also removes any "
       "duplicate aircraft)",
       QRect(15, 48, 133, 21)},
      {"cmdChangeACNum", "frmMain", "Change AC and/or FP #s",
       "Changes the aircraft # in aircraft and/or flight plan files to a new # (also sorts & "
       "removes any duplicate aircraft and/or flight plans)",
       QRect(15, 264, 160, 21)},
      {"cmdHelp", "frmMain", "View ReadMe.htm File", "View the help file", QRect(15, 291, 160, 21)},
      {"cmdChangeWorldAIAircraft", "frmMain", "Convert World AI Aircraft List",
       "Converts the World AI aircraft list to a more readable format", QRect(15, 318, 160, 21)},
  };
  for (const ButtonSpec& spec : buttons) {
    auto* button = Find<QPushButton>(spec.Name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->parentWidget()->objectName(), QLatin1String(spec.Frame)) << spec.Name;
    EXPECT_EQ(button->text(), QLatin1String(spec.Caption)) << spec.Name;
    EXPECT_EQ(button->toolTip(), QLatin1String(spec.Tooltip)) << spec.Name;
    EXPECT_EQ(button->geometry(), spec.Place) << spec.Name;
    EXPECT_TRUE(button->isVisible()) << spec.Name;
    EXPECT_FALSE(button->autoDefault()) << spec.Name;
  }
  EXPECT_TRUE(Find<QPushButton>("cmdEvaluateFP")->isHidden());
}

TEST_F(MainWindowTest, EachButtonOpensItsOperationFreshAndClosingBringsTheWindowBack) {
  const std::pair<const char*, int> buttons[] = {
      {"cmdSortFlightPlans", 0}, {"cmdMergeFlightPlans", 1}, {"cmdSortAirports", 3},
      {"cmdMergeAirports", 4},   {"cmdSortAircraft", 5},     {"cmdMergeAircraft", 6},
      {"cmdChangeACNum", 7}};
  for (const auto& [name, code] : buttons) {
    Click(name);
    EXPECT_FALSE(m_window->isVisible()) << name;
    frmShowFiles* dialog = m_window->OperationDialog();
    ASSERT_NE(dialog, nullptr) << name;
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(static_cast<int>(dialog->TypeOfOperation()), code) << name;
    EXPECT_EQ(dialog->parentWidget(), m_window.get()) << "the main window owns the dialog";
    FindInDialog<QCheckBox>("chkBackup")->setChecked(false);
    QPointer<frmShowFiles> closed = dialog;
    if (code == 7)
      dialog->close();  // the title bar's close control
    else
      FindInDialog<QPushButton>("cmdCancel")->click();
    EXPECT_TRUE(m_window->isVisible()) << name;
    EXPECT_EQ(m_window->OperationDialog(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull()) << "the dialog is destroyed";
  }
  Click("cmdChangeACNum");
  EXPECT_TRUE(FindInDialog<QCheckBox>("chkBackup")->isChecked());
}

TEST_F(MainWindowTest, HelpOpensTheReadMeInTheProgramFolder) {
  Click("cmdHelp");
  EXPECT_EQ(m_ui.Documents.Opened, std::vector<std::string>{m_ui.Folder.Name("ReadMe.htm")});
  EXPECT_TRUE(m_window->isVisible());
}

TEST_F(MainWindowTest, WorldAIButtonConvertsTheListInTheProgramFolder) {
  Click("cmdChangeWorldAIAircraft");
  ASSERT_EQ(m_ui.Boxes.Shown.size(), 1u);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Icon, MessageIcon::Exclamation);
  EXPECT_EQ(
      m_ui.Boxes.Shown[0].Text.rfind("Error in frmMain:cmdChangeWorldAIAircraft_Click(): ", 0), 0u);

  m_ui.Folder.Write("Aircraft Codes.txt", "AB1,Alpha One\r\n");
  m_ui.Folder.Write("Airline Codes.txt", "QQQ,Quebec Air\r\n");
  m_ui.Folder.Write("AddToAircraft.txt", "  AC#1,250,\"ai QQQ AB1\"  \r\n");
  Click("cmdChangeWorldAIAircraft");
  EXPECT_EQ(ReadBytes(m_ui.Folder.Path() / "AC.txt"), "AC#1,250,\"ai Alpha One Quebec Air\"\r\n");
  ASSERT_EQ(m_ui.Boxes.Shown.size(), 2u);
  EXPECT_EQ(m_ui.Boxes.Shown[1].Icon, MessageIcon::Information);
  EXPECT_EQ(m_ui.Boxes.Shown[1].Title, "Success");
  EXPECT_EQ(m_ui.Boxes.Shown[1].Text, "AC.txt File Successfully Created!");
  EXPECT_TRUE(m_window->isVisible());
}

// Saves what both windows look like, for a person to check against the layout tables.
TEST_F(MainWindowTest, SavesScreenshotsOfBothWindows) {
  const QDir folder(QStringLiteral(FW_SCREENSHOT_FOLDER));
  ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
  EXPECT_TRUE(m_window->grab().save(folder.filePath(QStringLiteral("frmMain.png"))));

  const std::pair<const char*, const char*> operations[] = {
      {"cmdSortFlightPlans", "frmShowFiles-sort.png"},
      {"cmdMergeAirports", "frmShowFiles-merge.png"},
      {"cmdChangeACNum", "frmShowFiles-change-numbers.png"}};
  for (const auto& [button, file] : operations) {
    Click(button);
    frmShowFiles* dialog = m_window->OperationDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_TRUE(dialog->grab().save(folder.filePath(QLatin1String(file))));
    if (QLatin1String(file) == QLatin1String("frmShowFiles-merge.png")) {
      FindInDialog<QFrame>("fraWait")->show();
      dialog->SetWaitMessage("Please Wait. Sorting input file(s)...");
      EXPECT_TRUE(dialog->grab().save(folder.filePath(QStringLiteral("frmShowFiles-wait.png"))));
    }
    FindInDialog<QPushButton>("cmdCancel")->click();
  }
}

}  // namespace
}  // namespace fw::test
