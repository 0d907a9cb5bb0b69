#pragma once

#include "platform/Message.h"

namespace fw {

// Modal message boxes with one OK button.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  // Shows the box and returns once the user has closed it; text lines are separated by CR LF.
  virtual void Show(const Message& message) = 0;
};

}  // namespace fw
