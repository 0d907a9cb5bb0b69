#pragma once

#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace fw {

// Texts cross between the windows and the core as 8-bit text in the system's encoding, the way
// file names are passed to the operating system.
inline QString ToQString(std::string_view text) {
  return QFile::decodeName(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

inline std::string FromQString(const QString& text) {
  return QFile::encodeName(text).toStdString();
}

}  // namespace fw
