// The code table: plain text to code digits, and code digits to group text.
//
// All strings are Windows-1252 bytes: "Ä" is the byte 0xC4, "ß" is 0xDF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zazuzar {

// Digits shown, enciphered and saved at most: 100 groups of five.
inline constexpr std::size_t kGroupDigitLimit = 500;

// A digit string laid out in groups of five, each complete group followed by
// one space; `truncated` is set when the shown length reached the limit.
struct GroupText {
  std::string text;
  bool truncated = false;
};

// Turns a plain text into its code string (digits "0" to "9" only).
// Letters take one or two digits, digits and signs are written in figure mode
// (switched on and off by "89"), a digit is written three times. Characters
// outside the table are skipped.
std::string EncodeText(std::string_view text);

// Lays out the first `limit` characters of `digits` as group text.
GroupText FormatGroups(std::string_view digits, std::size_t limit);

}  // namespace zazuzar
