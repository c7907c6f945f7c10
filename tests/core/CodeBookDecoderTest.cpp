#include "core/CodeBookDecoder.h"
#include "core/CodeTable.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace zazuzar {
namespace {

TEST(DecodeDigits, ReadsCodesBack) {
  struct Case {
    std::string digits;
    std::string text;
  };
  const Case cases[] = {
      {"7607979819617986", "HALLOWELT"},
      {"0891118971", "A1B"},
      {"8911190555", "1.5"},
      {"97899489988994", "X|Y|"},
      {"891118911189111", "1EEE1"},
      {"12345678901234567890", "EINRS Treff AEINRS Treff A"},
      {"6000", " abgesandt "},
      {"60012", " abgesandt I"},
      {"6A0", "CodebuchA"},
      {"70828885", "\xC4\xD6\xDC\xDF"},
      {"8 0", "A"},
      {"", ""},
      {"7", ""},
      {"8", ""},
      {"9", ""},
      {"07", "A"},
      // Letter mode: a pair with a non-digit second yields nothing.
      {"8x0", "A"},
      {"7x0", "A"},
      {"9x0", "A"},
      // Figure mode: tripled digits, 8 and 9 included.
      {"89888", "8"},
      {"89111999888", "198"},
      {"8988", "8"},
      {"8999", "9"},
      {"89"
       "999"
       "89"
       "0",
       "9A"},
      // Figure mode: other pairs starting with 8 or 9 are still letters, signs
      // or the switch.
      {"89"
       "90"
       "91"
       "92"
       "93"
       "94",
       ".=-:|"},
      {"8987", "U"},
      {"8995", "V"},
      {"89", ""},
      {"890", ""},
      // Two different digits take a third position with them.
      {"8912011", "1"},
      {"891x1", ""},
      // A "6" near the end reads past the end as a non-digit.
      {"6", "Codebuch"},
      {"06", "ACodebuch"},
      {"61", "Codebuch"},
      {"612", " Auftrag "},
      {"61234", " Auftrag R"},
      {"623", " ausf\xFChrlich "},
      {"613", " ausf\xFChrlich "},
      {"642",
       " Grenz\xFC"
       "bergang "},
      {"A0B1", "AE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.digits);
    EXPECT_EQ(DecodeDigits(c.digits), c.text);
  }
}

TEST(DecodeDigits, DecodesEverythingWithoutCut) {
  EXPECT_EQ(DecodeDigits(std::string(300, '1')), std::string(300, 'E'));
  std::string digits;
  std::string text;
  for (int i = 0; i < 100; ++i) {
    digits += "6990";
    text += " Zentrale ";
  }
  EXPECT_EQ(DecodeDigits(digits), text);
}

// The printed code book, 600 to 699, as Windows-1252 bytes: 613 and 623 are
// the same word, and 637 is spelt as printed.
// clang-format off
const char* const kCodeBookWords[100] = {
    /* 600 */ "abgesandt", "Adresse", "\xC4nderung", "Anleg-en/ung", "Antwort-en",
    /* 605 */ "Anweis-en/ung", "Arbeit-en", "Arbeitsstelle", "Aufenthalt", "Aufgabe, aufgeben",
    /* 610 */ "Aufkl\xE4r-en/ung", "Aufnahme, aufgeben", "Auftrag", "ausf\xFChrlich", "Bahnhof",
    /* 615 */ "Beginn-en", "Beleg-en/ung", "belegt", "ben\xF6tigen", "Beobacht-en/ung",
    /* 620 */ "Bericht-en", "Berlin", "Best\xE4tig-en/ung", "ausf\xFChrlich", "Chiffre",
    /* 625 */ "Deckadresse", "Dokument", "dringend", "Einsatz, einsetzen", "Einsch\xE4tz-en/ung",
    /* 630 */ "einverstanden (mit)", "Empfang-en", "Entleer-en/ung", "entleert", "Ergebnis",
    /* 635 */ "Erhalt-en/ung", "Ermittel-n/ung", "Erwart-n/ung", "Feststell-en/ung", "Frequenz",
    /* 640 */ "Funk", "Geheimschreibmittel", "Grenz\xFC" "bergang", "Information, informieren", "Instrukteur",
    /* 645 */ "Interesse, interessieren", "Karte", "Kontakt", "Kontroll-en/ieren", "Kurier",
    /* 650 */ "laufend", "Legende", "lesbar", "Ma\xDFnahme", "Material",
    /* 655 */ "Mikrat", "Milit\xE4r-isch", "mitbringen", "Mitteil-en/ung", "Nachricht",
    /* 660 */ "n\xE4" "chst", "negativ", "normal", "notwendig", "Objekt",
    /* 665 */ "operativ", "P\xE4" "chkchen", "Politik, politisch", "Post", "Post noch nicht erhalten",
    /* 670 */ "Reaktion (auf)", "Send-en/ung", "Sicherheit", "sofort", "Spruch",
    /* 675 */ "Stimmung", "TBK", "Termin", "Treff", "Treff wie vereinbart",
    /* 680 */ "Treffart", "Trefftermin", "\xFC" "ber", "\xDC" "bergabe, \xFC" "bergeben", "\xDC" "berpr\xFC" "f-en/ung",
    /* 685 */ "unbedingt", "Unterst\xFCtz-en/ung", "Verbind-en/ung", "Vereinbar-en/ung", "Vernicht-en/ung",
    /* 690 */ "voraussichtlich", "Vorbereit-en/ung", "vorl\xE4ufig", "Vorschlag-en", "Westberlin",
    /* 695 */ "Westdeutschland", "Wiederholung-en/ung", "Wirtschaft-lich", "Zeichen", "Zentrale",
};
// clang-format on

TEST(CodeBook, DecodesEveryWordAsPrinted) {
  for (int i = 0; i < 100; ++i) {
    const std::string index = {char('0' + i / 10), char('0' + i % 10)};
    SCOPED_TRACE("6" + index);
    EXPECT_EQ(DecodeDigits("6" + index + "0"), " " + std::string(kCodeBookWords[i]) + " ");
    EXPECT_EQ(CodeBookWord(i), kCodeBookWords[i]);
  }
  EXPECT_TRUE(CodeBookWord(-1).empty());
  EXPECT_TRUE(CodeBookWord(100).empty());
}

// What the decoder gives back for an encoded text: no spaces, no skipped
// characters, brackets as "|".
std::string Readable(const std::string& text) {
  const std::string_view kept = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC\xDF|.=-:0123456789";
  std::string out;
  for (const char c : text) {
    if (c == '(' || c == ')') {
      out += '|';
    } else if (kept.find(c) != std::string_view::npos) {
      out += c;
    }
  }
  return out;
}

TEST(DecodeDigits, ReadsBackEveryEncodedText) {
  const std::string alphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC\xDF| \"()+,-./0123456789:=az!?;'\r\xE4";
  std::mt19937 rng(20240601);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 100);
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    for (int n = length(rng); n > 0; --n) {
      text += alphabet[pick(rng)];
    }
    ASSERT_EQ(DecodeDigits(EncodeText(text)), Readable(text)) << text;
  }
}

TEST(DecodeDigits, BracketsOnlyInsideTheirCodeBookWords) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> digit(0, 9);
  for (int round = 0; round < 5000; ++round) {
    std::string digits;
    for (int n = 0; n < 60; ++n) {
      digits += static_cast<char>('0' + digit(rng));
    }
    std::string text = DecodeDigits(digits);
    for (const std::string_view word : {" einverstanden (mit) ", " Reaktion (auf) "}) {
      for (auto at = text.find(word); at != std::string::npos; at = text.find(word)) {
        text.erase(at, word.size());
      }
    }
    ASSERT_EQ(text.find_first_of("()"), std::string::npos) << digits;
  }
}

}  // namespace
}  // namespace zazuzar
