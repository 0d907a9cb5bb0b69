#include "records/Searching.h"

namespace fw {

std::ptrdiff_t FindRecord(std::span<const ACNumRecord> list, std::int32_t number) {
  std::ptrdiff_t low = 0;
  std::ptrdiff_t high = static_cast<std::ptrdiff_t>(list.size()) - 1;
  while (low <= high) {
    std::ptrdiff_t middle = (low + high) / 2;
    if (list[middle].ACNum == number) {
      // Every record before low has a smaller number, so the walk back stops there.
      while (middle > low && list[middle - 1].ACNum == number)
        --middle;
      return middle;
    }
    if (list[middle].ACNum < number) {
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  return -1;
}

}  // namespace fw
