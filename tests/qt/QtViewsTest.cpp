#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDropEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "ModalWindows.h"
#include "qt/Main.h"
#include "qt/QtControls.h"
#include "qt/QtText.h"
#include "records/OperationTable.h"
#include "support/FakePlatform.h"

// Lets failing comparisons of texts print them readably.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace fw::test {
namespace {

class QtViewsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  template <typename Control = QWidget>
  Control* Find(QWidget* window, std::string_view name) {
    auto* control = window->findChild<Control*>(ToQString(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QtDialogWindow* OpenDialog(const char* button) {
    Find<QAbstractButton>(m_window.get(), button)->click();
    QtDialogWindow* dialog = m_window->OperationDialog();
    EXPECT_NE(dialog, nullptr);
    return dialog;
  }

  FakeUi m_ui;
  std::unique_ptr<QtMainWindow> m_window = Main(m_ui.App());
};

// Each window shows its design table: the views turn twips into pixels, captions, tooltips,
// visibility and focus order as the table says.
template <typename Table>
void ExpectBuiltAsDesigned(QWidget* window, const Table& design, int widthTwips, int heightTwips) {
  EXPECT_EQ(window->size(), QSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips)));
  EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "fixed size";
  QMap<int, QString> focusable;  // by tab index
  for (const ControlDesign& control : design) {
    SCOPED_TRACE(control.Name);
    auto* widget = window->findChild<QWidget*>(ToQString(control.Name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), ToPixels(control.Place));
    EXPECT_EQ(widget->isHidden(), control.Hidden);
    EXPECT_EQ(widget->toolTip(), ToQString(control.Tooltip));
    // A frame's caption is its title, any other's its text (none for a list or a cover).
    const char* caption = qobject_cast<QGroupBox*>(widget) ? "title" : "text";
    EXPECT_EQ(widget->property(caption).toString(), ToQString(control.Caption));
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      EXPECT_FALSE(button->autoDefault() || button->isDefault()) << "no button answers Enter";
    }
    if (control.Tab >= 0)
      focusable[control.Tab] = widget->objectName();
  }
  const QStringList expected = focusable.values();
  QWidget* const first = window->findChild<QWidget*>(expected.front());
  QStringList order{expected.front()};
  for (QWidget* widget = first->nextInFocusChain(); widget != first;
       widget = widget->nextInFocusChain()) {
    if (expected.contains(widget->objectName()) && !order.contains(widget->objectName()))
      order << widget->objectName();
  }
  EXPECT_EQ(order, expected) << "focus order";
}

TEST_F(QtViewsTest, BothWindowsAreBuiltFromTheirDesignTables) {
  ExpectBuiltAsDesigned(m_window.get(), kMainDesign, kMainWidthTwips, kMainHeightTwips);
  QtDialogWindow dialog(nullptr, m_ui.App(), m_ui.Pointer, [] {});
  ExpectBuiltAsDesigned(&dialog, kDialogDesign, kDialogWidthTwips, kDialogHeightTwips);
  EXPECT_EQ(dialog.children().constLast(), Find(&dialog, "fraWait")) << "the wait frame on top";
}

TEST_F(QtViewsTest, TheDialogsControlsCarryTextsLayoutAndDroppedFiles) {
  QtDialogWindow* dialog = OpenDialog("cmdMergeAirports");
  EXPECT_FALSE(m_window->isVisible());
  EXPECT_EQ(dialog->parentWidget(), m_window.get()) << "the main window owns the dialog";
  EXPECT_EQ(dialog->height(), TwipsToPixels(3445 - 405));
  EXPECT_EQ(Find(dialog, "txtInputFiles")->height(), TwipsToPixels(1320));

  // A list's lines cross as CR LF, whatever the box holds.
  auto* list = Find<QPlainTextEdit>(dialog, "txtInputFiles");
  list->setPlainText(QStringLiteral("/a.txt\n/b.txt"));
  EXPECT_EQ(dialog->Text(DialogControl::txtInputFiles), "/a.txt\r\n/b.txt");
  dialog->SetText(DialogControl::txtInputFiles, "/c.txt\r\n");
  EXPECT_EQ(list->toPlainText(), QStringLiteral("/c.txt\n"));

  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QStringLiteral("/data/d.txt"))});
  for (const char* box : {"txtInputFiles", "txtFrom"}) {
    QWidget* target = Find(dialog, box);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(target))
      target = edit->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
  }
  EXPECT_EQ(dialog->Text(DialogControl::txtInputFiles), "/c.txt\r\n\r\n/data/d.txt");
  EXPECT_FALSE(Find<QLineEdit>(dialog, "txtFrom")->text().contains(QStringLiteral("d.txt")));

  // The close control is Cancel: the main window comes back and the dialog is deleted.
  QPointer<QtDialogWindow> closed = dialog;
  dialog->close();
  EXPECT_TRUE(m_window->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull());
}

// A box and a file dialog over the operation dialog, with the main window hidden, are owned by the
// dialog, and closing them leaves the program running with the dialog open.
TEST_F(QtViewsTest, ClosingABoxOrAFileDialogOverTheDialogLeavesTheProgramRunning) {
  QtDialogWindow* dialog = OpenDialog("cmdSortFlightPlans");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
  // The dialog need not be the active window: a click elsewhere, or no window manager.
  QApplication::setActiveWindow(nullptr);
  ASSERT_EQ(QApplication::activeWindow(), nullptr);
  QStringList seen;
  const auto owner = [](QWidget* modal) {
    return modal->parentWidget() ? modal->parentWidget()->objectName() : QStringLiteral("none");
  };
  QTimer::singleShot(0, [&] {
    OnNextModal([&](QWidget* box) {
      seen << owner(box) << qobject_cast<QMessageBox*>(box)->text();
      qobject_cast<QMessageBox*>(box)->accept();
      OnNextModal([&](QWidget* files) {
        seen << owner(files);
        qobject_cast<QDialog*>(files)->reject();
        // Nor does a window of no owner closing, such as one the desktop may show.
        QTimer::singleShot(0, [] {
          QWidget stray;
          stray.show();
          stray.close();
        });
        QTimer::singleShot(50, [] { QCoreApplication::exit(42); });
      });
      Find<QAbstractButton>(dialog, "cmdBrowseInput")->click();
    });
    Find<QAbstractButton>(dialog, "cmdExecute")->click();
  });
  EXPECT_EQ(QApplication::exec(), 42) << "the program ended early";
  EXPECT_EQ(seen, QStringList({QStringLiteral("frmShowFiles"),
                               QStringLiteral("Please select an input file."),
                               QStringLiteral("frmShowFiles")}));
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(m_window->isVisible());
}

}  // namespace
}  // namespace fw::test
