#pragma once

#include <ostream>

#include "platform/Message.h"

namespace fw {

// Lets GoogleTest show a message box's icon, title and text when an expectation fails.
inline void PrintTo(const Message& message, std::ostream* out) {
  const char* icons[] = {"Information", "Exclamation", "Critical"};
  *out << icons[static_cast<int>(message.Icon)] << " \"" << message.Title << "\" \"" << message.Text
       << '"';
}

}  // namespace fw
