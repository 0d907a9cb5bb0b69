#include "dialog/ShowMessage.h"

namespace fw {
namespace {

BoxIcon ToBoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return BoxIcon::Information;
    case MessageIcon::Exclamation:
      return BoxIcon::Exclamation;
    case MessageIcon::Critical:
      return BoxIcon::Critical;
  }
  return BoxIcon::Critical;
}

}  // namespace

void ShowMessage(MessageBoxes& boxes, const Message& message) {
  boxes.Show(ToBoxIcon(message.Icon), message.Title, message.Text);
}

}  // namespace fw
