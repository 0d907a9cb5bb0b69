#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "records/LineSplitter.h"

namespace fw {
namespace {

// A line as visited: its text, its number, and where it lies in the text.
struct Seen {
  std::string Text;
  std::size_t Number = 0;
  std::size_t At = 0;
  friend bool operator==(const Seen&, const Seen&) = default;
};

// Copied a piece at a time, the lines are those of the whole text, whatever the piece size: line
// ends cut between pieces (a CR LF pair too), lines longer than a piece, a last line without end.
TEST(ForEachCopiedLine, GivesTheLinesOfTheWholeText) {
  const std::string texts[] = {"",
                               "a",
                               "a\r\nbb\r\n",
                               "a\rb\nc\r\n\r\nd",
                               "\n\n\r\r",
                               "one long line without an end, longer than any piece",
                               "x\r\n" + std::string(70, 'y') + "\r" + std::string(9, 'z') + "\n"};
  for (const std::string& text : texts) {
    std::vector<Seen> whole;
    ForEachLine(text, [&](std::string_view line, std::size_t number) {
      whole.push_back(
          {std::string(line), number, static_cast<std::size_t>(line.data() - text.data())});
      return true;
    });
    for (const std::size_t piece : {1, 2, 3, 5, 64}) {
      SCOPED_TRACE(testing::Message() << "piece " << piece << ", text \"" << text << "\"");
      std::vector<Seen> copied;
      std::vector<std::string_view> held;  // the lines given since the last done()
      const std::size_t lines = ForEachCopiedLine(
          text, piece,
          [&](std::size_t offset, char* to, std::size_t size) {
            std::memcpy(to, text.data() + offset, size);
          },
          [&](std::string_view line, std::size_t number, const char* from) {
            EXPECT_EQ(line, std::string_view(from, line.size()));
            copied.push_back(
                {std::string(line), number, static_cast<std::size_t>(from - text.data())});
            held.push_back(line);
          },
          [&] {
            // Each line given is still there until done() is called.
            for (std::size_t k = 0; k < held.size(); ++k)
              EXPECT_EQ(held[k], copied[copied.size() - held.size() + k].Text);
            held.clear();
          });
      EXPECT_EQ(copied, whole);
      EXPECT_EQ(lines, whole.size());
      EXPECT_TRUE(held.empty());
    }
  }
}

}  // namespace
}  // namespace fw
