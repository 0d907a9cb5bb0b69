#include "records/FlightPlanCopies.h"

#include <functional>

#include "records/Texts.h"

namespace fw {

FlightPlanCopies::Key FlightPlanCopies::KeyOf(std::string_view line) {
  const std::size_t comma = line.find(',');
  const std::string_view rest =
      comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
  const std::string_view registration = TrimSpaces(rest.substr(0, rest.find(',')));
  return {registration, std::hash<std::string_view>{}(registration)};
}

FlightPlanCopies::Use FlightPlanCopies::Note(std::string_view line, const Key& key,
                                             LinePlace here) {
  const std::string_view registration = key.Registration;
  const auto [first, isNew] = m_first.InsertHashed(registration, key.Hash, FirstUse{here, line});
  if (isNew)
    return {registration, std::nullopt, std::nullopt};
  const LinePlace earlier = first->At;
  if (earlier.File == here.File && first->Line == line)
    return {registration, earlier.Line, std::nullopt};
  const auto [copy, isNewLine] = m_shared.Insert(line, here);
  if (!isNewLine && copy->File == here.File)
    return {registration, copy->Line, std::nullopt};
  *copy = here;
  if (registration.empty())
    return {registration, std::nullopt, std::nullopt};
  return {registration, std::nullopt, earlier};
}

}  // namespace fw
