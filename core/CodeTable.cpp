#include "core/CodeTable.h"

#include <algorithm>
#include <array>

namespace zazuzar {
namespace {

struct Row {
  char ch;
  int code;
};

// The letter table in the order the lookup scans it. Rows "c" (code-book
// group) and "z" (mode switch) are placeholders that no input matches.
constexpr Row kLetterTable[] = {
    {'A', 0},     {'E', 1},     {'I', 2},  {'N', 3},  {'R', 4},     {'S', 5},     {'c', 6},
    {'\xC4', 70}, {'B', 71},    {'C', 72}, {'D', 73}, {'F', 74},    {'G', 75},    {'H', 76},
    {'J', 77},    {'K', 78},    {'L', 79}, {'M', 80}, {'O', 81},    {'\xD6', 82}, {'P', 83},
    {'Q', 84},    {'\xDF', 85}, {'T', 86}, {'U', 87}, {'\xDC', 88}, {'z', 89},    {'.', 90},
    {'=', 91},    {'-', 92},    {':', 93}, {'|', 94}, {'V', 95},    {'W', 96},    {'X', 97},
    {'Y', 98},    {'Z', 99},
};
static_assert(std::size(kLetterTable) == 37);

// The figure table; both brackets share 94.
constexpr Row kFigureTable[] = {
    {'.', 90}, {'=', 91}, {'-', 92}, {':', 93}, {'(', 94}, {')', 94},
};

enum class Class : unsigned char { None, Letter, Figure };

constexpr unsigned char Byte(char c) {
  return static_cast<unsigned char>(c);
}

constexpr Class ClassOf(unsigned char b) {
  if ((b >= 'A' && b <= 'Z') || b == 0xC4 || b == 0xD6 || b == 0xDC || b == 0xDF || b == '|' ||
      b == ' ') {
    return Class::Letter;
  }
  switch (b) {
    case '"':
    case '(':
    case ')':
    case '+':
    case ',':
    case '-':
    case '.':
    case '/':
    case ':':
    case '=':
      return Class::Figure;
    default:
      return (b >= '0' && b <= '9') ? Class::Figure : Class::None;
  }
}

// Per byte value: its class and the code its table gives it (-1: no row), the
// first matching row winning as in a scan from the top.
struct Entry {
  Class cls = Class::None;
  signed char code = -1;
};

constexpr std::array<Entry, 256> BuildLookup() {
  std::array<Entry, 256> lookup{};
  for (int b = 0; b < 256; ++b) {
    Entry& e = lookup[b];
    e.cls = ClassOf(static_cast<unsigned char>(b));
    if (e.cls == Class::None) {
      continue;
    }
    const Row* begin = e.cls == Class::Letter ? std::begin(kLetterTable) : std::begin(kFigureTable);
    const Row* end = e.cls == Class::Letter ? std::end(kLetterTable) : std::end(kFigureTable);
    for (const Row* row = begin; row != end; ++row) {
      if (Byte(row->ch) == b) {
        e.code = static_cast<signed char>(row->code);
        break;
      }
    }
  }
  return lookup;
}

constexpr std::array<Entry, 256> kLookup = BuildLookup();

// Writes a code in decimal without leading zeros; returns the end.
char* WriteCode(char* out, int code) {
  if (code >= 10) {
    *out++ = static_cast<char>('0' + code / 10);
  }
  *out++ = static_cast<char>('0' + code % 10);
  return out;
}

char* WriteSwitch(char* out) {
  *out++ = '8';
  *out++ = '9';
  return out;
}

}  // namespace

std::string EncodeText(std::string_view text) {
  // At most a switch and a tripled digit per character; cut to size at the end.
  std::string codes(text.size() * 5, '\0');
  char* const begin = codes.data();
  char* out = begin;
  bool figureMode = false;
  for (const char ch : text) {
    const Entry& e = kLookup[Byte(ch)];
    switch (e.cls) {
      case Class::Letter:
        if (figureMode) {
          out = WriteSwitch(out);
          figureMode = false;
        }
        if (e.code >= 0) {
          out = WriteCode(out, e.code);
        }
        break;
      case Class::Figure:
        if (!figureMode) {
          out = WriteSwitch(out);
          figureMode = true;
        }
        if (e.code >= 0) {
          out = WriteCode(out, e.code);
        } else if (ch >= '0' && ch <= '9') {
          out[0] = out[1] = out[2] = ch;
          out += 3;
        }
        break;
      case Class::None:
        break;
    }
  }
  codes.resize(static_cast<std::size_t>(out - begin));
  return codes;
}

GroupText FormatGroups(std::string_view digits, std::size_t limit) {
  const std::size_t n = std::min(digits.size(), limit);
  GroupText result;
  result.text.resize(n + n / 5);
  char* out = result.text.data();
  std::size_t i = 0;
  for (; i + 5 <= n; i += 5) {
    out = std::copy_n(digits.data() + i, 5, out);
    *out++ = ' ';
  }
  std::copy_n(digits.data() + i, n - i, out);
  result.truncated = n == limit;
  return result;
}

}  // namespace zazuzar
