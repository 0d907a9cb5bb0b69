#pragma once

#include <string>

namespace fw {

// The icon of a message box: success, a warning about the user's input, or a failure.
enum class BoxIcon { Information, Exclamation, Critical };

// Modal message boxes with one OK button.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  // Shows the box and returns once the user has closed it; text lines are separated by CR LF.
  virtual void Show(BoxIcon icon, const std::string& title, const std::string& text) = 0;
};

}  // namespace fw
