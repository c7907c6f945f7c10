// Invariant checks for the fuzz targets: a broken invariant aborts, which
// libFuzzer reports as a crash and saves the input that caused it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (false)

namespace zazuzar::fuzz {

// The fuzz input as bytes, with a cursor for taking parameters off its front.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  // Two bytes, little-endian; 0 when the input has run out.
  std::uint16_t TakeU16() {
    std::uint16_t value = 0;
    for (int i = 0; i < 2 && !rest_.empty(); ++i) {
      value |= static_cast<std::uint16_t>(static_cast<unsigned char>(rest_.front()) << (8 * i));
      rest_.remove_prefix(1);
    }
    return value;
  }

  std::uint8_t TakeByte() {
    if (rest_.empty()) {
      return 0;
    }
    const auto value = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return value;
  }

  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

inline bool AllDigits(std::string_view s) {
  for (const char c : s) {
    if (!IsDigit(c)) {
      return false;
    }
  }
  return true;
}

}  // namespace zazuzar::fuzz
