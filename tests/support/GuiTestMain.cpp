#include <gtest/gtest.h>

#include <QApplication>

// Window tests run headless: Qt draws into memory, and every box and file dialog is a fake.
int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
