#include "core/CodeBookDecoder.h"
#include "core/CodeTable.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace zazuzar {
namespace {

TEST(DecodeDigits, ReadsCodesBack) {
  struct Case {
    std::string digits;
    std::string text;
  };
  const Case cases[] = {
      {"7607979819617986", "HALLOWELT"},
      {"0891118971", "A1B"},
      {"8911190555", "1.5"},
      {"97899489988994", "X|Y|"},
      {"891118911189111", "1EEE1"},
      {"12345678901234567890", "EINRS Treff AEINRS Treff A"},
      {"6000", " abgesandt "},
      {"60012", " abgesandt I"},
      {"6A0", "CodebuchA"},
      {"70828885", "\xC4\xD6\xDC\xDF"},
      {"8 0", "A"},
      {"", ""},
      {"7", ""},
      {"8", ""},
      {"9", ""},
      {"07", "A"},
      // Letter mode: a pair with a non-digit second yields nothing.
      {"8x0", "A"},
      {"7x0", "A"},
      {"9x0", "A"},
      // Figure mode: tripled digits, 8 and 9 included.
      {"89888", "8"},
      {"89111999888", "198"},
      {"8988", "8"},
      {"8999", "9"},
      {"89"
       "999"
       "89"
       "0",
       "9A"},
      // Figure mode: other pairs starting with 8 or 9 are still letters, signs
      // or the switch.
      {"89"
       "90"
       "91"
       "92"
       "93"
       "94",
       ".=-:|"},
      {"8987", "U"},
      {"8995", "V"},
      {"89", ""},
      {"890", ""},
      // Two different digits take a third position with them.
      {"8912011", "1"},
      {"891x1", ""},
      // A "6" near the end reads past the end as a non-digit.
      {"6", "Codebuch"},
      {"06", "ACodebuch"},
      {"61", "Codebuch"},
      {"612", " Auftrag "},
      {"61234", " Auftrag R"},
      {"623", " ausf\xFChrlich "},
      {"613", " ausf\xFChrlich "},
      {"642",
       " Grenz\xFC"
       "bergang "},
      {"A0B1", "AE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.digits);
    EXPECT_EQ(DecodeDigits(c.digits), c.text);
  }
}

TEST(DecodeDigits, DecodesEverythingWithoutCut) {
  EXPECT_EQ(DecodeDigits(std::string(300, '1')), std::string(300, 'E'));
  std::string digits;
  std::string text;
  for (int i = 0; i < 100; ++i) {
    digits += "6990";
    text += " Zentrale ";
  }
  EXPECT_EQ(DecodeDigits(digits), text);
}

TEST(CodeBook, HasOneHundredWordsAndNothingBeyond) {
  EXPECT_EQ(CodeBookWord(0), "abgesandt");
  EXPECT_EQ(CodeBookWord(99), "Zentrale");
  EXPECT_EQ(CodeBookWord(66),
            "P\xE4"
            "chkchen");
  for (int i = 0; i < 100; ++i) {
    EXPECT_FALSE(CodeBookWord(i).empty()) << i;
  }
  EXPECT_TRUE(CodeBookWord(-1).empty());
  EXPECT_TRUE(CodeBookWord(100).empty());
}

// What the decoder gives back for an encoded text: no spaces, no skipped
// characters, brackets as "|".
std::string Readable(const std::string& text) {
  const std::string_view kept = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC\xDF|.=-:0123456789";
  std::string out;
  for (const char c : text) {
    if (c == '(' || c == ')') {
      out += '|';
    } else if (kept.find(c) != std::string_view::npos) {
      out += c;
    }
  }
  return out;
}

TEST(DecodeDigits, ReadsBackEveryEncodedText) {
  const std::string alphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC\xDF| \"()+,-./0123456789:=az!?;'\r\xE4";
  std::mt19937 rng(20240601);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 100);
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    for (int n = length(rng); n > 0; --n) {
      text += alphabet[pick(rng)];
    }
    ASSERT_EQ(DecodeDigits(EncodeText(text)), Readable(text)) << text;
  }
}

TEST(DecodeDigits, BracketsOnlyInsideTheirCodeBookWords) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> digit(0, 9);
  for (int round = 0; round < 5000; ++round) {
    std::string digits;
    for (int n = 0; n < 60; ++n) {
      digits += static_cast<char>('0' + digit(rng));
    }
    std::string text = DecodeDigits(digits);
    for (const std::string_view word : {" einverstanden (mit) ", " Reaktion (auf) "}) {
      for (auto at = text.find(word); at != std::string::npos; at = text.find(word)) {
        text.erase(at, word.size());
      }
    }
    ASSERT_EQ(text.find_first_of("()"), std::string::npos) << digits;
  }
}

}  // namespace
}  // namespace zazuzar
