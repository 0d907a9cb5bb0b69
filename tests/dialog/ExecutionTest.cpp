#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <stdexcept>

#include "DialogTestBase.h"

namespace fw::test {
namespace {

// Records the wait label's text each time it is painted, and whether its frame was showing.
class WaitPaints final : public QObject {
 public:
  explicit WaitPaints(QLabel* label) : m_label(label) { label->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_label && event->type() == QEvent::Paint) {
      Texts << m_label->text();
      FrameShown = FrameShown && m_label->parentWidget()->isVisible();
    }
    return false;
  }
  QStringList Texts;
  bool FrameShown = true;

 private:
  QLabel* m_label;
};

class ExecuteTest : public DialogTestBase {
 protected:
  // Opens the dialog on screen, so that the wait texts are painted.
  void OpenShown(std::int32_t code) {
    Open(code)->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dialog.data()));
  }
  void Numbers(const char* from, const char* to) {
    Find<QLineEdit>("txtFrom")->setText(from);
    Find<QLineEdit>("txtTo")->setText(to);
  }
  void ExpectOneBox(MessageIcon icon, const char* title, const std::string& text) {
    ASSERT_EQ(m_ui.Boxes.Shown.size(), 1u);
    EXPECT_EQ(m_ui.Boxes.Shown[0].Icon, icon);
    EXPECT_EQ(m_ui.Boxes.Shown[0].Title, title);
    EXPECT_EQ(m_ui.Boxes.Shown[0].Text, text);
  }
  std::string Path(const char* file) const { return m_ui.Folder.Name(file); }
};

TEST_F(ExecuteTest, SortRunsWithWaitTextsThenReportsAndReturnsToTheMainWindow) {
  const std::string input = m_ui.Folder.Write("fp.txt", "AC#3,b\r\nAC#1,a\r\nAC#3,b\r\n");
  OpenShown(0);
  Fill(input, Path("sorted.txt"));
  WaitPaints paints(Find<QLabel>("lblWait"));
  bool frameShownWithBox = true;
  bool dialogOpenWithBox = false;
  m_ui.Boxes.OnShow = [&](const Message&) {
    frameShownWithBox = Find<QFrame>("fraWait")->isVisible();
    dialogOpenWithBox = m_dialog->isVisible();
  };

  Click("cmdExecute");

  EXPECT_EQ(ReadBytes(Path("sorted.txt")), "AC#1,a\r\nAC#3,b\r\n");
  ExpectOneBox(MessageIcon::Information, "Sort Success", "Flight plans successfully sorted!");
  EXPECT_EQ(m_ui.Events, (std::vector<std::string>{"busy", "box: Sort Success", "default"}));
  EXPECT_EQ(paints.Texts, QStringList({"Please Wait...", "Please Wait. Reading input file...",
                                       "Please Wait. Sorting input file...",
                                       "Please Wait. Writing output file..."}));
  EXPECT_TRUE(paints.FrameShown);
  EXPECT_FALSE(frameShownWithBox) << "the wait frame must be gone before the box";
  EXPECT_TRUE(dialogOpenWithBox);
  EXPECT_EQ(m_mainShown, 1);
  EXPECT_TRUE(DialogDestroyed());
}

TEST_F(ExecuteTest, NumberChangeRewritesTheFilesInPlaceWithBackups) {
  const std::string aircraft = m_ui.Folder.Write("ac.txt", "AC#5,a\r\nAC#2,b\r\nAC#9,c\r\n");
  const std::string plans = m_ui.Folder.Write("fp.txt", "AC#5,x,1\r\n");
  OpenShown(7);
  Fill(aircraft + "\r\n" + plans, "");
  Numbers("5", "12");
  WaitPaints paints(Find<QLabel>("lblWait"));

  Click("cmdExecute");

  EXPECT_EQ(ReadBytes(aircraft), "AC#2,b\r\nAC#9,c\r\nAC#12,a\r\n");
  EXPECT_EQ(ReadBytes(plans), "AC#12,x,1\r\n");
  EXPECT_EQ(ReadBytes(aircraft + ".BAK"), "AC#5,a\r\nAC#2,b\r\nAC#9,c\r\n");
  EXPECT_EQ(ReadBytes(plans + ".BAK"), "AC#5,x,1\r\n");
  ExpectOneBox(MessageIcon::Information, "Aircraft # Change Success",
               "2 aircraft numbers successfully changed!");
  const QString sorting = "Please Wait. Sorting input file(s)...";
  const QString writing = "Please Wait. Writing output file(s)...";
  EXPECT_EQ(paints.Texts, QStringList({"Please Wait...", "Please Wait. Reading input file(s)...",
                                       sorting, sorting, writing, sorting, sorting, writing}));
  EXPECT_EQ(m_mainShown, 1);
}

TEST_F(ExecuteTest, UntickedBackupMakesNoBackup) {
  const std::string aircraft = m_ui.Folder.Write("ac.txt", "AC#5,a\r\n");
  Open(7);
  Fill(aircraft, "");
  Numbers("5", "6");
  Find<QCheckBox>("chkBackup")->setChecked(false);
  Click("cmdExecute");
  EXPECT_EQ(ReadBytes(aircraft), "AC#6,a\r\n");
  EXPECT_EQ(m_ui.Folder.Entries(), (std::vector<std::string>{"Fleetwright.ini", "ac.txt"}));
}

TEST_F(ExecuteTest, OperationFailureIsReportedAndStillReturnsToTheMainWindow) {
  Open(0);
  Fill(m_ui.Folder.Write("fp.txt", "AC#1,a\r\nAC#x,b\r\n"), Path("sorted.txt"));
  Click("cmdExecute");
  ASSERT_EQ(m_ui.Boxes.Shown.size(), 1u);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Icon, MessageIcon::Critical);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Text.rfind("Error during sort.\r\n", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(Path("sorted.txt")));
  EXPECT_EQ(m_ui.Events, (std::vector<std::string>{"busy", "box: Error", "default"}));
  EXPECT_EQ(m_mainShown, 1);
  EXPECT_TRUE(DialogDestroyed());
}

// Reads of anything but the settings file break in an unforeseen way.
class BreakingFileSystem final : public FileSystem {
 public:
  Result<ByteBuffer> ReadFile(const std::string& path) override {
    if (path.find("Fleetwright.ini") == std::string::npos)
      throw std::runtime_error("disk on fire");
    return m_fs.ReadFile(path);
  }
  Result<TempFile> CreateTempFile(const std::string& t, const std::string& f) override {
    return m_fs.CreateTempFile(t, f);
  }
  Result<void> Write(TempFile& file, std::string_view b) override { return m_fs.Write(file, b); }
  Result<void> FlushAndClose(TempFile& file) override { return m_fs.FlushAndClose(file); }
  Result<void> ReplaceTarget(TempFile& file) override { return m_fs.ReplaceTarget(file); }
  void Discard(TempFile& file) noexcept override { m_fs.Discard(file); }

 private:
  FileSystem& m_fs = NativeFileSystem();
};

TEST_F(ExecuteTest, UnforeseenFailureIsReportedAfterTheFrameAndPointerAreRestored) {
  BreakingFileSystem fs;
  const UiServices ui = m_ui.Services();
  m_dialog = new frmShowFiles(
      UiServices{ui.Boxes, ui.Files, ui.Documents, ui.Pointer, fs, ui.ProgramFolder}, nullptr,
      [this] { ++m_mainShown; });
  m_dialog->SelectOperation(Operation::SortFlightPlans);
  bool frameShownWithBox = true;
  m_ui.Boxes.OnShow = [&](const Message&) {
    frameShownWithBox = Find<QFrame>("fraWait")->isVisible();
  };
  Fill(m_ui.Folder.Write("fp.txt", "AC#1,a\r\n"), Path("sorted.txt"));

  Click("cmdExecute");

  ExpectOneBox(MessageIcon::Critical, "Error",
               "Error in frmShowFiles:cmdExecute_Click\r\ndisk on fire");
  EXPECT_EQ(m_ui.Events, (std::vector<std::string>{"busy", "default", "box: Error"}));
  EXPECT_FALSE(frameShownWithBox);
  EXPECT_EQ(m_mainShown, 1);
  EXPECT_TRUE(DialogDestroyed());
}

TEST_F(ExecuteTest, EvaluationCodeRunsNothingAndCloses) {
  Open(2);
  Fill(m_ui.Folder.Write("fp.txt", "AC#1,a\r\n"), Path("report.txt"));
  Click("cmdExecute");
  EXPECT_TRUE(m_ui.Boxes.Shown.empty());
  EXPECT_FALSE(std::filesystem::exists(Path("report.txt")));
  EXPECT_EQ(m_mainShown, 1);
}

// The warnings' texts are checked with the validation; here the dialog checks the names before
// the numbers, shows the warning and stays open as the user left it.
TEST_F(ExecuteTest, RefusedInputShowsTheWarningAndKeepsTheDialogOpen) {
  const std::string missing = Path("missing.txt");
  Open(7);
  Fill(missing, "");
  Click("cmdExecute");
  ExpectOneBox(
      MessageIcon::Exclamation, "Invalid Input File",
      "The input file: \"" + missing + "\" does not exist.  Please select a valid input file.");
  EXPECT_EQ(m_dialog->InputFilesText(), missing);

  Fill(m_ui.Folder.Write("in.txt", ""), "");
  Numbers("", "1");
  m_ui.Boxes.Shown.clear();
  Click("cmdExecute");
  ExpectOneBox(MessageIcon::Exclamation, "Invalid Aircraft Number",
               "Please enter the aircraft number to be changed.");
  EXPECT_EQ(m_ui.Events,
            (std::vector<std::string>{"box: Invalid Input File", "box: Invalid Aircraft Number"}));
  EXPECT_EQ(m_mainShown, 0);
  EXPECT_FALSE(m_dialog->IsClosed());
}

}  // namespace
}  // namespace fw::test
