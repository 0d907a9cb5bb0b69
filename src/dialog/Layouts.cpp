#include "dialog/Layouts.h"

#include "records/OperationTable.h"

namespace fw {

std::optional<OperationLayout> LayoutFor(Operation operation) {
  const OperationInfo& info = InfoOf(operation);
  // An operation without captions of its own keeps the design-time arrangement too.
  if (info.WindowTitle.empty())
    return std::nullopt;
  if (info.Input == Inputs::One)
    return OperationLayout{285, 765, 990, 1440, 2310};
  if (info.HasOutput)
    return OperationLayout{1320, 1845, 2070, 2530, 3445};
  return OperationLayout{1320, std::nullopt, std::nullopt, 2270, 3155};
}

}  // namespace fw
