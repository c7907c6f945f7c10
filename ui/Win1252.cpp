#include "ui/Win1252.h"

#include <array>
#include <optional>

namespace zazuzar {
namespace {

// Bytes 0x80 to 0x9F; the undefined ones map to the C1 control of their value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

std::optional<char> ByteOf(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
    return static_cast<char>(unit);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == unit) {
      return static_cast<char>(0x80 + i);
    }
  }
  return std::nullopt;
}

template <typename OnUnrepresentable>
std::string Convert(const QString& text, OnUnrepresentable onUnrepresentable) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text.at(i);
    if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      bytes += onUnrepresentable(text.mid(i, 2));
      ++i;
    } else if (auto byte = ByteOf(ch.unicode())) {
      bytes += *byte;
    } else {
      bytes += onUnrepresentable(QString(ch));
    }
  }
  return bytes;
}

}  // namespace

QString FromWin1252(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    text +=
        (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighControls[byte - 0x80]) : QChar(char16_t{byte});
  }
  return text;
}

bool InWin1252(QChar ch) {
  return ByteOf(ch.unicode()).has_value();
}

UnrepresentableCharacter::UnrepresentableCharacter(QString character)
    : std::runtime_error("character not representable in Windows-1252"),
      character_(std::move(character)) {}

std::string ToWin1252(const QString& text) {
  return Convert(text, [](const QString& ch) -> char { throw UnrepresentableCharacter(ch); });
}

std::string ToWin1252Lossy(const QString& text) {
  return Convert(text, [](const QString&) { return '?'; });
}

}  // namespace zazuzar
