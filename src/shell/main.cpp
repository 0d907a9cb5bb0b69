#include "shell/Main.h"

#include <QApplication>

#include "platform/Paths.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  fw::QtMessageBoxes boxes;
  fw::QtFileDialog files;
  fw::QtDocumentOpener documents;
  fw::QtBusyPointer pointer;
  const fw::UiServices services{boxes,        files, documents, pointer, fw::NativeFileSystem(),
                                fw::AppPath()};
  const auto window = fw::Main(services);
  return application.exec();
}
