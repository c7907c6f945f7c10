// DecodeDigits on any bytes: no crash, no hang, output bounded by seven bytes
// per input byte plus one code-book word, and only characters the decoder can
// write.
#include <algorithm>
#include <bitset>
#include <string>

#include "core/CodeBookDecoder.h"
#include "fuzz/Check.h"

namespace {

constexpr std::string_view kPlaceholder = "Codebuch";

// The longest piece one step can write: a code-book word with its two spaces,
// or the placeholder.
std::size_t LongestPiece() {
  std::size_t longest = kPlaceholder.size();
  for (int i = 0; i < 100; ++i) {
    longest = std::max(longest, zazuzar::CodeBookWord(i).size() + 2);
  }
  return longest;
}

// Letters, signs, digits, and whatever the code-book words and the
// placeholder hold.
std::bitset<256> Writable() {
  std::bitset<256> set;
  const auto add = [&set](std::string_view chars) {
    for (const char c : chars) {
      set.set(static_cast<unsigned char>(c));
    }
  };
  add("AEINRS\xC4"
      "BCDFGHJKLMO\xD6PQ\xDFTU\xDC.=-:|VWXYZ0123456789 ");
  add(kPlaceholder);
  for (int i = 0; i < 100; ++i) {
    add(zazuzar::CodeBookWord(i));
  }
  return set;
}

const std::size_t kLongestPiece = LongestPiece();
const std::bitset<256> kWritable = Writable();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view digits(reinterpret_cast<const char*>(data), size);
  const std::string text = zazuzar::DecodeDigits(digits);

  FUZZ_CHECK(text.size() <= 7 * digits.size() + kLongestPiece);
  for (const char c : text) {
    FUZZ_CHECK(kWritable.test(static_cast<unsigned char>(c)));
  }
  return 0;
}
