#include "core/OneTimePad.h"

#include "core/CodeTable.h"
#include "os/Random.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <utility>

namespace zazuzar {
namespace {

// Numbers a free table keeps a flag for.
constexpr std::size_t kFreeTableSize = 100000;

// Only this many characters of a group text take part in a combination.
constexpr std::size_t kGroupTextLimit = 600;

std::string ConversionMessage(std::string_view offending) {
  std::string message = "'";
  message += offending;
  message += "' ist kein g\xFCltiger Integerwert";
  return message;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A group of five digits combined at once, one byte lane per digit (lane j
// holds character j). Lanes 5 to 7 hold "0" so that every lane is a digit.
constexpr std::uint64_t kLanes = 0x0101010101010101;

std::uint64_t LoadGroup(const char* p) {
  std::uint64_t word = '0' * (kLanes << 40);
  for (int j = 0; j < 5; ++j) {
    word |= std::uint64_t{static_cast<unsigned char>(p[j])} << (8 * j);
  }
  return word;
}

void StoreGroup(std::uint64_t word, char* p) {
  for (int j = 0; j < 5; ++j) {
    p[j] = static_cast<char>(word >> (8 * j));
  }
}

bool AllDigits(std::uint64_t word) {
  // High nibble 3 and the low nibble at most 9 (adding 6 keeps it below 16).
  return (word & 0xF0 * kLanes) == '0' * kLanes &&
         ((word + 6 * kLanes) & 0xF0 * kLanes) == '0' * kLanes;
}

// Digit characters in, digit characters out: (d + k) or (d - k + 10) mod 10.
std::uint64_t CombineGroup(std::uint64_t d, std::uint64_t k, bool encipher) {
  const std::uint64_t sum = encipher ? d + k - 2 * '0' * kLanes : d + 10 * kLanes - k;  // 0..19
  const std::uint64_t tens = ((sum + (128 - 10) * kLanes) & 0x80 * kLanes) >> 7;        // 0 or 1
  return sum - 10 * tens + '0' * kLanes;
}

// Random 32-bit words, fetched from the system in batches.
class RandomWords {
 public:
  std::uint32_t Next() {
    if (next_ == words_.size()) {
      os::FillRandom(words_.data(), sizeof(words_));
      next_ = 0;
    }
    return words_[next_++];
  }

 private:
  // One batch covers a whole key in all but the rarest cases.
  std::array<std::uint32_t, 128> words_{};
  std::size_t next_ = words_.size();
};

// A value from 0 to range - 1 without modulo bias: words below 2^32 mod range
// would make the low values more likely and are drawn again.
std::uint32_t UniformDraw(const std::function<std::uint32_t()>& nextWord, std::uint32_t range) {
  const std::uint32_t reject = static_cast<std::uint32_t>(-range) % range;
  for (;;) {
    const std::uint32_t word = nextWord();
    if (word >= reject) {
      return word % range;
    }
  }
}

// The result digits with their group text.
Combined Grouped(std::string digits) {
  std::string groupText = FormatGroups(digits, std::string::npos).text;
  return {std::move(digits), std::move(groupText)};
}

// The result up to the offending position goes along with the failure.
[[noreturn]] void ThrowConversionError(std::string_view offending, std::string digits,
                                       std::size_t count) {
  digits.resize(count);
  throw ConversionError(offending, Grouped(std::move(digits)));
}

void AppendGroup(std::string& key, std::uint32_t number) {
  char group[6];
  for (int i = 4; i >= 0; --i) {
    group[i] = static_cast<char>('0' + number % 10);
    number /= 10;
  }
  group[5] = ' ';
  key.append(group, sizeof(group));
}

}  // namespace

ConversionError::ConversionError(std::string_view offending, Combined produced)
    : std::runtime_error(ConversionMessage(offending)),
      offending_(offending),
      produced_(std::move(produced)) {}

std::string ConversionError::message() const {
  return ConversionMessage(offending_);
}

std::string GenerateKey(const std::function<std::uint32_t()>& nextWord) {
  std::bitset<kFreeTableSize> used;
  std::string key;
  key.reserve(kKeyLength);
  for (std::size_t groups = 0; groups < kKeyGroups;) {
    const std::uint32_t number = UniformDraw(nextWord, kKeyRange);
    if (used[number]) {
      continue;
    }
    used[number] = true;
    AppendGroup(key, number);
    ++groups;
  }
  return key;
}

std::string GenerateKey() {
  RandomWords words;
  return GenerateKey([&words] { return words.Next(); });
}

Combined Combine(std::string_view groupText, std::string_view keyText, Direction direction) {
  // A trailing run of blanks and line ends (a saved file's last line end) is
  // not part of the text.
  const std::size_t end = groupText.find_last_not_of(" \r\n");
  std::string_view g =
      end == std::string_view::npos ? std::string_view{} : groupText.substr(0, end + 1);
  g = g.substr(0, std::min(g.size(), kGroupTextLimit));
  std::size_t n = g.size();
  if (n > 0 && g[n - 1] == ' ') {
    --n;
  }

  // Written in place; the size is cut to what was produced at the end.
  std::string result(n, '\0');
  char* const digits = result.data();
  std::size_t count = 0;
  const bool encipher = direction == Direction::Encipher;

  const auto combineDigit = [encipher](char d, char k) {
    int r = encipher ? (d - '0') + (k - '0') : (d - '0') - (k - '0') + 10;
    if (r >= 10) {
      r -= 10;
    }
    return static_cast<char>('0' + r);
  };

  std::size_t i = 0;
  while (i < n) {
    if (g[i] == ' ') {
      ++i;  // one separator; a second blank in a row stands at a digit position
    }
    // A whole group of five digits in both texts at a group boundary: no
    // failure can occur in it, so it is combined in one go.
    if (count % 5 == 0 && i + 5 <= n && i + 5 <= keyText.size()) {
      const std::uint64_t d = LoadGroup(g.data() + i);
      const std::uint64_t k = LoadGroup(keyText.data() + i);
      if (AllDigits(d) && AllDigits(k)) {
        const std::uint64_t r = CombineGroup(d, k, encipher);
        StoreGroup(r, digits + count);
        count += 5;
        i += 5;
        continue;
      }
    }
    // i < g.size() holds here: the last character before n is never a blank
    // unless a blank was dropped after it.
    const char d = g[i];
    if (!IsDigit(d)) {
      ThrowConversionError(g.substr(i, 1), std::move(result), count);
    }
    if (i >= keyText.size()) {
      ThrowConversionError({}, std::move(result), count);
    }
    const char k = keyText[i];
    if (!IsDigit(k)) {
      ThrowConversionError(keyText.substr(i, 1), std::move(result), count);
    }
    digits[count++] = combineDigit(d, k);
    ++i;
  }
  result.resize(count);
  return Grouped(std::move(result));
}

}  // namespace zazuzar
