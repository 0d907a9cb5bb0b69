#pragma once

#include "platform/MessageBoxes.h"
#include "records/Message.h"

namespace fw {

// Shows the core's outcome of an operation or a check in a modal box.
void ShowMessage(MessageBoxes& boxes, const Message& message);

}  // namespace fw
