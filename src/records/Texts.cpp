#include "records/Texts.h"

#include <algorithm>

#include "platform/Result.h"

namespace fw {

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos)
    return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> SplitAtCrLf(std::string_view text) {
  std::vector<std::string_view> parts;
  if (text.empty())
    return parts;
  for (;;) {
    const std::size_t end = text.find("\r\n");
    parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos)
      return parts;
    text.remove_prefix(end + 2);
  }
}

std::string JoinWithCrLf(const std::vector<std::string>& parts) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0)
      text += "\r\n";
    text += parts[i];
  }
  return text;
}

std::string ShownField(std::string_view field, std::size_t most) {
  if (field.size() <= most)
    return Quoted(field);
  return Quoted(std::string(field.substr(0, most)) + "...");
}

}  // namespace fw
