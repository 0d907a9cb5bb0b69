#include "settings/InputList.h"

namespace fw {
namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t found = text.find(from); found != std::string_view::npos;
       found = text.find(from, start)) {
    result.append(text.substr(start, found - start));
    result.append(to);
    start = found + from.size();
  }
  result.append(text.substr(start));
  return result;
}

}  // namespace

std::string EncodeInputList(std::string_view boxText) {
  return ReplaceAll(boxText, "\r\n", ",");
}

std::string DecodeInputList(std::string_view value) {
  return ReplaceAll(value, ",", "\r\n");
}

}  // namespace fw
