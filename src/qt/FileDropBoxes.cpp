#include "qt/FileDropBoxes.h"

#include <QDir>
#include <QUrl>

namespace fw {

QStringList DroppedFiles(const QMimeData* data) {
  QStringList names;
  if (data == nullptr || !data->hasUrls())
    return names;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile())
      names << QDir::toNativeSeparators(url.toLocalFile());
  }
  return names;
}

}  // namespace fw
