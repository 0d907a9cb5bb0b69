#pragma once

#include <string>

namespace fw {

enum class MessageIcon { Information, Exclamation, Critical };

// What a message box shows: the outcome of an operation or a check. Front ends present it.
struct Message {
  MessageIcon Icon = MessageIcon::Information;
  std::string Title;
  std::string Text;

  friend bool operator==(const Message&, const Message&) = default;
};

}  // namespace fw
