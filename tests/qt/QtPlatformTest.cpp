#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMessageBox>

#include "ModalWindows.h"
#include "qt/QtPlatform.h"
#include "qt/QtText.h"
#include "support/TempFolder.h"

namespace fw::test {
namespace {

TEST(QtMessageBoxes, ShowTheTextWithLineBreaksOverTheirOwnerWithAnArrowPointer) {
  QWidget owner;
  QtMessageBoxes boxes(&owner);
  QtBusyPointer pointer;
  pointer.SetBusy();
  QString text;
  Qt::CursorShape shapeWithBox = Qt::WaitCursor;
  OnNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    text = box->windowTitle() + QLatin1Char('|') + box->text();
    EXPECT_EQ(box->parentWidget(), &owner);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    shapeWithBox = QApplication::overrideCursor()->shape();
    box->accept();
  });
  boxes.Show(Message{MessageIcon::Critical, "Error", "Error during sort.\r\ncannot open"});
  EXPECT_EQ(text, QStringLiteral("Error|Error during sort.\ncannot open"));
  EXPECT_EQ(shapeWithBox, Qt::ArrowCursor) << "the box gets an arrow";
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor)
      << "and the work its hourglass";
  pointer.Restore();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtFileDialog, OffersTheFiltersAndReturnsTheChosenNameOrNothing) {
  const TempFolder folder;
  QWidget owner;
  QtFileDialog files(&owner);
  const FileDialogRequest request{
      .Title = "Select The Flight Plan File To Be Sorted",
      .Filters = {{"Text (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}},
      .DefaultExtension = ".txt"};
  // Accepted with a typed name without extension, then cancelled.
  QStringList seen;
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    EXPECT_EQ(dialog->parentWidget(), &owner);
    seen << dialog->windowTitle() << dialog->nameFilters() << dialog->selectedNameFilter()
         << dialog->defaultSuffix();
    dialog->setDirectory(ToQString(folder.Name("")));
    dialog->selectFile(QStringLiteral("new plans"));
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(files.AskFileName(request), folder.Name("new plans.txt"));
  EXPECT_EQ(seen, QStringList({QStringLiteral("Select The Flight Plan File To Be Sorted"),
                               QStringLiteral("Text (*.txt)"), QStringLiteral("All Files (*.*)"),
                               QStringLiteral("Text (*.txt)"), QStringLiteral("txt")}));
  OnNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  EXPECT_EQ(files.AskFileName(request), "");
  OnNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    EXPECT_EQ(QDir(dialog->directory()), QDir(ToQString(folder.Name(""))));
    dialog->reject();
  });
  EXPECT_EQ(files.AskFolder("Folder", folder.Name("")), "");
}

}  // namespace
}  // namespace fw::test
