#include "records/Layout.h"

#include <algorithm>
#include <optional>

#include "records/LineKinds.h"
#include "records/LineSplitter.h"
#include "records/Texts.h"

namespace fw {
namespace {

// A day line and the file it stands in.
struct DayLine {
  std::string_view Line;
  std::string_view Value;
  std::size_t File = 0;
};

// The first day line of the files, or the failure that tells two files apart.
Result<std::optional<DayLine>> FirstDayLine(std::span<const Gap> gaps,
                                            std::span<const ListedFile> files,
                                            std::span<const std::string> names) {
  std::optional<DayLine> first;
  std::optional<DayLine> other;
  for (std::size_t k = 0; k < files.size() && !other; ++k) {
    const std::size_t end = k + 1 < files.size() ? files[k + 1].FirstGap : gaps.size();
    for (std::size_t g = files[k].FirstGap; g < end && !other; ++g) {
      if (!gaps[g].Comments)
        continue;
      ForEachLine(gaps[g].Lines, [&](std::string_view line, std::size_t) {
        const auto value = DayLineValue(line);
        if (value && !first)
          first = DayLine{line, *value, k};
        else if (value && first->File != k && !EqualInAnyCase(*value, first->Value))
          other = DayLine{line, *value, k};
        return !other;
      });
    }
  }
  if (!other)
    return first;
  auto name = [names](std::size_t k) { return k < names.size() ? names[k] : std::string(); };
  return FormatError(Quoted(name(first->File)) + " numbers days as " +
                     std::string(ShownDayLine(first->Line)) + ", " + Quoted(name(other->File)) +
                     " as " + std::string(ShownDayLine(other->Line)));
}

}  // namespace

Result<Layout> LayOut(std::size_t records, std::span<const Gap> gaps,
                      std::span<const ListedFile> files, std::span<const std::string> names,
                      DayLines dayLines) {
  Layout layout;
  layout.ByteOrderMark = !files.empty() && files.front().ByteOrderMark;
  layout.KeptGaps.assign(gaps.size(), false);
  // Blocks start at kept gaps, and in a grouped list at each file too.
  std::vector<std::size_t> keptAt;
  for (std::size_t g = 0; g < gaps.size();) {
    std::size_t end = g;
    bool comments = false;
    for (; end < gaps.size() && gaps[end].Before == gaps[g].Before; ++end)
      comments = comments || gaps[end].Comments;
    if (comments) {
      std::fill(layout.KeptGaps.begin() + static_cast<std::ptrdiff_t>(g),
                layout.KeptGaps.begin() + static_cast<std::ptrdiff_t>(end), true);
      keptAt.push_back(gaps[g].Before);
      layout.Grouped = true;
    }
    g = end;
  }
  layout.Blocks.reserve(keptAt.size() + files.size() + 1);
  std::size_t first = 0;
  auto cut = [&](std::size_t at) {
    if (at > first && at < records) {
      layout.Blocks.push_back(Block{first, at});
      first = at;
    }
  };
  // Both lists of places are in order: they are merged as they are cut.
  std::size_t file = 0;
  for (const std::size_t at : keptAt) {
    for (; layout.Grouped && file < files.size() && files[file].FirstRecord < at; ++file)
      cut(files[file].FirstRecord);
    cut(at);
  }
  for (; layout.Grouped && file < files.size(); ++file)
    cut(files[file].FirstRecord);
  if (records > first)
    layout.Blocks.push_back(Block{first, records});

  if (layout.Grouped && dayLines == DayLines::First) {
    auto dayLine = FirstDayLine(gaps, files, names);
    if (!dayLine)
      return dayLine.error();
    layout.DayLinesMoved = true;
    if (dayLine.value())
      layout.DayLine = dayLine.value()->Line;
  }
  return layout;
}

}  // namespace fw
