#include "engine/foundation/split_string.h"

#include <gtest/gtest.h>

namespace ORB {
namespace {

using Parts = std::vector<std::string>;

TEST(SplitString, Table) {
  struct Case {
    std::string text;
    std::string separator;
    bool drop;
    Parts parts;
  };
  const Case cases[] = {
      {"a  b", " ", true, {"a", "", "b"}},
      {"a  b", " ", false, {"a ", " ", "b"}},
      {"x y ", " ", true, {"x", "y"}},       // a trailing separator adds no part
      {" x", " ", true, {"", "x"}},          // a leading one gives an empty first part
      {"", " ", true, {}},
      {" ", " ", true, {""}},
      {"abc", " ", true, {"abc"}},
      {"data/share/main/other sound.xml", " ", true, {"data/share/main/other", "sound.xml"}},
      {"a::b::::c", "::", true, {"a", "b", "", "c"}},
      {"a::b", "::", false, {"a::", "b"}},
      {"abc", "", true, {"abc"}},  // an empty separator cannot split
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitString(c.text, c.separator, c.drop), c.parts) << '"' << c.text << '"';
  }
}

TEST(SplitString, CopyFormClearsConsumingFormAppends) {
  Parts parts{"old"};
  SplitString(std::string_view("1 2"), " ", parts);
  EXPECT_EQ(parts, (Parts{"1", "2"}));

  std::string text = "3 4";
  SplitString(&text, " ", parts);
  EXPECT_EQ(parts, (Parts{"1", "2", "3", "4"}));
  EXPECT_TRUE(text.empty());
}

TEST(SplitString, CopyFormAcceptsAViewIntoItsOwnOutput) {
  Parts parts{"p q r"};
  SplitString(std::string_view(parts[0]), " ", parts);
  EXPECT_EQ(parts, (Parts{"p", "q", "r"}));
}

}  // namespace
}  // namespace ORB
