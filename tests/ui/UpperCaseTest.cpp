// The input field's upper-casing keeps every text within Windows-1252, so
// whatever is typed or loaded saves and loads again byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "ui/Fields.h"
#include "ui/Win1252.h"

namespace zazuzar::testing {
namespace {

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
