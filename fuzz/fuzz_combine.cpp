// Combine on any group text and key text: either a ConversionError at the
// first position that is not a digit, after exactly the digits before it, or
// result digits that match the group text's digits position by position; and
// a group text enciphered and then deciphered with the same key (or the other
// way round) comes back digit for digit.
//
// Input: one flag byte (bit 0: decipher), then the group text, a NUL, and the
// key text.
#include <algorithm>
#include <limits>
#include <optional>
#include <string>

#include "core/CodeTable.h"
#include "core/OneTimePad.h"
#include "fuzz/Check.h"

namespace {

using zazuzar::ConversionError;
using zazuzar::Direction;
using zazuzar::fuzz::IsDigit;

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

// Characters of a group text that take part: the first 600 of the text
// without its final run of blanks and line ends.
std::string_view TakingPart(std::string_view groupText) {
  const std::size_t end = groupText.find_last_not_of(" \r\n");
  if (end == std::string_view::npos) {
    return {};
  }
  return groupText.substr(0, end + 1).substr(0, 600);
}

struct Expected {
  std::string digits;                    // all of them, or those before the failure
  std::optional<std::string> offending;  // set on failure
};

// Position by position: a single blank separates, every other position is a
// digit position combined with the key character at the same position.
Expected Reference(std::string_view g, std::string_view key, Direction direction) {
  Expected expected;
  std::size_t n = g.size();
  if (n > 0 && g[n - 1] == ' ') {
    --n;  // one final blank is no digit position
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (g[i] == ' ') {
      ++i;
    }
    FUZZ_CHECK(i < g.size());
    if (!IsDigit(g[i])) {
      expected.offending = std::string(1, g[i]);
      return expected;
    }
    if (i >= key.size()) {
      expected.offending = std::string();
      return expected;
    }
    if (!IsDigit(key[i])) {
      expected.offending = std::string(1, key[i]);
      return expected;
    }
    const int d = g[i] - '0';
    const int k = key[i] - '0';
    const int r = direction == Direction::Encipher ? (d + k) % 10 : (d - k + 10) % 10;
    expected.digits += static_cast<char>('0' + r);
  }
  return expected;
}

Direction Other(Direction direction) {
  return direction == Direction::Encipher ? Direction::Decipher : Direction::Encipher;
}

std::string WithoutBlanks(std::string_view text) {
  std::string digits;
  for (const char c : text) {
    if (c != ' ') {
      digits += c;
    }
  }
  return digits;
}

// Whether `g` is laid out as group text: a blank after every fifth digit and
// nowhere else, a final blank left off.
bool IsGroupText(std::string_view g) {
  std::string canonical = zazuzar::FormatGroups(WithoutBlanks(g), kNoLimit).text;
  if (!canonical.empty() && canonical.back() == ' ') {
    canonical.pop_back();
  }
  return g == canonical;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zazuzar::fuzz::Input input(data, size);
  const Direction direction =
      (input.TakeByte() & 1) != 0 ? Direction::Decipher : Direction::Encipher;
  const std::string_view rest = input.Rest();
  const std::size_t nul = rest.find('\0');
  const std::string_view groupText = rest.substr(0, nul);
  const std::string_view key =
      nul == std::string_view::npos ? std::string_view{} : rest.substr(nul + 1);

  const std::string_view g = TakingPart(groupText);
  const Expected expected = Reference(g, key, direction);

  zazuzar::Combined result;
  try {
    result = zazuzar::Combine(groupText, key, direction);
  } catch (const ConversionError& error) {
    FUZZ_CHECK(expected.offending.has_value());
    FUZZ_CHECK(error.offending() == *expected.offending);
    // what() is a C string: a NUL as the offending character ends it early.
    const std::string message = "'" + *expected.offending + "' ist kein g\xFCltiger Integerwert";
    FUZZ_CHECK(std::string(error.what()) == message.substr(0, message.find('\0')));
    const zazuzar::Combined& produced = error.produced();
    FUZZ_CHECK(produced.digits == expected.digits);
    FUZZ_CHECK(produced.groupText == zazuzar::FormatGroups(produced.digits, kNoLimit).text);
    return 0;
  }
  FUZZ_CHECK(!expected.offending.has_value());
  FUZZ_CHECK(result.digits == expected.digits);
  // Only the first 600 characters take part: 100 groups when laid out as
  // group text, more digits when the text has fewer blanks.
  FUZZ_CHECK(result.digits.size() <= 600);
  FUZZ_CHECK(result.groupText == zazuzar::FormatGroups(result.digits, kNoLimit).text);

  // Back with the same key. When the input was laid out as group text, the
  // key positions are the same both ways and the digits come back; otherwise
  // the result may need key positions the input did not.
  std::string_view shown = g;
  if (!shown.empty() && shown.back() == ' ') {
    shown.remove_suffix(1);
  }
  std::optional<zazuzar::Combined> back;
  try {
    back = zazuzar::Combine(result.groupText, key, Other(direction));
  } catch (const ConversionError&) {
    FUZZ_CHECK(!IsGroupText(shown));
    return 0;
  }
  if (IsGroupText(shown)) {
    FUZZ_CHECK(result.digits.size() <= 500);
    FUZZ_CHECK(back->digits == WithoutBlanks(shown));
  }
  // The result, as group text, may run past the 600 characters that take
  // part; what does take part comes back.
  FUZZ_CHECK(back->digits.size() == std::min<std::size_t>(result.digits.size(), 500));
  const zazuzar::Combined again = zazuzar::Combine(back->groupText, key, direction);
  FUZZ_CHECK(again.digits == result.digits.substr(0, back->digits.size()));
  return 0;
}
