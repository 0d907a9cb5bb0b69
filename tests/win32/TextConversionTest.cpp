#include <gtest/gtest.h>

#include "win32/TextConversion.h"
#include "win32/WindowsApi.h"

namespace fw::win32 {
namespace {

// Names as the core receives them in code page 1252, the system code page under Wine here.
TEST(TextConversionTest, KeepsWhatTheCodePageHoldsAndRefusesTheRest) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "the expected bytes are those of code page 1252";
  struct Case {
    std::wstring_view Wide;
    const char* Narrow;  // nullptr: refused
  } const cases[] = {
      {L"", ""},
      {L"\u20AC and \u2019", "\x80 and \x92"},
      {L"T\u014Dky\u014D.txt", nullptr},  // best fit would give "Tokyo.txt"
      {L"\U0001F600.txt", nullptr},
      {L"a\xD800-", nullptr},  // unpaired surrogate
  };
  for (const Case& c : cases) {
    const Result<std::string> narrow = CoreFromWide(c.Wide);
    EXPECT_STREQ(narrow.ok() ? narrow.value().c_str() : nullptr, c.Narrow)
        << testing::PrintToString(std::wstring(c.Wide));
  }
}

}  // namespace
}  // namespace fw::win32
