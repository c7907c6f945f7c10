#include "core/CodeBookDecoder.h"
#include "core/CodeTable.h"
#include "core/OneTimePad.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace zazuzar {
namespace {

// Any bytes into any function: no crash, no hang, and the results keep their
// form. Half the strings lean towards digits and blanks to reach deep paths.
TEST(RandomInput, EveryFunctionCopes) {
  std::mt19937 rng(1234);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 800);
  const std::string leaning = "0123456789 6898\r\n";
  std::uniform_int_distribution<std::size_t> lean(0, leaning.size() - 1);
  const std::string key = GenerateKey();
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    for (int n = length(rng); n > 0; --n) {
      bytes += round % 2 ? static_cast<char>(byte(rng)) : leaning[lean(rng)];
    }
    const std::string codes = EncodeText(bytes);
    ASSERT_EQ(codes.find_first_not_of("0123456789"), std::string::npos);
    const auto [text, truncated] = FormatGroups(bytes, 500);
    ASSERT_EQ(truncated, bytes.size() >= 500);
    DecodeDigits(bytes);
    for (const std::string& group : {bytes, text}) {
      try {
        const Combined result = Combine(group, bytes, Direction::Decipher);
        ASSERT_LE(result.digits.size(), 600u);
        Combine(group, key, Direction::Encipher);
      } catch (const ConversionError&) {
      }
    }
  }
}

}  // namespace
}  // namespace zazuzar
