#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace fw::test {

// Runs act on the next modal window (a message box or a file dialog) once it is up, so that a
// test can look at it and close it as a user would; the modal window's own event loop runs
// meanwhile.
inline void OnNextModal(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible())
      return;
    poll->stop();
    poll->deleteLater();
    act(modal);
  });
  poll->start();
}

}  // namespace fw::test
