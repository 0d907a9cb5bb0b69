#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "worldai/DelimitedFields.h"

namespace fw {
namespace {

using List = std::vector<std::string>;

TEST(DelimitedFieldsTest, ReadsFieldsAsTheyLookInTheFile) {
  const struct {
    std::string line;
    List fields;
  } cases[] = {
      {"XYZ,Example Name", {"XYZ", "Example Name"}},
      {"\"XYZ\",\"Example Name\"", {"XYZ", "Example Name"}},
      {"  AB1 ,\tAlpha  One \t", {"AB1", "Alpha  One"}},
      {"QQQ, \" Padded \" ", {"QQQ", " Padded "}},
      {"QQQ,\"Quebec, Air\"", {"QQQ", "Quebec, Air"}},
      {"QQQ,\"Say \"\"Hi\"\"\",x", {"QQQ", "Say \"Hi\"", "x"}},
      {"QQQ,\"Quebec, Air\" Cargo ,x", {"QQQ", "Quebec, Air Cargo", "x"}},
      {"B747,The \"Jumbo\"", {"B747", "The \"Jumbo\""}},
      {"QQQ,\"Open, to the end", {"QQQ", "Open, to the end"}},
      {"AB1,", {"AB1", ""}},
      {",Nameless code", {"", "Nameless code"}},
      {"", {""}},
      {"a,b,c", {"a", "b", "c"}},
  };
  for (auto [line, expected] : cases) {
    DelimitedFieldReader reader(line);
    List fields;
    for (std::string_view field; reader.Next(field);)
      fields.emplace_back(field);
    EXPECT_EQ(fields, expected) << line;
  }
}

}  // namespace
}  // namespace fw
