#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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
  void Fill(const std::string& input, const std::string& output) {
    Find<QPlainTextEdit>("txtInputFiles")->setPlainText(QString::fromStdString(input));
    Find<QLineEdit>("txtOutputFile")->setText(QString::fromStdString(output));
  }
  void Execute() { Find<QPushButton>("cmdExecute")->click(); }
  std::string Path(const char* file) const { return m_ui.Folder.Name(file); }
};

TEST_F(ExecuteTest, SortRunsWithWaitTextsThenReportsAndReturnsToTheMainWindow) {
  const std::string input = m_ui.Folder.Write("fp.txt", "AC#3,b\r\nAC#1,a\r\nAC#3,b\r\n");
  frmShowFiles* dialog = Open(0);
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
  Fill(input, Path("sorted.txt"));
  WaitPaints paints(Find<QLabel>("lblWait"));
  bool frameShownWithBox = true;
  bool dialogOpenWithBox = false;
  m_ui.Boxes.OnShow = [&](const ShownBox&) {
    frameShownWithBox = Find<QFrame>("fraWait")->isVisible();
    dialogOpenWithBox = dialog->isVisible();
  };

  Execute();

  EXPECT_EQ(ReadBytes(Path("sorted.txt")), "AC#1,a\r\nAC#3,b\r\n");
  ASSERT_EQ(m_ui.Boxes.Shown.size(), 1u);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Icon, BoxIcon::Information);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Title, "Sort Success");
  EXPECT_EQ(m_ui.Boxes.Shown[0].Text, "Flight plans successfully sorted!");
  EXPECT_EQ(m_ui.Events, (std::vector<std::string>{"busy", "box: Sort Success", "default"}));

  const QStringList expected = {"Please Wait...", "Please Wait. Reading input file...",
                                "Please Wait. Sorting input file...",
                                "Please Wait. Writing output file..."};
  EXPECT_EQ(paints.Texts, expected);
  EXPECT_TRUE(paints.FrameShown);
  EXPECT_FALSE(frameShownWithBox) << "the wait frame must be gone before the box";
  EXPECT_TRUE(dialogOpenWithBox);

  EXPECT_EQ(m_mainShown, 1);
  EXPECT_TRUE(DialogDestroyed());
}

TEST_F(ExecuteTest, NumberChangeRewritesTheFilesInPlaceWithBackups) {
  const std::string aircraft = m_ui.Folder.Write("ac.txt", "AC#5,a\r\nAC#2,b\r\nAC#9,c\r\n");
  const std::string plans = m_ui.Folder.Write("fp.txt", "AC#5,x,1\r\n");
  frmShowFiles* dialog = Open(7);
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
  Fill(aircraft + "\r\n" + plans, "");
  Find<QLineEdit>("txtFrom")->setText("5");
  Find<QLineEdit>("txtTo")->setText("12");
  WaitPaints paints(Find<QLabel>("lblWait"));

  Execute();

  EXPECT_EQ(ReadBytes(aircraft), "AC#2,b\r\nAC#9,c\r\nAC#12,a\r\n");
  EXPECT_EQ(ReadBytes(plans), "AC#12,x,1\r\n");
  EXPECT_EQ(ReadBytes(aircraft + ".BAK"), "AC#5,a\r\nAC#2,b\r\nAC#9,c\r\n");
  EXPECT_EQ(ReadBytes(plans + ".BAK"), "AC#5,x,1\r\n");
  ASSERT_EQ(m_ui.Boxes.Shown.size(), 1u);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Title, "Aircraft # Change Success");
  EXPECT_EQ(m_ui.Boxes.Shown[0].Text, "2 aircraft numbers successfully changed!");
  const QStringList expected = {"Please Wait...",
                                "Please Wait. Reading input file(s)...",
                                "Please Wait. Sorting input file(s)...",
                                "Please Wait. Sorting input file(s)...",
                                "Please Wait. Writing output file(s)...",
                                "Please Wait. Sorting input file(s)...",
                                "Please Wait. Sorting input file(s)...",
                                "Please Wait. Writing output file(s)..."};
  EXPECT_EQ(paints.Texts, expected);
  EXPECT_EQ(m_mainShown, 1);
  EXPECT_TRUE(DialogDestroyed());
}

TEST_F(ExecuteTest, UntickedBackupMakesNoBackup) {
  const std::string aircraft = m_ui.Folder.Write("ac.txt", "AC#5,a\r\n");
  Open(7);
  Fill(aircraft, "");
  Find<QLineEdit>("txtFrom")->setText("5");
  Find<QLineEdit>("txtTo")->setText("6");
  Find<QCheckBox>("chkBackup")->setChecked(false);
  Execute();
  EXPECT_EQ(ReadBytes(aircraft), "AC#6,a\r\n");
  EXPECT_EQ(m_ui.Folder.Entries(), (std::vector<std::string>{"Fleetwright.ini", "ac.txt"}));
}

TEST_F(ExecuteTest, OperationFailureIsReportedAndStillReturnsToTheMainWindow) {
  const std::string input = m_ui.Folder.Write("fp.txt", "AC#1,a\r\nAC#x,b\r\n");
  Open(0);
  Fill(input, Path("sorted.txt"));
  Execute();
  ASSERT_EQ(m_ui.Boxes.Shown.size(), 1u);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Icon, BoxIcon::Critical);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Title, "Error");
  EXPECT_EQ(m_ui.Boxes.Shown[0].Text.rfind("Error during sort.\r\n", 0), 0u)
      << m_ui.Boxes.Shown[0].Text;
  EXPECT_FALSE(std::filesystem::exists(Path("sorted.txt")));
  EXPECT_EQ(m_ui.Events, (std::vector<std::string>{"busy", "box: Error", "default"}));
  EXPECT_EQ(m_mainShown, 1);
  EXPECT_TRUE(DialogDestroyed());
}

TEST_F(ExecuteTest, EvaluationCodeRunsNothingAndCloses) {
  const std::string input = m_ui.Folder.Write("fp.txt", "AC#1,a\r\n");
  Open(2);
  Fill(input, Path("report.txt"));
  Execute();
  EXPECT_TRUE(m_ui.Boxes.Shown.empty());
  EXPECT_FALSE(std::filesystem::exists(Path("report.txt")));
  EXPECT_EQ(m_ui.Events, (std::vector<std::string>{"busy", "default"}));
  EXPECT_EQ(m_mainShown, 1);
}

// A file system whose reads of anything but the settings file break in an unforeseen way.
class BreakingFileSystem final : public FileSystem {
 public:
  Result<ByteBuffer> ReadFile(const std::string& path) override {
    if (path.find("Fleetwright.ini") == std::string::npos)
      throw std::runtime_error("disk on fire");
    return NativeFileSystem().ReadFile(path);
  }
  Result<TempFile> CreateTempFile(const std::string& target, const std::string& from) override {
    return NativeFileSystem().CreateTempFile(target, from);
  }
  Result<void> Write(TempFile& file, std::string_view bytes) override {
    return NativeFileSystem().Write(file, bytes);
  }
  Result<void> FlushAndClose(TempFile& file) override {
    return NativeFileSystem().FlushAndClose(file);
  }
  Result<void> ReplaceTarget(TempFile& file) override {
    return NativeFileSystem().ReplaceTarget(file);
  }
  void Discard(TempFile& file) noexcept override { NativeFileSystem().Discard(file); }
};

TEST_F(ExecuteTest, UnforeseenFailureIsReportedAfterTheFrameAndPointerAreRestored) {
  const std::string input = m_ui.Folder.Write("fp.txt", "AC#1,a\r\n");
  BreakingFileSystem fs;
  UiServices services = m_ui.Services();
  auto* dialog = new frmShowFiles(UiServices{services.Boxes, services.Files, services.Documents,
                                             services.Pointer, fs, services.ProgramFolder},
                                  nullptr, [this] { ++m_mainShown; });
  m_dialog = dialog;
  dialog->SelectOperation(0);
  bool frameShownWithBox = true;
  m_ui.Boxes.OnShow = [&](const ShownBox&) {
    frameShownWithBox = Find<QFrame>("fraWait")->isVisible();
  };
  Fill(input, Path("sorted.txt"));

  Execute();

  ASSERT_EQ(m_ui.Boxes.Shown.size(), 1u);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Icon, BoxIcon::Critical);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Title, "Error");
  EXPECT_EQ(m_ui.Boxes.Shown[0].Text, "Error in frmShowFiles:cmdExecute_Click\r\ndisk on fire");
  EXPECT_EQ(m_ui.Events, (std::vector<std::string>{"busy", "default", "box: Error"}));
  EXPECT_FALSE(frameShownWithBox);
  EXPECT_EQ(m_mainShown, 1);
  EXPECT_TRUE(DialogDestroyed());
}

// One refused input: the warning shown, and the dialog left open as the user left it.
struct Refusal {
  std::int32_t Code;
  const char* Input;  // "@" stands for the test folder, which holds in.txt
  const char* Output;
  const char* From;
  const char* To;
  const char* Title;
  const char* Text;
};

const Refusal kRefusals[] = {
    {0, "", "@out.txt", "", "", "Invalid Input File", "Please select an input file."},
    {0, "   ", "@out.txt", "", "", "Invalid Input File", "Please select an input file."},
    {1, "@in.txt\r\n @missing.txt ", "@out.txt", "", "", "Invalid Input File",
     "The input file: \"@missing.txt\" does not exist.  Please select a valid input file."},
    {0, "@in.txt", "  ", "", "", "Invalid Output File", "Please select an output file."},
    {0, "@in.txt", "@none/out.txt", "", "", "Invalid Output File Folder",
     "The output file folder: \"@none\" does not exist.  Please enter a valid output file folder "
     "location."},
    {0, "@in.txt", "out.txt", "", "", "Invalid Output File Folder",
     "The output file folder: \"\" does not exist.  Please enter a valid output file folder "
     "location."},
    {7, "@in.txt", "", "", "1", "Invalid Aircraft Number",
     "Please enter the aircraft number to be changed."},
    {7, "@in.txt", "", "1", " ", "Invalid Aircraft Number",
     "Please enter the new aircraft number."},
    {7, "@in.txt", "", " 1", "2", "Invalid Aircraft Number",
     "Please enter a valid aircraft number to be changed."},
    {7, "@in.txt", "", "1", "12a", "Invalid Aircraft Number",
     "Please enter a valid aircraft number to be changed."},
};

class RefusalTest : public ExecuteTest, public ::testing::WithParamInterface<Refusal> {
 protected:
  std::string Expand(const char* text) const {
    const std::string folder = m_ui.Folder.Name("");
    std::string result;
    for (const char* c = text; *c != '\0'; ++c) {
      if (*c == '@')
        result += folder;
      else
        result += *c;
    }
    return result;
  }
};

TEST_P(RefusalTest, ShowsTheWarningAndKeepsTheDialogOpen) {
  const Refusal& refusal = GetParam();
  m_ui.Folder.Write("in.txt", "AC#1,a\r\n");
  const std::string input = Expand(refusal.Input);
  Open(refusal.Code);
  Fill(input, Expand(refusal.Output));
  Find<QLineEdit>("txtFrom")->setText(refusal.From);
  Find<QLineEdit>("txtTo")->setText(refusal.To);

  Execute();

  ASSERT_EQ(m_ui.Boxes.Shown.size(), 1u);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Icon, BoxIcon::Exclamation);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Title, refusal.Title);
  EXPECT_EQ(m_ui.Boxes.Shown[0].Text, Expand(refusal.Text));
  EXPECT_EQ(m_ui.Events, std::vector<std::string>{"box: " + std::string(refusal.Title)});
  EXPECT_EQ(m_mainShown, 0);
  EXPECT_FALSE(m_dialog->IsClosed());
  EXPECT_EQ(m_dialog->InputFilesText(), input);
}

INSTANTIATE_TEST_SUITE_P(EveryWarning, RefusalTest, ::testing::ValuesIn(kRefusals));

}  // namespace
}  // namespace fw::test
