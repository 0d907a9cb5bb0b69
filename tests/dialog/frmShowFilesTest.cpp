#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

#include "DialogTestBase.h"

namespace fw::test {
namespace {

// What one operation's dialog must look like; pixels are twips / 15.
struct OperationSetup {
  std::int32_t Code;
  const char *Title, *InputLabel, *OutputLabel, *Execute;
  bool NumberControls;
  int InputHeight, OutputLabelTop, OutputBoxTop, ButtonsTop;
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

using LayoutTest = DialogTestBase;

TEST_F(LayoutTest, TitleCaptionsVisibleControlsAndPlacesOfEveryOperation) {
  for (const OperationSetup& setup : kSetups) {
    SCOPED_TRACE(setup.Code);
    frmShowFiles* dialog = Open(setup.Code);
    EXPECT_EQ(dialog->windowTitle(), QString::fromLatin1(setup.Title));
    EXPECT_EQ(Find<QLabel>("lblInputFiles")->text(), QString::fromLatin1(setup.InputLabel));
    EXPECT_EQ(Find<QLabel>("lblOutputFiles")->text(), QString::fromLatin1(setup.OutputLabel));
    EXPECT_EQ(Find<QPushButton>("cmdExecute")->text(), QString::fromLatin1(setup.Execute));
    for (const char* name : {"lblOutputFiles", "txtOutputFile", "cmdBrowseOutput"})
      EXPECT_EQ(Find<QWidget>(name)->isHidden(), setup.NumberControls) << name;
    for (const char* name : {"lblFrom", "lblTo", "txtFrom", "txtTo", "chkBackup"})
      EXPECT_EQ(Find<QWidget>(name)->isHidden(), !setup.NumberControls) << name;
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
}

TEST_F(LayoutTest, WaitFrameOnTopFocusOrderAndNoButtonAnsweringEnter) {
  frmShowFiles* dialog = Open(7);
  EXPECT_EQ(dialog->children().constLast(), Find<QObject>("fraWait"));
  EXPECT_TRUE(Find<QCheckBox>("chkBackup")->isChecked());
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
    EXPECT_FALSE(button->autoDefault() || button->isDefault())
        << button->objectName().toStdString();
    EXPECT_FALSE(button->text().contains(QLatin1Char('&'))) << button->objectName().toStdString();
  }
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

using BrowseTest = DialogTestBase;

TEST_F(BrowseTest, SortsReplaceTheNameOthersAddALinePerPickAndCancelKeepsIt) {
  struct Case {
    std::int32_t Code;
    const char* Before;
    std::deque<std::string> Picks;  // one click each; "" is Cancel
    std::string After;
    const char* Title;  // of the last file dialog
  };
  const Case cases[] = {
      {0,
       "C:\\old.txt",
       {"C:\\new.txt"},
       "C:\\new.txt",
       "Select The Flight Plan File To Be Sorted"},
      {4,
       "",
       {"C:\\a.txt", "C:\\b.txt", "C:\\a.txt"},
       "C:\\a.txt\r\nC:\\b.txt\r\nC:\\a.txt",
       "Select The Airport Files To Be Merged"},
      {7,
       "",
       {"C:\\ac.txt"},
       "C:\\ac.txt",
       "Select The Aircraft and/or Flight Plan Files To Be Changed"},
      {2, "C:\\a.txt", {""}, "C:\\a.txt", "Select The Flight Plan Files To Be Evaluated"},
      {1, "   ", {"C:\\a.txt"}, "C:\\a.txt", nullptr},  // spaces only count as empty
      {1, "C:\\a.txt\n", {"C:\\b.txt"}, "C:\\a.txt\r\n\r\nC:\\b.txt", nullptr},  // used untrimmed
      {1, "\n", {"C:\\c.txt"}, "\r\n\r\nC:\\c.txt", nullptr},  // line breaks are not blank
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Before);
    Open(c.Code);
    Fill(c.Before, "");
    m_ui.Files.Answers = c.Picks;
    for (std::size_t i = 0; i < c.Picks.size(); ++i)
      Click("cmdBrowseInput");
    EXPECT_EQ(m_dialog->InputFilesText(), c.After);
    if (c.Title != nullptr) {
      EXPECT_EQ(m_ui.Files.Requests.back().Title, c.Title);
    }
  }
  const FileDialogRequest& request = m_ui.Files.Requests.front();
  EXPECT_TRUE(request.FileMustExist);
  EXPECT_EQ(request.DefaultExtension, ".txt");
  EXPECT_EQ(request.FilterIndex, 1);
  ASSERT_EQ(request.Filters.size(), 2u);
  EXPECT_EQ(request.Filters[0].Description + request.Filters[0].Pattern, "Text (*.txt)*.txt");
  EXPECT_EQ(request.Filters[1].Description + request.Filters[1].Pattern, "All Files (*.*)*.*");
  EXPECT_TRUE(m_ui.Boxes.Shown.empty());
}

TEST_F(BrowseTest, OutputPickReplacesTheNameAndAcceptsNewFiles) {
  Open(0);
  Fill("", "C:\\old.txt");
  m_ui.Files.Answers = {"", "C:\\new.txt"};
  Click("cmdBrowseOutput");
  EXPECT_EQ(Find<QLineEdit>("txtOutputFile")->text(), QStringLiteral("C:\\old.txt"));
  Click("cmdBrowseOutput");
  EXPECT_EQ(Find<QLineEdit>("txtOutputFile")->text(), QStringLiteral("C:\\new.txt"));
  EXPECT_EQ(m_ui.Files.Requests[0].Title, "Enter or Select The Sorted Flight Plan File Name");
  EXPECT_FALSE(m_ui.Files.Requests[0].FileMustExist);
}

// Drops local files on a box the way a file manager would.
void DropFiles(QWidget* target, const QStringList& paths) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& path : paths)
    urls << QUrl::fromLocalFile(path);
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
}

TEST_F(BrowseTest, DroppedFilesAreTakenAsBrowsingWouldTakeThem) {
  for (const auto& [code, after] :
       {std::pair{1, "/data/a.txt\r\n/data/b.txt\r\n/data/c.txt"}, std::pair{5, "/data/c.txt"}}) {
    Open(code);
    Fill("/data/a.txt", "");
    DropFiles(Find<QPlainTextEdit>("txtInputFiles")->viewport(), {"/data/b.txt", "/data/c.txt"});
    EXPECT_EQ(m_dialog->InputFilesText(), after);
  }
  DropFiles(Find<QWidget>("txtOutputFile"), {"/data/out1.txt", "/data/out2.txt"});
  EXPECT_EQ(Find<QLineEdit>("txtOutputFile")->text(), QStringLiteral("/data/out2.txt"));
}

}  // namespace
}  // namespace fw::test
