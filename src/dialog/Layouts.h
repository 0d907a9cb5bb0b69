#pragma once

#include <optional>

#include "records/Operation.h"

namespace fw {

// Where the lower controls sit in one of the dialog's layouts, in twips.
struct OperationLayout {
  int InputHeight;
  std::optional<int> OutputLabelTop;  // nothing: the output row keeps its place (hidden)
  std::optional<int> OutputBoxTop;
  int ButtonsTop;
  int WindowHeight;  // the whole window, title bar and frame included
};

// The layout of an operation; nothing for one that keeps the design-time layout.
std::optional<OperationLayout> LayoutFor(Operation operation);

}  // namespace fw
