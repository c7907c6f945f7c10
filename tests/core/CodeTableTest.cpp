#include "core/CodeTable.h"

#include <gtest/gtest.h>

#include <string>

namespace zazuzar {
namespace {

TEST(EncodeText, CodesCharactersInOrder) {
  struct Case {
    std::string text;
    std::string codes;
  };
  const Case cases[] = {
      {"HALLO WELT",
       "76"
       "0"
       "79"
       "79"
       "81"
       "96"
       "1"
       "79"
       "86"},
      {"A1B",
       "0"
       "89"
       "111"
       "89"
       "71"},
      {"X(Y)",
       "97"
       "89"
       "94"
       "89"
       "98"
       "89"
       "94"},
      {"1.5",
       "89"
       "111"
       "90"
       "555"},
      {"\xC4\xD6\xDC\xDF",
       "70"
       "82"
       "88"
       "85"},
      {"", ""},
      {"   ", ""},
      // A space inside a number switches back to letter mode.
      {"1 2",
       "89"
       "111"
       "89"
       "89"
       "222"},
      {"(",
       "89"
       "94"},
      {")",
       "89"
       "94"},
      {"890",
       "89"
       "888"
       "999"
       "000"},
      // "|" is a letter; the signs . = - : are figures only.
      {"|", "94"},
      {"1|",
       "89"
       "111"
       "89"
       "94"},
      {".=-:",
       "89"
       "90"
       "91"
       "92"
       "93"},
      // Figures without a code still switch the mode.
      {"A+B",
       "0"
       "89"
       "89"
       "71"},
      {"\"+,/", "89"},
      // Skipped characters neither code nor switch.
      {"abc", ""},
      {"1x!?;'\r\n\xE4\xE9"
       "2",
       "89"
       "111"
       "222"},
      {"AzA", "00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(EncodeText(c.text), c.codes);
  }
}

TEST(EncodeText, WorstCaseTextStaysWithinTheGroupLimit) {
  std::string text;
  for (int i = 0; i < 50; ++i) {
    text += "1B";
  }
  const std::string codes = EncodeText(text);
  EXPECT_EQ(codes.size(), 450u);
  EXPECT_EQ(codes.substr(0, 9), "891118971");
}

TEST(FormatGroups, LaysOutGroupsOfFive) {
  struct Case {
    std::string digits;
    std::size_t limit;
    std::string text;
    bool truncated;
  };
  const Case cases[] = {
      {"", 500, "", false},
      {"1234567", 500, "12345 67", false},
      {"1234567890", 500, "12345 67890 ", false},
      {"7607979819617986", 500, "76079 79819 61798 6", false},
      {"0891118971", 500, "08911 18971 ", false},
      {"1234567", 3, "123", true},
      {"12345", 5, "12345 ", true},
      {"123", 0, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.digits);
    const auto [text, truncated] = FormatGroups(c.digits, c.limit);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(truncated, c.truncated);
  }
}

TEST(FormatGroups, TruncatesFromExactlyTheLimit) {
  for (const std::size_t length : {499u, 500u, 501u, 900u}) {
    SCOPED_TRACE(length);
    const auto [text, truncated] = FormatGroups(std::string(length, '3'), kGroupDigitLimit);
    EXPECT_EQ(truncated, length >= 500);
    const std::size_t shown = std::min<std::size_t>(length, 500);
    EXPECT_EQ(text.size(), shown + shown / 5);
    EXPECT_EQ(text.back(), length >= 500 ? ' ' : '3');
  }
}

}  // namespace
}  // namespace zazuzar
