#include <gtest/gtest.h>

#include <utility>

#include "win32/TextConversion.h"
#include "win32/WindowsApi.h"

namespace fw::win32 {
namespace {

// Names as the core receives them in code page 1252, the system code page under Wine here.
TEST(TextConversionTest, KeepsWhatTheCodePageHoldsAndRefusesTheRest) {
  if (GetACP() != 1252)
    GTEST_SKIP() << "the expected bytes are those of code page 1252";
  // A name and its bytes, nullptr for a refused name.
  const std::pair<std::wstring_view, const char*> cases[] = {
      {L"", ""},
      {L"\u20AC and \u2019", "\x80 and \x92"},
      {L"T\u014Dky\u014D.txt", nullptr},  // best fit would give "Tokyo.txt"
      {L"\U0001F600.txt", nullptr},
      {L"a\xD800-", nullptr},  // unpaired surrogate
  };
  for (const auto& [wide, expected] : cases) {
    const Result<std::string> narrow = CoreFromWide(wide);
    EXPECT_STREQ(narrow.ok() ? narrow.value().c_str() : nullptr, expected)
        << testing::PrintToString(std::wstring(wide));
  }
}

}  // namespace
}  // namespace fw::win32
