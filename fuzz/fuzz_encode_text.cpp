// EncodeText on any bytes: digits only, at most five digits per character, and
// the decoder reads every text the encoder writes back to the text's encodable
// characters (spaces dropped, brackets as "|").
#include <string>

#include "core/CodeBookDecoder.h"
#include "core/CodeTable.h"
#include "fuzz/Check.h"

namespace {

// What the decoder gives back for one plain-text byte: the byte itself, "|"
// for a bracket, or nothing for a space, a sign without a code and any
// character outside the table.
std::string_view ReadBack(const char& c) {
  const auto b = static_cast<unsigned char>(c);
  const bool letter =
      (b >= 'A' && b <= 'Z') || b == 0xC4 || b == 0xD6 || b == 0xDC || b == 0xDF || b == '|';
  const bool sign = b == '.' || b == '=' || b == '-' || b == ':';
  const bool digit = b >= '0' && b <= '9';
  if (letter || sign || digit) {
    return {&c, 1};
  }
  if (b == '(' || b == ')') {
    return "|";
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string codes = zazuzar::EncodeText(text);

  FUZZ_CHECK(zazuzar::fuzz::AllDigits(codes));
  // A switch and a tripled digit are the most one character can cost.
  FUZZ_CHECK(codes.size() <= 5 * text.size());

  std::string expected;
  for (const char& c : text) {
    expected += ReadBack(c);
  }
  FUZZ_CHECK(zazuzar::DecodeDigits(codes) == expected);
  return 0;
}
