// The one-time pad: key generation and the digit-wise combination of a group
// text with a key text.
//
// All strings are Windows-1252 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zazuzar {

// A key text: 100 groups of five digits, each followed by one space.
inline constexpr std::size_t kKeyGroups = 100;
inline constexpr std::size_t kKeyLength = 600;

// Characters the input field takes: a plain text in encode mode, a cipher text
// of up to 100 groups laid out as group text in decode mode.
inline constexpr std::size_t kPlainTextLimit = 100;
inline constexpr std::size_t kCipherTextLimit = 600;
// Characters read from a cipher file: room for a line end after a full
// cipher text.
inline constexpr std::size_t kCipherFileLimit = kCipherTextLimit + 3;

// Numbers a key group can hold: 0 to kKeyRange - 1 (99999 never occurs).
inline constexpr std::uint32_t kKeyRange = 99999;

enum class Direction { Encipher, Decipher };

struct Combined {
  std::string digits;     // the result digits, unbroken
  std::string groupText;  // the same digits as group text
};

// A character at a digit position that is not a digit. what() is
// "'<character>' ist kein gültiger Integerwert" in Windows-1252, with nothing
// between the quotes when the key text ended before the position.
class ConversionError : public std::runtime_error {
 public:
  ConversionError(std::string_view offending, Combined produced);
  const std::string& offending() const { return offending_; }
  // The whole message, also where the offending character is a NUL byte,
  // which ends what() early.
  std::string message() const;
  // What was combined before the offending position.
  const Combined& produced() const { return produced_; }

 private:
  std::string offending_;
  Combined produced_;
};

// A new key text from the operating system's cryptographic random source.
std::string GenerateKey();

// The same from another source of uniformly distributed 32-bit words. Each
// number is drawn without modulo bias: a word below 2^32 mod 99999 is dropped
// and the next one taken. A number already used in this key is drawn again.
std::string GenerateKey(const std::function<std::uint32_t()>& nextWord);

// Adds (Encipher) or subtracts (Decipher) the key digits modulo 10, position by
// position, over the first 600 characters of the group text. A run of blanks,
// CR and LF at the very end of the group text is ignored. A non-digit at a
// digit position of either text throws ConversionError, which carries the
// result up to that position.
Combined Combine(std::string_view groupText, std::string_view keyText, Direction direction);

}  // namespace zazuzar
