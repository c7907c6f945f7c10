#include "core/CodeBookDecoder.h"

#include <algorithm>
#include <array>

namespace zazuzar {
namespace {

// Code-book words 600 to 699, Windows-1252. A hex escape is closed off by a
// string break where a hex digit follows it.
// clang-format off
constexpr std::array<std::string_view, 100> kCodeBook = {
    "abgesandt",                        // 600
    "Adresse",                          // 601
    "\xC4nderung",                      // 602
    "Anleg-en/ung",                     // 603
    "Antwort-en",                       // 604
    "Anweis-en/ung",                    // 605
    "Arbeit-en",                        // 606
    "Arbeitsstelle",                    // 607
    "Aufenthalt",                       // 608
    "Aufgabe, aufgeben",                // 609
    "Aufkl\xE4r-en/ung",                // 610
    "Aufnahme, aufgeben",               // 611
    "Auftrag",                          // 612
    "ausf\xFChrlich",                   // 613
    "Bahnhof",                          // 614
    "Beginn-en",                        // 615
    "Beleg-en/ung",                     // 616
    "belegt",                           // 617
    "ben\xF6tigen",                     // 618
    "Beobacht-en/ung",                  // 619
    "Bericht-en",                       // 620
    "Berlin",                           // 621
    "Best\xE4tig-en/ung",               // 622
    "ausf\xFChrlich",                   // 623, the same word as 613
    "Chiffre",                          // 624
    "Deckadresse",                      // 625
    "Dokument",                         // 626
    "dringend",                         // 627
    "Einsatz, einsetzen",               // 628
    "Einsch\xE4tz-en/ung",              // 629
    "einverstanden (mit)",              // 630
    "Empfang-en",                       // 631
    "Entleer-en/ung",                   // 632
    "entleert",                         // 633
    "Ergebnis",                         // 634
    "Erhalt-en/ung",                    // 635
    "Ermittel-n/ung",                   // 636
    "Erwart-n/ung",                     // 637
    "Feststell-en/ung",                 // 638
    "Frequenz",                         // 639
    "Funk",                             // 640
    "Geheimschreibmittel",              // 641
    "Grenz\xFC" "bergang",              // 642
    "Information, informieren",         // 643
    "Instrukteur",                      // 644
    "Interesse, interessieren",         // 645
    "Karte",                            // 646
    "Kontakt",                          // 647
    "Kontroll-en/ieren",                // 648
    "Kurier",                           // 649
    "laufend",                          // 650
    "Legende",                          // 651
    "lesbar",                           // 652
    "Ma\xDFnahme",                      // 653
    "Material",                         // 654
    "Mikrat",                           // 655
    "Milit\xE4r-isch",                  // 656
    "mitbringen",                       // 657
    "Mitteil-en/ung",                   // 658
    "Nachricht",                        // 659
    "n\xE4" "chst",                     // 660
    "negativ",                          // 661
    "normal",                           // 662
    "notwendig",                        // 663
    "Objekt",                           // 664
    "operativ",                         // 665
    "P\xE4" "chkchen",                  // 666
    "Politik, politisch",               // 667
    "Post",                             // 668
    "Post noch nicht erhalten",         // 669
    "Reaktion (auf)",                   // 670
    "Send-en/ung",                      // 671
    "Sicherheit",                       // 672
    "sofort",                           // 673
    "Spruch",                           // 674
    "Stimmung",                         // 675
    "TBK",                              // 676
    "Termin",                           // 677
    "Treff",                            // 678
    "Treff wie vereinbart",             // 679
    "Treffart",                         // 680
    "Trefftermin",                      // 681
    "\xFC" "ber",                       // 682
    "\xDC" "bergabe, \xFC" "bergeben",  // 683
    "\xDC" "berpr\xFC" "f-en/ung",      // 684
    "unbedingt",                        // 685
    "Unterst\xFCtz-en/ung",             // 686
    "Verbind-en/ung",                   // 687
    "Vereinbar-en/ung",                 // 688
    "Vernicht-en/ung",                  // 689
    "voraussichtlich",                  // 690
    "Vorbereit-en/ung",                 // 691
    "vorl\xE4ufig",                     // 692
    "Vorschlag-en",                     // 693
    "Westberlin",                       // 694
    "Westdeutschland",                  // 695
    "Wiederholung-en/ung",              // 696
    "Wirtschaft-lich",                  // 697
    "Zeichen",                          // 698
    "Zentrale",                         // 699
};
// clang-format on

// Output when a code-book index digit is missing.
constexpr std::string_view kPlaceholder = "Codebuch";

// Rows of the two-digit codes 70 to 99; '\0' for 89, the mode switch.
// clang-format off
constexpr char kPairRows[] =
    "\xC4" "BCDFGHJKL"       // 70-79
    "MO\xD6PQ\xDFTU\xDC\0"  // 80-89
    ".=-:|VWXYZ";           // 90-99
// clang-format on

// One-digit codes 0 to 5.
constexpr std::string_view kSingleRows = "AEINRS";

constexpr std::size_t LongestWord() {
  std::size_t longest = kPlaceholder.size();
  for (const std::string_view word : kCodeBook) {
    longest = std::max(longest, word.size());
  }
  return longest;
}

// Each step consumes at least one position and at most four for a word with
// its two spaces; only a step at the very end may run past the string, with
// at most the placeholder or one word. So seven bytes per digit plus one word
// bound the output.
constexpr std::size_t kOutputPerDigit = 7;
static_assert(LongestWord() + 2 <= 4 * kOutputPerDigit);

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

char PairRow(char tens, char units) {
  return kPairRows[static_cast<std::size_t>((tens - '7') * 10 + (units - '0'))];
}

}  // namespace

std::string_view CodeBookWord(int index) {
  if (index < 0 || index >= static_cast<int>(kCodeBook.size())) {
    return {};
  }
  return kCodeBook[static_cast<std::size_t>(index)];
}

std::string DecodeDigits(std::string_view digits) {
  std::string out;
  out.reserve(digits.size() * kOutputPerDigit + LongestWord() + 2);

  const std::size_t n = digits.size();
  // A position beyond the end reads as a non-digit.
  const auto at = [&](std::size_t i) { return i < n ? digits[i] : '\0'; };

  bool figureMode = false;
  std::size_t p = 0;
  while (p < n) {
    const char c = digits[p];
    if (!IsDigit(c)) {
      p += 1;
      continue;
    }
    const bool last = p + 1 == n;
    const char d = at(p + 1);

    // Figure mode: a tripled digit, any digit 0 to 9.
    if (figureMode && !last && d == c) {
      out.push_back(c);
      p += 3;
      continue;
    }
    // Either mode: 8d is a letter, 89 the mode switch.
    if (c == '8' && !last) {
      if (d == '9') {
        figureMode = !figureMode;
      } else if (IsDigit(d)) {
        out.push_back(PairRow(c, d));
      }
      p += 2;
      continue;
    }
    if (figureMode) {
      if (c == '9' && !last) {
        if (IsDigit(d)) {
          out.push_back(PairRow(c, d));
        }
        p += 2;
      } else if (!last) {
        // Two different digits: nothing, and a third position goes with them.
        p += 3;
      } else {
        p += 1;
      }
      continue;
    }

    // Letter mode.
    if (c <= '5') {
      out.push_back(kSingleRows[static_cast<std::size_t>(c - '0')]);
      p += 1;
    } else if (c == '6') {
      if (!IsDigit(d)) {
        out += kPlaceholder;
        p += 2;
      } else {
        const char e = at(p + 2);
        if (IsDigit(e)) {
          out.push_back(' ');
          out += kCodeBook[static_cast<std::size_t>((d - '0') * 10 + (e - '0'))];
          out.push_back(' ');
        } else {
          out += kPlaceholder;
        }
        p += 4;
      }
    } else if (!last) {
      // 7d or 9d (8 was read above).
      if (IsDigit(d)) {
        out.push_back(PairRow(c, d));
      }
      p += 2;
    } else {
      p += 1;
    }
  }
  return out;
}

}  // namespace zazuzar
