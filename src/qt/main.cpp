#include "qt/Main.h"

#include <QApplication>

#include "platform/Paths.h"
#include "qt/QtPlatform.h"
#include "settings/SettingsLocation.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  fw::QtDocumentOpener documents;
  const std::string folder = fw::AppPath();
  const fw::AppContext app{fw::NativeFileSystem(), documents, folder,
                           fw::UserSettingsFolder(folder)};
  const auto window = fw::Main(app);
  return application.exec();
}
