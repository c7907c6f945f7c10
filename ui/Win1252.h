// The one conversion point between the core's Windows-1252 bytes and QString.
#pragma once

#include <QString>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zazuzar {

// Every byte has a character: the five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the same
// value, so any file read as Windows-1252 writes back byte for byte.
QString FromWin1252(std::string_view bytes);

// Whether Windows-1252 holds `ch` (every character FromWin1252 can give).
bool InWin1252(QChar ch);

// A character that Windows-1252 cannot hold.
class UnrepresentableCharacter : public std::runtime_error {
 public:
  explicit UnrepresentableCharacter(QString character);
  const QString& character() const { return character_; }

 private:
  QString character_;
};

// Converts text for a file: throws UnrepresentableCharacter on the first
// character that Windows-1252 cannot hold.
std::string ToWin1252(const QString& text);

// Converts text for the cipher core: a character that Windows-1252 cannot hold
// becomes "?", which the core treats as it treats any character outside its
// tables.
std::string ToWin1252Lossy(const QString& text);

}  // namespace zazuzar
