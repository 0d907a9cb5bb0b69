#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <ostream>

#include "dialog/frmShowFiles.h"
#include "support/FakePlatform.h"

// Lets failing comparisons of texts print them readably.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace fw::test {

// Opens operation dialogs on fake services; counts how often the main window was shown again.
class DialogTestBase : public ::testing::Test {
 protected:
  void TearDown() override {
    delete m_dialog.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  frmShowFiles* Open(std::int32_t typeOfOperation) {
    delete m_dialog.data();
    m_dialog = new frmShowFiles(m_ui.Services(), nullptr, [this] { ++m_mainShown; });
    m_dialog->SelectOperation(static_cast<Operation>(typeOfOperation));
    return m_dialog;
  }

  template <typename Control>
  Control* Find(const char* name) {
    Control* control = m_dialog->findChild<Control*>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  void Fill(const std::string& input, const std::string& output) {
    Find<QPlainTextEdit>("txtInputFiles")->setPlainText(QString::fromStdString(input));
    Find<QLineEdit>("txtOutputFile")->setText(QString::fromStdString(output));
  }
  void Click(const char* button) { Find<QPushButton>(button)->click(); }

  // True once a closed dialog has been deleted.
  bool DialogDestroyed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return m_dialog.isNull();
  }

  std::string SettingsText() const { return ReadBytes(m_ui.Folder.Path() / "Fleetwright.ini"); }

  FakeUi m_ui;
  QPointer<frmShowFiles> m_dialog;
  int m_mainShown = 0;
};

}  // namespace fw::test
