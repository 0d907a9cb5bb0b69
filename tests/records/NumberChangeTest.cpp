#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "records/AircraftNumber.h"
#include "records/Messages.h"
#include "records/OperationTable.h"
#include "records/Operations.h"
#include "records/Texts.h"
#include "support/FaultyFileSystem.h"
#include "support/MessagePrinter.h"
#include "support/TempFolder.h"

namespace fw {
namespace {

using test::ReadBytes;
using test::TempFolder;
using Texts = std::vector<std::string>;

// Runs the number change on the files a box lists, with the numbers as typed, keeping the wait
// texts it shows.
struct Change {
  Change(const std::string& files, const std::string& from, const std::string& to,
         bool backup = true, FileSystem& fs = NativeFileSystem()) {
    OperationRequest request;
    for (const std::string_view line : SplitAtCrLf(files))
      request.Inputs.emplace_back(line);
    request.From = ParseAircraftNumber(from).value();
    request.To = ParseAircraftNumber(to).value();
    request.ToText = to;
    request.Backup = backup;
    const auto wait = [this](Step step) {
      waits.emplace_back(WaitText(Operation::ChangeACNumbers, step));
    };
    outcome = OutcomeMessage(Operation::ChangeACNumbers, ChangeACNumbers(request, wait, fs));
  }
  Message outcome;
  Texts waits;
};

Message Changed(int count) {
  return Message{MessageIcon::Information, "Aircraft # Change Success",
                 std::to_string(count) + " aircraft numbers successfully changed!"};
}

// The backup is the original file under a second name, so no byte is copied; where a file
// cannot have two names it is a copy.
TEST(ChangeACNumbers, TheBackupIsTheOriginalFileOrElseACopyOfIt) {
  TempFolder folder;
  const std::string file = folder.Write("fp.txt", "AC#5,a\r\nAC#1,b\r\n");
  const std::string witness = folder.Name("witness.txt");
  std::filesystem::create_hard_link(file, witness);
  EXPECT_EQ(Change(file, "5", "7").outcome, Changed(1));
  EXPECT_TRUE(std::filesystem::equivalent(witness, file + ".BAK"));
  EXPECT_EQ(ReadBytes(file), "AC#1,b\r\nAC#7,a\r\n");

  test::FaultyFileSystem noLinks;
  noLinks.FailAt(test::FileStep::LinkTempFile, 1, EXDEV);
  EXPECT_EQ(Change(file, "7", "5", true, noLinks).outcome, Changed(1));
  EXPECT_EQ(noLinks.Calls(test::FileStep::LinkTempFile), 1);
  EXPECT_FALSE(std::filesystem::equivalent(witness, file + ".BAK"));
  EXPECT_EQ(ReadBytes(file + ".BAK"), "AC#1,b\r\nAC#7,a\r\n");
  EXPECT_EQ(ReadBytes(file), "AC#1,b\r\nAC#5,a\r\n");
  EXPECT_EQ(folder.Entries(), (Texts{"fp.txt", "fp.txt.BAK", "witness.txt"}));
}

TEST(ChangeACNumbers, AFileListedTwiceKeepsTheBackupOfItsOriginal) {
  TempFolder folder;
  const std::string file = folder.Write("fp.txt", "AC#5,a\r\nAC#5,a\r\n");
  EXPECT_EQ(Change(file + "\r\n" + file, "5", "5").outcome, Changed(3));
  EXPECT_EQ(ReadBytes(file), "AC#5,a\r\n");
  EXPECT_EQ(ReadBytes(file + ".BAK"), "AC#5,a\r\nAC#5,a\r\n");
}

#ifndef _WIN32
// The next file is read while one is written only when it is another file: a file named again
// through a symbolic link is read as rewritten, its backup made from the rewritten bytes.
TEST(ChangeACNumbers, AFileNamedAgainThroughALinkIsReadAsRewritten) {
  TempFolder folder;
  const std::string file = folder.Write("fp.txt", "AC#5,a\r\nAC#1,b\r\n");
  const std::string other = folder.Write("ac.txt", "AC#5,c\r\n");
  const std::string link = folder.Name("link.txt");
  std::filesystem::create_symlink(file, link);
  EXPECT_EQ(Change(other + "\r\n" + file + "\r\n" + link, "5", "7").outcome, Changed(2));
  EXPECT_EQ(ReadBytes(other), "AC#7,c\r\n");
  EXPECT_EQ(ReadBytes(file), "AC#1,b\r\nAC#7,a\r\n");
  EXPECT_EQ(ReadBytes(file + ".BAK"), "AC#5,a\r\nAC#1,b\r\n");
  EXPECT_EQ(ReadBytes(link + ".BAK"), "AC#1,b\r\nAC#7,a\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
}
#endif

TEST(ChangeACNumbers, RebuildsTheFirstFieldOnlyAndRewritesEveryFile) {
  // Bytes, the change, the bytes after it and how many numbers were changed.
  const std::tuple<std::string, std::string, std::string, std::string, int> cases[] = {
      {"XY#5\r\nAC#05,,\"a,b\"\r\n", "5", "7", "AC#7\r\nAC#7,,\"a,b\"\r\n", 2},
      // A renumbered line equal to one already there is written once; both changes count.
      {"AC#5,x\r\nAC#7,x\r\nAC#5,x\r\n", "5", "7", "AC#7,x\r\n", 2},
      // The new number stays as typed but sorts by its value.
      {"AC#13,b\r\nAC#5,a\r\nAC#11,c\r\n", "05", "012", "AC#11,c\r\nAC#012,a\r\nAC#13,b\r\n", 1},
      {"AC#9,b\r\nAC#2,a\nAC#9,b", "5", "7", "AC#2,a\r\nAC#9,b\r\n", 0},
      {"\r\nAC#1,a", "5", "7", "AC#1,a\r\n", 0},
      {"", "5", "7", "", 0}};
  for (const auto& [before, from, to, after, count] : cases) {
    SCOPED_TRACE(before);
    TempFolder folder;
    const std::string file = folder.Write("fp.txt", before);
    // Names are listed one a line, spaces around them and blank lines skipped.
    const Change change(" " + file + " \r\n\r\n  ", from, to, false);
    EXPECT_EQ(change.outcome, Changed(count));
    const std::string sorting = "Please Wait. Sorting input file(s)...";
    EXPECT_EQ(change.waits, (Texts{"Please Wait. Reading input file(s)...", sorting, sorting,
                                   "Please Wait. Writing output file(s)..."}));
    EXPECT_EQ(ReadBytes(file), after);
    EXPECT_EQ(folder.Entries(), Texts{"fp.txt"});
  }
}

}  // namespace
}  // namespace fw
