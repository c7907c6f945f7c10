// Windows-1252 both ways, and the input field's upper-casing, which keeps every
// text within Windows-1252, so whatever is typed or loaded saves and loads
// again byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "ui/Win1252.h"
#include "ui/controls/Edit.h"

namespace zazuzar::testing {
namespace {

// Bytes 0x80 to 0x9F; the five that Windows-1252 leaves undefined stand for
// the C1 controls of their value.
constexpr char16_t kBytes80To9F[32] = {
    u'€',      u'\u0081', u'‚', u'ƒ', u'„', u'…',      u'†', u'‡',       // 80
    u'ˆ',      u'‰',      u'Š', u'‹', u'Œ', u'\u008D', u'Ž', u'\u008F',  // 88
    u'\u0090', u'‘',      u'’', u'“', u'”', u'•',      u'–', u'—',       // 90
    u'˜',      u'™',      u'š', u'›', u'œ', u'\u009D', u'ž', u'Ÿ',       // 98
};

TEST(Win1252, Bytes80To9FBothWays) {
  for (int i = 0; i < 32; ++i) {
    const std::string byte(1, static_cast<char>(0x80 + i));
    const QString character{QChar(kBytes80To9F[i])};
    EXPECT_EQ(FromWin1252(byte), character) << "byte 0x" << std::hex << 0x80 + i;
    EXPECT_EQ(ToWin1252(character), byte) << "byte 0x" << std::hex << 0x80 + i;
  }
}

TEST(Win1252, OneQuestionMarkForEachCharacterItLacks) {
  const struct {
    const char16_t* text;
    const char* lossy;
    const char16_t* refused;  // what the exact conversion names
  } cases[] = {
      {u"1Ł2", "1?2", u"Ł"},
      {u"A😀B", "A?B", u"😀"},  // two UTF-16 units, one character
      {u"Äß€", "\xC4\xDF\x80", u""},
  };
  for (const auto& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    SCOPED_TRACE(text.toStdString());
    EXPECT_EQ(ToWin1252Lossy(text), c.lossy);
    QString refused;
    try {
      EXPECT_EQ(ToWin1252(text), c.lossy);
    } catch (const UnrepresentableCharacter& error) {
      refused = error.character();
    }
    EXPECT_EQ(refused, QString::fromUtf16(c.refused));
  }
}

TEST(UpperCaseInput, CapitalsWhereWindows1252HasThem) {
  const struct {
    const char16_t* typed;
    const char16_t* stored;
  } cases[] = {
      {u"abc xyz", u"ABC XYZ"},
      {u"äöü àé", u"ÄÖÜ ÀÉ"},
      {u"ß", u"ß"},        // no capital of its own
      {u"šœžÿ", u"ŠŒŽŸ"},  // capitals in the 0x80-0x9F range
      {u"µ ƒ", u"µ ƒ"},    // capitals outside Windows-1252: kept
      {u"ł", u"Ł"},        // neither form in Windows-1252: upper-cased
      {u"1 !?;", u"1 !?;"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UpperCaseInput(QString::fromUtf16(c.typed)), QString::fromUtf16(c.stored))
        << QString::fromUtf16(c.typed).toStdString();
  }
}

TEST(UpperCaseInput, EveryWindows1252ByteStaysInWindows1252) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string bytes(1, static_cast<char>(byte));
    const QString upper = UpperCaseInput(FromWin1252(bytes));
    EXPECT_NO_THROW(ToWin1252(upper)) << "byte " << byte;
  }
}

}  // namespace
}  // namespace zazuzar::testing
