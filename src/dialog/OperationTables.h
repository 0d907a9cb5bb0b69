#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fw {

// The window title and captions the dialog shows for an operation.
struct OperationCaptions {
  std::string_view WindowTitle;
  std::string_view InputLabel;
  std::string_view OutputLabel;  // empty: the output label keeps its design-time caption
  std::string_view ExecuteCaption;
};

// The captions of an operation; nothing for a code that keeps the design-time ones (2, unknown).
std::optional<OperationCaptions> CaptionsFor(std::int32_t typeOfOperation);

// Where the lower controls sit in one of the dialog's layouts, in twips.
struct OperationLayout {
  int InputHeight;
  std::optional<int> OutputLabelTop;  // nothing: the output row keeps its place (hidden)
  std::optional<int> OutputBoxTop;
  int ButtonsTop;
  int WindowHeight;  // the whole window, title bar and frame included
};

// The layout of an operation; nothing for a code that keeps the design-time one (2, unknown).
std::optional<OperationLayout> LayoutFor(std::int32_t typeOfOperation);

// The file dialog's title for an operation and direction; empty when none is set.
std::string_view FileDialogTitle(std::int32_t typeOfOperation, bool forOutput);

// True for the operations whose input is one file (a browsed name replaces the box's text).
bool IsSingleFileOperation(std::int32_t typeOfOperation);

}  // namespace fw
