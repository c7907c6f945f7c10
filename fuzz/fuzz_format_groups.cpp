// FormatGroups on any bytes and any limit (the first two input bytes; 0xFFFF
// for no limit): the text is the first min(length, limit) bytes with one space
// after every fifth, and the truncation flag is set exactly when the limit
// was reached.
#include <algorithm>
#include <limits>

#include "core/CodeTable.h"
#include "fuzz/Check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zazuzar::fuzz::Input input(data, size);
  const std::uint16_t limitBytes = input.TakeU16();
  const std::size_t limit =
      limitBytes == 0xFFFF ? std::numeric_limits<std::size_t>::max() : limitBytes;
  const std::string_view digits = input.Rest();

  const auto [text, truncated] = zazuzar::FormatGroups(digits, limit);

  const std::size_t shown = std::min(digits.size(), limit);
  FUZZ_CHECK(text.size() == shown + shown / 5);
  FUZZ_CHECK(truncated == (shown == limit));
  std::size_t next = 0;  // the next digit expected
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i % 6 == 5) {
      FUZZ_CHECK(text[i] == ' ');
    } else {
      FUZZ_CHECK(text[i] == digits[next]);
      ++next;
    }
  }
  FUZZ_CHECK(next == shown);
  return 0;
}
