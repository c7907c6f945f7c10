#include "core/CodeTable.h"
#include "core/OneTimePad.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace zazuzar {
namespace {

const std::string kZeroKey = std::string(600, '0');

std::string Layout(const std::string& digits) {
  return FormatGroups(digits, 500).text;
}

TEST(Combine, AddsAndSubtractsDigitWise) {
  struct Case {
    std::string group, key;
    Direction direction;
    std::string digits, groupText;
  };
  const Case cases[] = {
      {"12345 67", "99999 99999 ", Direction::Encipher, "0123456", "01234 56"},
      {"01234 56", "99999 99999 ", Direction::Decipher, "1234567", "12345 67"},
      {"12345 ", "11111 ", Direction::Encipher, "23456", "23456 "},
      {"12345", "11111 ", Direction::Encipher, "23456", "23456 "},
      // A trailing run of blanks and line ends is absent.
      {"12345 67\r\n", kZeroKey, Direction::Encipher, "1234567", "12345 67"},
      {"12345 \r\n \n", kZeroKey, Direction::Encipher, "12345", "12345 "},
      {"", kZeroKey, Direction::Encipher, "", ""},
      {" \r\n", "", Direction::Decipher, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.group);
    const auto [digits, groupText] = Combine(c.group, c.key, c.direction);
    EXPECT_EQ(digits, c.digits);
    EXPECT_EQ(groupText, c.groupText);
  }
}

TEST(Combine, TakesAtMostSixHundredCharacters) {
  const std::string digits(600, '5');
  std::string group = Layout(digits) + "12345 ";  // 606 characters, the 600th a blank
  EXPECT_EQ(Combine(group, kZeroKey, Direction::Encipher).digits, std::string(500, '5'));
  EXPECT_EQ(Combine(digits + "\r\n", digits + "\r\n", Direction::Encipher).digits,
            std::string(600, '0'));
}

TEST(Combine, ConversionFailureNamesTheCharacter) {
  struct Case {
    std::string group, key;
    std::string offending;
    std::string digitsBefore, groupsBefore;
    std::size_t keySeen = std::string::npos;  // how much of `key` Combine is given
  };
  const Case cases[] = {
      {"12345 6\r7", kZeroKey, "\r", "123456", "12345 6"},
      {"12345\r\n67", kZeroKey, "\r", "12345", "12345 "},
      {"12345  67", kZeroKey, " ", "12345", "12345 "},
      {"12A45", kZeroKey, "A", "12", "12"},
      {"12345 67", "00000 0", "", "123456", "12345 6"},
      // The key ends at a digit position, with a digit just past its end.
      {"12345 67", "00000 00", "", "123456", "12345 6", 7},
      {"12A", "00", "A", "12", "12"},  // the group text is looked at first
      {"12345", "00X00", "X", "12", "12"},
      {"123456", "00000 00000", " ", "12345", "12345 "},
      {"1234:", kZeroKey, ":", "1234", "1234"},  // ':' follows '9' in ASCII
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.group);
    try {
      Combine(c.group, std::string_view(c.key).substr(0, c.keySeen), Direction::Encipher);
      ADD_FAILURE() << "no conversion failure";
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + c.offending + "' ist kein g\xFCltiger Integerwert");
      EXPECT_EQ(e.offending(), c.offending);
      EXPECT_EQ(e.produced().digits, c.digitsBefore);
      EXPECT_EQ(e.produced().groupText, c.groupsBefore);
    }
  }
}

TEST(Combine, DecipherUndoesEncipherForAllDigitPairs) {
  std::string digits, key, sum;
  for (int d = 0; d < 10; ++d) {
    for (int k = 0; k < 10; ++k) {
      digits += static_cast<char>('0' + d);
      key += static_cast<char>('0' + k);
      sum += static_cast<char>('0' + (d + k) % 10);
    }
  }
  const Combined cipher = Combine(Layout(digits), Layout(key), Direction::Encipher);
  EXPECT_EQ(cipher.digits, sum);
  EXPECT_EQ(Combine(cipher.groupText, Layout(key), Direction::Decipher).digits, digits);
}

TEST(Combine, DecipherUndoesEncipherOnRandomTexts) {
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> length(0, 520);
  const auto words = [&rng] { return static_cast<std::uint32_t>(rng()); };
  for (int round = 0; round < 300; ++round) {
    std::string digits;
    for (int n = length(rng); n > 0; --n) {
      digits += static_cast<char>('0' + digit(rng));
    }
    const std::string key = GenerateKey(words);
    const Combined cipher = Combine(Layout(digits), key, Direction::Encipher);
    ASSERT_EQ(cipher.groupText, Layout(cipher.digits));
    ASSERT_EQ(Combine(cipher.groupText, key, Direction::Decipher).digits, digits.substr(0, 500));
  }
}

// 2^32 mod 99999: the words 0 to 10245 would favour the numbers below 10246.
constexpr std::uint32_t kFirstFairWord = 10246;

struct DrawRow {
  const char* situation;
  std::vector<std::uint32_t> words;  // then the numbers 100, 101, ... as fair words
  const char* keyStart;
};

TEST(GenerateKey, TakesTheFirstFairWordOfANumberNotYetUsed) {
  const DrawRow rows[] = {
      {"biased words dropped", {0, kFirstFairWord - 1, kFirstFairWord}, "10246 00100 "},
      {"the highest word", {0xFFFFFFFF}, "10245 00100 "},
      {"a number used already drawn again",
       {99999 + 7, 7 + 2 * 99999, 99998},
       "00007 99998 00100 "},
      {"the range is 99999", {99999, 99998}, "00000 99998 00100 "},
  };
  for (const DrawRow& row : rows) {
    SCOPED_TRACE(row.situation);
    std::vector<std::uint32_t> script = row.words;
    for (std::uint32_t n = 100; n < 200; ++n) {
      script.push_back(99999 + n);
    }
    std::size_t calls = 0;
    const std::string key = GenerateKey([&] { return script.at(calls++); });
    EXPECT_EQ(key.substr(0, std::string(row.keyStart).size()), row.keyStart);
    EXPECT_EQ(key.size(), 600u);
  }
}

TEST(GenerateKey, SecureKeysHaveTheKeyLayout) {
  std::set<std::string> keys;
  for (int round = 0; round < 50; ++round) {
    const std::string key = GenerateKey();
    ASSERT_EQ(key.size(), kKeyLength);
    std::set<unsigned long> numbers;
    for (std::size_t i = 0; i < key.size(); ++i) {
      if (i % 6 == 5) {
        ASSERT_EQ(key[i], ' ') << i;
      } else {
        ASSERT_TRUE(key[i] >= '0' && key[i] <= '9') << i;
      }
    }
    for (std::size_t at = 0; at < key.size(); at += 6) {
      numbers.insert(std::stoul(key.substr(at, 5)));
    }
    EXPECT_EQ(numbers.size(), 100u);
    EXPECT_LE(*numbers.rbegin(), 99998u);
    keys.insert(key);
  }
  EXPECT_EQ(keys.size(), 50u);
}

}  // namespace
}  // namespace zazuzar
