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

void InsertSorted(TextList& list, std::string_view text) {
  std::ptrdiff_t low = 0;
  std::ptrdiff_t high = static_cast<std::ptrdiff_t>(list.size()) - 1;
  if (CompareText(text, list[low]) <= 0)
    return InsertAt(list, text, low);
  if (CompareText(text, list[high]) >= 0)
    return InsertAt(list, text, high + 1);

  std::ptrdiff_t middle = 0;
  while (low <= high) {
    middle = (low + high) / 2;
    const int order = CompareText(list[middle], text);
    if (order == 0)
      break;
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  while (middle >= 0 && CompareText(list[middle], text) > 0)
    --middle;
  if (CompareText(list[middle], text) == 0)
    return InsertAt(list, text, middle);
  std::ptrdiff_t at = middle + 1;
  while (CompareText(list[at], text) < 0)
    ++at;
  InsertAt(list, text, at);
}

void InsertAt(TextList& list, std::string_view text, std::ptrdiff_t position) {
  const auto size = static_cast<std::ptrdiff_t>(list.size());
  if (position == -1 || position >= size) {
    list.emplace_back(text);
    return;
  }
  if (position < 0)
    position = 0;
  // vector::insert opens the gap with one block move of the strings' handles.
  list.insert(list.begin() + position, std::string(text));
}

}  // namespace fw
