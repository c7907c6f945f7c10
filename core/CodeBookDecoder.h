// The code book and the decoder: code digits back to text.
//
// All strings are Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>

namespace zazuzar {

// Turns a digit string back into text: letters, figure-mode digits and signs,
// and the code-book words that "6" followed by two index digits opens (each
// word with one space before and after it). Any length and any bytes are
// accepted; characters other than digits are skipped.
std::string DecodeDigits(std::string_view digits);

// The code-book word of index 0 to 99 (code 600 to 699), without its spaces.
std::string_view CodeBookWord(int index);

}  // namespace zazuzar
