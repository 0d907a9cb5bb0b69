#pragma once

#include <string>

namespace fw {

// Opens documents with the application the desktop associates with their type.
class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;

  // Asks the desktop to open the file; every failure is ignored.
  virtual void Open(const std::string& path) = 0;
};

}  // namespace fw
