#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include "DialogTestBase.h"
#include "dialog/frmShowFiles.h"

namespace fw::test {
namespace {

// What one operation's dialog must look like; pixels are twips / 15.
struct OperationSetup {
  std::int32_t Code;
  const char* Title;
  const char* InputLabel;
  const char* OutputLabel;
  const char* Execute;
  bool NumberControls;
  int InputHeight;
  int OutputLabelTop;
  int OutputBoxTop;
  int ButtonsTop;
  int ClientHeight;  // window height less the 405-twip title bar and frame
};

const OperationSetup kSetups[] = {
    {0, "Sort Flight Plans", "Flight Plan File To Be Sorted:", "Sorted Flight Plan File Name:",
     "Sort Flight Plan File", false, 19, 51, 66, 96, 127},
    {1, "Merge Flight Plans", "Flight Plan Files To Be Merged:", "Merged Flight Plan File Name:",
     "Merge Flight Plan Files", false, 88, 123, 138, 169, 203},
    {2, "", "Input File(s)", "Output File", "Execute", false, 88, 147, 162, 189, 220},
    {3, "Sort Airports", "Airport File To Be Sorted:", "Sorted Airport File Name:",
     "Sort Airport File", false, 19, 51, 66, 96, 127},
    {4, "Merge Airports", "Airport Files To Be Merged:", "Merged Airport File Name:",
     "Merge Airport Files", false, 88, 123, 138, 169, 203},
    {5, "Sort Aircraft", "Aircraft File To Be Sorted:", "Sorted Aircraft File Name:",
     "Sort Aircraft File", false, 19, 51, 66, 96, 127},
    {6, "Merge Aircraft", "Aircraft Files To Be Merged:", "Merged Aircraft File Name:",
     "Merge Aircraft Files", false, 88, 123, 138, 169, 203},
    {7, "Change Aircraft & Flight Plan Numbers", "Aircraft and/or Flight Plan Files To Be Changed",
     "Output File", "Change Aircraft and/or Flight Plan Numbers", true, 88, 147, 162, 151, 183},
};

class SetupTest : public DialogTestBase, public ::testing::WithParamInterface<OperationSetup> {};

TEST_P(SetupTest, TitleCaptionsVisibleControlsAndLayout) {
  const OperationSetup& setup = GetParam();
  frmShowFiles* dialog = Open(setup.Code);
  EXPECT_EQ(dialog->windowTitle(), QString::fromLatin1(setup.Title));
  EXPECT_EQ(Find<QLabel>("lblInputFiles")->text(), QString::fromLatin1(setup.InputLabel));
  EXPECT_EQ(Find<QLabel>("lblOutputFiles")->text(), QString::fromLatin1(setup.OutputLabel));
  EXPECT_EQ(Find<QPushButton>("cmdExecute")->text(), QString::fromLatin1(setup.Execute));

  for (const char* name : {"lblOutputFiles", "txtOutputFile", "cmdBrowseOutput"})
    EXPECT_EQ(Find<QWidget>(name)->isHidden(), setup.NumberControls) << name;
  for (const char* name : {"lblFrom", "lblTo", "txtFrom", "txtTo", "chkBackup"})
    EXPECT_EQ(Find<QWidget>(name)->isHidden(), !setup.NumberControls) << name;
  for (const char* name :
       {"lblInputFiles", "txtInputFiles", "cmdBrowseInput", "cmdExecute", "cmdCancel"})
    EXPECT_FALSE(Find<QWidget>(name)->isHidden()) << name;
  EXPECT_TRUE(Find<QWidget>("fraWait")->isHidden());

  EXPECT_EQ(Find<QWidget>("txtInputFiles")->geometry(), QRect(9, 24, 391, setup.InputHeight));
  EXPECT_EQ(Find<QWidget>("lblOutputFiles")->geometry(), QRect(9, setup.OutputLabelTop, 391, 13));
  EXPECT_EQ(Find<QWidget>("txtOutputFile")->geometry(), QRect(6, setup.OutputBoxTop, 391, 19));
  EXPECT_EQ(Find<QWidget>("cmdBrowseOutput")->geometry(), QRect(402, setup.OutputBoxTop, 28, 19));
  EXPECT_EQ(Find<QWidget>("cmdExecute")->geometry(), QRect(6, setup.ButtonsTop, 310, 22));
  EXPECT_EQ(Find<QWidget>("cmdCancel")->geometry(), QRect(327, setup.ButtonsTop, 103, 22));
  EXPECT_EQ(dialog->size(), QSize(441, setup.ClientHeight));
  EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "the dialog must not be resizable";
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, SetupTest, ::testing::ValuesIn(kSetups),
                         [](const auto& info) { return "Code" + std::to_string(info.param.Code); });

using DesignTimeTest = DialogTestBase;

TEST_F(DesignTimeTest, ControlsKeepTheirPlacesTooltipsAndFocusOrder) {
  frmShowFiles* dialog = Open(7);
  EXPECT_EQ(Find<QWidget>("cmdBrowseInput")->geometry(), QRect(405, 24, 28, 19));
  EXPECT_EQ(Find<QWidget>("lblFrom")->geometry(), QRect(9, 123, 70, 13));
  EXPECT_EQ(Find<QWidget>("txtFrom")->geometry(), QRect(81, 120, 40, 19));
  EXPECT_EQ(Find<QWidget>("lblTo")->geometry(), QRect(132, 123, 46, 13));
  EXPECT_EQ(Find<QWidget>("txtTo")->geometry(), QRect(177, 120, 40, 19));
  EXPECT_EQ(Find<QWidget>("chkBackup")->geometry(), QRect(246, 122, 154, 16));
  EXPECT_EQ(Find<QWidget>("fraWait")->geometry(), QRect(3, 3, 433, 214));
  EXPECT_EQ(Find<QWidget>("lblWait")->geometry(), QRect(12, 63, 409, 22));
  EXPECT_EQ(Find<QLabel>("lblFrom")->text(), QStringLiteral("Change AC#: "));
  EXPECT_EQ(Find<QLabel>("lblTo")->text(), QStringLiteral("To AC#: "));
  EXPECT_EQ(Find<QLabel>("lblWait")->text(), QStringLiteral("Please Wait..."));
  EXPECT_TRUE(Find<QCheckBox>("chkBackup")->isChecked());
  EXPECT_EQ(Find<QWidget>("cmdExecute")->toolTip(),
            QStringLiteral("Perfrom the requested operation"));
  EXPECT_EQ(Find<QWidget>("txtTo")->toolTip(), QStringLiteral("Enter the new aircraft number"));

  // The wait frame lies above every other control.
  EXPECT_EQ(dialog->children().constLast(), Find<QObject>("fraWait"));

  const QStringList expected = {"txtInputFiles", "cmdBrowseInput", "txtFrom",
                                "txtTo",         "txtOutputFile",  "cmdBrowseOutput",
                                "cmdExecute",    "cmdCancel",      "chkBackup"};
  QStringList order;
  QWidget* widget = Find<QWidget>("txtInputFiles");
  do {
    if (expected.contains(widget->objectName()) && !order.contains(widget->objectName()))
      order << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != Find<QWidget>("txtInputFiles"));
  EXPECT_EQ(order, expected);
}

TEST_F(DesignTimeTest, NoButtonAnswersEnterAndNoCaptionHasAnAccessKey) {
  Open(1);
  for (QPushButton* button : m_dialog->findChildren<QPushButton*>()) {
    EXPECT_FALSE(button->autoDefault()) << button->objectName().toStdString();
    EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
    EXPECT_FALSE(button->text().contains(QLatin1Char('&'))) << button->objectName().toStdString();
  }
  auto* input = Find<QPlainTextEdit>("txtInputFiles");
  EXPECT_EQ(input->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_NE(input->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_NE(input->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

class BrowseTest : public DialogTestBase {
 protected:
  std::string InputText() { return m_dialog->InputFilesText(); }
  void SetInput(const char* text) { Find<QPlainTextEdit>("txtInputFiles")->setPlainText(text); }
  void ClickBrowseInput() { Find<QPushButton>("cmdBrowseInput")->click(); }
};

TEST_F(BrowseTest, SortReplacesTheNameWithTheOnePicked) {
  Open(0);
  SetInput("C:\\old.txt");
  m_ui.Files.Answers = {"C:\\new.txt"};
  ClickBrowseInput();
  EXPECT_EQ(InputText(), "C:\\new.txt");

  ASSERT_EQ(m_ui.Files.Requests.size(), 1u);
  const FileDialogRequest& request = m_ui.Files.Requests[0];
  EXPECT_EQ(request.Title, "Select The Flight Plan File To Be Sorted");
  EXPECT_TRUE(request.FileMustExist);
  EXPECT_EQ(request.DefaultExtension, ".txt");
  EXPECT_EQ(request.FilterIndex, 1);
  ASSERT_EQ(request.Filters.size(), 2u);
  EXPECT_EQ(request.Filters[0].Description, "Text (*.txt)");
  EXPECT_EQ(request.Filters[0].Pattern, "*.txt");
  EXPECT_EQ(request.Filters[1].Description, "All Files (*.*)");
  EXPECT_EQ(request.Filters[1].Pattern, "*.*");
}

TEST_F(BrowseTest, MergeAddsOneLinePerPickInOrderDuplicatesIncluded) {
  Open(4);
  m_ui.Files.Answers = {"C:\\a.txt", "C:\\b.txt", "C:\\a.txt"};
  ClickBrowseInput();
  ClickBrowseInput();
  ClickBrowseInput();
  EXPECT_EQ(InputText(), "C:\\a.txt\r\nC:\\b.txt\r\nC:\\a.txt");
  EXPECT_EQ(m_ui.Files.Requests.back().Title, "Select The Airport Files To Be Merged");
}

TEST_F(BrowseTest, NumberChangeAddsLinesAndHasNoOutputTitle) {
  frmShowFiles* dialog = Open(7);
  m_ui.Files.Answers = {"C:\\ac.txt", "C:\\fp.txt"};
  ClickBrowseInput();
  ClickBrowseInput();
  EXPECT_EQ(InputText(), "C:\\ac.txt\r\nC:\\fp.txt");
  dialog->SetDialogTitle(1);
  EXPECT_EQ(dialog->CommonDialog1().Title,
            "Select The Aircraft and/or Flight Plan Files To Be Changed");
}

TEST_F(BrowseTest, BlankAndLineBreakOnlyBoxes) {
  Open(1);
  SetInput("   ");
  m_ui.Files.Answers = {"C:\\a.txt"};
  ClickBrowseInput();
  EXPECT_EQ(InputText(), "C:\\a.txt") << "spaces only count as empty";

  SetInput("C:\\a.txt\n");
  m_ui.Files.Answers = {"C:\\b.txt"};
  ClickBrowseInput();
  EXPECT_EQ(InputText(), "C:\\a.txt\r\n\r\nC:\\b.txt") << "the text is used untrimmed";

  SetInput("\n");
  m_ui.Files.Answers = {"C:\\c.txt"};
  ClickBrowseInput();
  EXPECT_EQ(InputText(), "\r\n\r\nC:\\c.txt") << "line breaks are not blank";
}

TEST_F(BrowseTest, CancelChangesNothingAndShowsNothing) {
  Open(1);
  SetInput("C:\\a.txt");
  Find<QLineEdit>("txtOutputFile")->setText("C:\\out.txt");
  m_ui.Files.Answers = {"", ""};
  ClickBrowseInput();
  Find<QPushButton>("cmdBrowseOutput")->click();
  EXPECT_EQ(InputText(), "C:\\a.txt");
  EXPECT_EQ(Find<QLineEdit>("txtOutputFile")->text(), QStringLiteral("C:\\out.txt"));
  EXPECT_TRUE(m_ui.Boxes.Shown.empty());
}

TEST_F(BrowseTest, OutputPickReplacesTheNameAndAcceptsNewFiles) {
  Open(0);
  Find<QLineEdit>("txtOutputFile")->setText("C:\\old.txt");
  m_ui.Files.Answers = {"C:\\new.txt"};
  Find<QPushButton>("cmdBrowseOutput")->click();
  EXPECT_EQ(Find<QLineEdit>("txtOutputFile")->text(), QStringLiteral("C:\\new.txt"));
  ASSERT_EQ(m_ui.Files.Requests.size(), 1u);
  EXPECT_EQ(m_ui.Files.Requests[0].Title, "Enter or Select The Sorted Flight Plan File Name");
  EXPECT_FALSE(m_ui.Files.Requests[0].FileMustExist);
}

TEST_F(BrowseTest, EvaluationCodeHasFileDialogTitlesOnly) {
  Open(2);
  m_ui.Files.Answers = {"", ""};
  ClickBrowseInput();
  Find<QPushButton>("cmdBrowseOutput")->click();
  ASSERT_EQ(m_ui.Files.Requests.size(), 2u);
  EXPECT_EQ(m_ui.Files.Requests[0].Title, "Select The Flight Plan Files To Be Evaluated");
  EXPECT_EQ(m_ui.Files.Requests[1].Title, "Enter or Select The Evaluation Report File");
}

// Drops local files on a box the way a file manager would.
void DropFiles(QWidget* target, const QStringList& paths) {
  QList<QUrl> urls;
  for (const QString& path : paths)
    urls << QUrl::fromLocalFile(path);
  QMimeData data;
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
  EXPECT_TRUE(drop.isAccepted());
}

TEST_F(BrowseTest, DroppedFilesAreAddedAsBrowsingWouldAddThem) {
  Open(1);
  SetInput("/data/a.txt");
  DropFiles(Find<QPlainTextEdit>("txtInputFiles")->viewport(), {"/data/b.txt", "/data/c.txt"});
  EXPECT_EQ(InputText(), "/data/a.txt\r\n/data/b.txt\r\n/data/c.txt");

  DropFiles(Find<QWidget>("txtOutputFile"), {"/data/out1.txt", "/data/out2.txt"});
  EXPECT_EQ(Find<QLineEdit>("txtOutputFile")->text(), QStringLiteral("/data/out2.txt"));
}

TEST_F(BrowseTest, FileDroppedOnASortReplacesTheName) {
  Open(5);
  SetInput("/data/a.txt");
  DropFiles(Find<QPlainTextEdit>("txtInputFiles")->viewport(), {"/data/b.txt", "/data/c.txt"});
  EXPECT_EQ(InputText(), "/data/c.txt");
}

}  // namespace
}  // namespace fw::test
