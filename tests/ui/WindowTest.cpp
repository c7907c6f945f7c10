// The main window as a person works it: layout, opening state, modes, the
// code and cipher actions, and the error report.
#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

#include <optional>

#include "core/OneTimePad.h"
#include "tests/ui/WindowFixture.h"
#include "ui/ErrorReport.h"

namespace zazuzar::testing {
namespace {

struct ControlRow {
  const char* name;
  QRect geometry;
  const char* text;  // nullptr: no text to check
  bool enabled;
  bool onPage;
};

const ControlRow kOpeningControls[] = {
    {"bt_VavorDecryptPrint", {384, 584, 129, 25}, "Ausgabe Drucken ", false, false},
    {"bt_VavorDecryptSave", {384, 552, 129, 25}, "Ausgabe Speichern ", false, false},
    {"bt_VavorInLoad", {672, 51, 105, 25}, "Text Laden", true, false},
    {"Image1", {376, 104, 433, 169}, nullptr, true, true},
    {"RadioGroup7", {7, 56, 346, 73}, "Text Modus", true, true},
    {"rb_VavorCode", {23, 79, 92, 13}, "Kodieren", true, true},
    {"rb_VavorDecod", {25, 103, 92, 13}, "Dekodieren", true, true},
    {"VavorIn", {8, 24, 649, 21}, "", true, true},
    {"bt_OTPkey", {8, 296, 121, 25}, "OTP erzeugen", true, true},
    {"bt_OTPCrypt", {8, 496, 153, 25}, "Chiffrieren ", false, true},
    {"bt_OTPSave", {368, 400, 105, 25}, "OTP Speichern ", false, true},
    {"bt_OTPLoad", {368, 368, 105, 25}, "OTP Laden", true, true},
    {"OTPOut", {8, 328, 345, 153}, "", true, true},
    {"OTPCryptOut", {8, 528, 361, 225}, "", true, true},
    {"fuenfergruppenOut", {8, 161, 361, 112}, "", true, true},
    {"VavorDecrypt", {8, 528, 361, 227}, "", true, true},
    {"bt_OTPPrint", {368, 432, 105, 25}, "OTP Drucken ", false, true},
    {"bt_kodieren", {160, 88, 153, 25}, "Kodieren", true, true},
    {"BitBtn1", {368, 336, 105, 25}, "OTP Editieren", true, true},
};

QString TextOf(QWidget* widget) {
  if (auto* memo = qobject_cast<TMemo*>(widget))
    return memo->Text();
  if (auto* edit = qobject_cast<TEdit*>(widget))
    return edit->Text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget))
    return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget))
    return label->text();
  if (auto* box = qobject_cast<QGroupBox*>(widget))
    return box->title();
  return QString();
}

TEST_F(WindowTest, OpensWithEveryControlInPlace) {
  EXPECT_EQ(form->size(), QSize(828, 806));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("Zazuzar")));
  EXPECT_FALSE(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(form->PageControl1->geometry(), QRect(7, 7, 818, 794));
  EXPECT_EQ(form->PageControl1->count(), 1);
  EXPECT_EQ(form->PageControl1->tabText(0), QStringLiteral("Zazuzar"));
  for (const ControlRow& row : kOpeningControls) {
    SCOPED_TRACE(row.name);
    auto* control = form->findChild<QWidget*>(QString::fromLatin1(row.name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), row.geometry);
    EXPECT_EQ(control->parentWidget(), row.onPage ? form->VavorSeite : form.get());
    if (row.text) {
      EXPECT_EQ(TextOf(control), QString::fromUtf8(row.text));
    }
    EXPECT_EQ(control->isEnabled(), row.enabled);
  }
  // The labels' width follows their text.
  EXPECT_EQ(form->Label19->pos(), QPoint(7, 7));
  EXPECT_EQ(form->Label20->pos(), QPoint(7, 137));
  EXPECT_EQ(form->Label20->text(), QStringLiteral("Code Ausgabe"));
  EXPECT_EQ(form->Label19->text(), QStringLiteral("Klartext: (max. 100 Zeichen)"));
  EXPECT_TRUE(form->rb_VavorCode->isChecked());
  EXPECT_FALSE(form->rb_VavorDecod->isChecked());
  EXPECT_EQ(form->VavorIn->MaxLength(), 100);
  EXPECT_TRUE(form->OTPCryptOut->isVisible());
  EXPECT_TRUE(form->VavorDecrypt->isHidden());
  for (TMemo* memo : {form->OTPOut, form->OTPCryptOut, form->fuenfergruppenOut, form->VavorDecrypt})
    EXPECT_TRUE(memo->isReadOnly()) << memo->objectName().toStdString();
  // The buttons on the window lie above the page control.
  EXPECT_EQ(form->childAt(384 + 5, 584 + 5), form->bt_VavorDecryptPrint);
  EXPECT_EQ(form->Image1->pixmap().size(), QSize(431, 172));
}

// --- Pictures: the window as drawn ---------------------------------------------

// Where `glyph` (its opaque pixels) appears in `picture`, pixel for pixel.
std::optional<QPoint> FindGlyph(const QImage& picture, const QImage& glyph) {
  for (int top = 0; top + glyph.height() <= picture.height(); ++top) {
    for (int left = 0; left + glyph.width() <= picture.width(); ++left) {
      bool same = true;
      for (int y = 0; same && y < glyph.height(); ++y) {
        for (int x = 0; same && x < glyph.width(); ++x) {
          const QRgb pixel = glyph.pixel(x, y);
          same = qAlpha(pixel) == 0 || pixel == picture.pixel(left + x, top + y);
        }
      }
      if (same) {
        return QPoint(left, top);
      }
    }
  }
  return std::nullopt;
}

// The enabled or the disabled half of a glyph picture.
QImage GlyphHalf(const char* file, bool enabled) {
  const QImage both = QImage(QStringLiteral(":/resources/") + QLatin1String(file))
                          .convertToFormat(QImage::Format_ARGB32);
  const int half = both.width() / 2;
  return both.copy(enabled ? 0 : half, 0, half, both.height());
}

struct GlyphButtonRow {
  const char* button;
  const char* glyph;
  bool glyphLeft;
};
void PrintTo(const GlyphButtonRow& row, std::ostream* out) {
  *out << row.button;
}

class GlyphSpacing : public WindowTest, public ::testing::WithParamInterface<GlyphButtonRow> {};

// Glyph and text are centred together, 4 pixels apart, measured on the ink.
TEST_P(GlyphSpacing, GlyphAndTextCentredFourPixelsApart) {
  const GlyphButtonRow& row = GetParam();
  auto* button = form->findChild<TBitBtn*>(QLatin1String(row.button));
  ASSERT_NE(button, nullptr);
  const QImage picture = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage glyph = GlyphHalf(row.glyph, true);
  const std::optional<QPoint> at = FindGlyph(picture, glyph);
  ASSERT_TRUE(at.has_value()) << "glyph not drawn as it is";
  // Text ink: columns inside the frame, off the glyph, with a pixel that
  // stands out from the button face of its row.
  int first = -1, last = -1;
  for (int x = 3; x < picture.width() - 3; ++x) {
    if (x >= at->x() && x < at->x() + glyph.width()) {
      continue;
    }
    for (int y = 3; y < picture.height() - 3; ++y) {
      const QColor face = picture.pixelColor(2, y), pixel = picture.pixelColor(x, y);
      if (std::abs(face.red() - pixel.red()) + std::abs(face.green() - pixel.green()) +
              std::abs(face.blue() - pixel.blue()) >
          60) {
        last = x;
        first = first < 0 ? x : first;
        break;
      }
    }
  }
  ASSERT_GE(first, 0) << "no text";
  const int gap = row.glyphLeft ? first - (at->x() + glyph.width()) : at->x() - last - 1;
  const int left = row.glyphLeft ? at->x() : first;
  const int right = picture.width() - 1 - (row.glyphLeft ? last : at->x() + glyph.width() - 1);
#ifdef _WIN32
  // Windows' own font rendering (GDI) puts the ink a pixel off where FreeType
  // puts it, for the same advances.
  constexpr int kInk = 1;
#else
  constexpr int kInk = 0;
#endif
  EXPECT_NEAR(gap, 4, kInk);
  EXPECT_NEAR(left, right, 1 + kInk) << "margins " << left << " and " << right;
}

INSTANTIATE_TEST_SUITE_P(Buttons, GlyphSpacing,
                         ::testing::Values(GlyphButtonRow{"bt_OTPLoad", "glyph_open.png", false},
                                           GlyphButtonRow{"bt_OTPkey", "glyph_key.png", true}),
                         [](const auto& info) { return std::string(info.param.button); });

TEST_F(WindowTest, PageShowsTheWindowsColour) {
  const QImage picture = form->grab().toImage();
  const QColor margin = picture.pixelColor(2, 400);
  EXPECT_EQ(margin, form->palette().color(QPalette::Button));
  // Empty places of the page: below the key field, right of the output area.
  for (const QPoint place : {QPoint(8, 488), QPoint(700, 700)}) {
    EXPECT_EQ(picture.pixelColor(form->VavorSeite->mapTo(form.get(), place)), margin) << place.x();
  }
}

// Run again at twice the density (QT_SCALE_FACTOR=2, CTest's ui_tests_at_2x).
TEST_F(WindowTest, HighDensityScreenShowsTheTwiceSizePictures) {
  if (form->devicePixelRatio() < 2) {
    GTEST_SKIP() << "normal density";
  }
  constexpr QImage::Format kRgb = QImage::Format_RGB32;
  // The disabled glyph at twice the size has a finer relief than the normal
  // one scaled up.
  const QImage save = form->bt_OTPSave->grab().toImage().convertToFormat(kRgb);
  EXPECT_TRUE(FindGlyph(save, GlyphHalf("glyph_save@2x.png", false)).has_value());
  EXPECT_EQ(form->Image1->pixmap().size(), QSize(862, 344));
  EXPECT_EQ(form->Image1->pixmap().devicePixelRatio(), 2);
  // The window's icon: the 32-pixel picture with each pixel doubled, not smoothed.
  const QImage icon32 = QImage(QStringLiteral(":/resources/icon32.png")).convertToFormat(kRgb);
  EXPECT_EQ(form->windowIcon().pixmap(QSize(32, 32), 2).toImage().convertToFormat(kRgb),
            icon32.scaled(64, 64));
}

struct ModeRow {
  const char* label;
  const char* kodieren;
  const char* crypt;
  int maxLength;
  const char* load;
};
const ModeRow kEncodeMode = {"Klartext: (max. 100 Zeichen)", "Kodieren", "Chiffrieren", 100,
                             "Text Laden"};
const ModeRow kDecodeMode = {"Chiffriertext: (max. 500 Zeichen)", "Dekodieren", "Dechiffrieren",
                             600, "Crypt Laden"};

void ExpectMode(const TForm1& form, const ModeRow& mode) {
  EXPECT_EQ(form.Label19->text(), QString::fromUtf8(mode.label));
  EXPECT_EQ(form.bt_kodieren->text(), QString::fromUtf8(mode.kodieren));
  EXPECT_EQ(form.bt_OTPCrypt->text(), QString::fromUtf8(mode.crypt));
  EXPECT_EQ(form.VavorIn->MaxLength(), mode.maxLength);
  EXPECT_EQ(form.bt_VavorInLoad->text(), QString::fromUtf8(mode.load));
  EXPECT_FALSE(form.bt_OTPCrypt->isEnabled());
}

TEST_F(WindowTest, ModeSwitchSetsTheModeAndKeepsKeyAndShownOutput) {
  const QString cipher = Encipher(QStringLiteral("HALLO"));
  const QString key = form->OTPOut->Text();
  ASSERT_TRUE(form->bt_VavorDecryptSave->isEnabled());

  SwitchToDecode();
  ExpectMode(*form, kDecodeMode);
  EXPECT_TRUE(form->VavorIn->Text().isEmpty());
  EXPECT_TRUE(form->fuenfergruppenOut->Text().isEmpty());
  EXPECT_EQ(form->OTPOut->Text(), key);
  EXPECT_EQ(form->OTPCryptOut->Text(), cipher);
  EXPECT_TRUE(form->OTPCryptOut->isVisible()) << "only the code step swaps the output area";
  EXPECT_FALSE(form->bt_VavorDecryptSave->isEnabled());
  EXPECT_FALSE(form->bt_VavorDecryptPrint->isEnabled());
  for (QAbstractButton* b : {(QAbstractButton*)form->bt_kodieren, (QAbstractButton*)form->bt_OTPkey,
                             (QAbstractButton*)form->BitBtn1, (QAbstractButton*)form->bt_OTPLoad,
                             (QAbstractButton*)form->bt_VavorInLoad})
    EXPECT_TRUE(b->isEnabled());

  SwitchToEncode();
  ExpectMode(*form, kEncodeMode);

  // Clicking the mode already chosen changes nothing.
  Type(form->VavorIn, QStringLiteral("ABC"));
  Click(form->bt_kodieren);
  Click(form->rb_VavorCode);
  EXPECT_EQ(form->VavorIn->Text(), QStringLiteral("ABC"));
  EXPECT_TRUE(form->bt_OTPCrypt->isEnabled());
}

TEST_F(WindowTest, OnlyTheCodeStepSwapsTheOutputArea) {
  SwitchToDecode();
  EXPECT_TRUE(form->OTPCryptOut->isVisible());
  Click(form->bt_kodieren);  // empty input still swaps
  EXPECT_TRUE(form->VavorDecrypt->isVisible());
  EXPECT_TRUE(form->OTPCryptOut->isHidden());
  SwitchToEncode();
  EXPECT_TRUE(form->VavorDecrypt->isVisible());
  Click(form->bt_kodieren);
  EXPECT_TRUE(form->OTPCryptOut->isVisible());
  EXPECT_TRUE(form->VavorDecrypt->isHidden());
}

// One row per action: the enabled states of bt_OTPCrypt, the key buttons and
// the output buttons afterwards, whether the key field is read-only, and the
// one box shown, if any.
struct EnabledRow {
  const char* action;
  std::function<void(WindowTest&, TForm1&)> run;
  bool crypt, keyButtons, outputButtons, keyReadOnly;
  const char* message = nullptr;
};

TEST_F(WindowTest, EnabledStatesFollowEachAction) {
  auto type = [](TForm1& f, const char* text) {
    f.VavorIn->setFocus();
    QTest::keyClicks(f.VavorIn, QString::fromUtf8(text));
  };
  const EnabledRow rows[] = {
      {"code step",
       [&](WindowTest&, TForm1& f) {
         type(f, "ABC");
         Click(f.bt_kodieren);
       },
       true, false, false, true},
      {"code step, empty input", [](WindowTest&, TForm1& f) { Click(f.bt_kodieren); }, false, false,
       false, true, "Text eingeben!"},
      {"code step, input emptied after enciphering",
       [&](WindowTest&, TForm1& f) {
         type(f, "ABC");
         Click(f.bt_kodieren);
         Click(f.bt_OTPCrypt);
         f.VavorIn->SetText(QString());
         Click(f.bt_kodieren);
       },
       false, true, false, true, "Text eingeben!"},
      {"key generation", [](WindowTest&, TForm1& f) { Click(f.bt_OTPkey); }, false, true, false,
       true},
      {"key editing", [](WindowTest&, TForm1& f) { Click(f.BitBtn1); }, false, true, false, false},
      {"cipher step, key present",
       [&](WindowTest&, TForm1& f) {
         Click(f.bt_OTPkey);
         Click(f.BitBtn1);
         type(f, "ABC");
         Click(f.bt_kodieren);
         Click(f.bt_OTPCrypt);
       },
       true, false, true, true},
      {"cipher step, key generated on the way",
       [&](WindowTest&, TForm1& f) {
         type(f, "ABC");
         Click(f.bt_kodieren);
         Click(f.bt_OTPCrypt);
       },
       true, true, true, true},
      {"mode switch after enciphering",
       [&](WindowTest&, TForm1& f) {
         type(f, "ABC");
         Click(f.bt_kodieren);
         Click(f.bt_OTPCrypt);
         Click(f.rb_VavorDecod);
       },
       false, true, false, true},
  };
  for (const EnabledRow& row : rows) {
    SCOPED_TRACE(row.action);
    Restart();
    row.run(*this, *form);
    EXPECT_EQ(form->bt_OTPCrypt->isEnabled(), row.crypt);
    EXPECT_EQ(form->bt_OTPSave->isEnabled(), row.keyButtons);
    EXPECT_EQ(form->bt_OTPPrint->isEnabled(), row.keyButtons);
    EXPECT_EQ(form->bt_VavorDecryptSave->isEnabled(), row.outputButtons);
    EXPECT_EQ(form->bt_VavorDecryptPrint->isEnabled(), row.outputButtons);
    EXPECT_EQ(form->OTPOut->isReadOnly(), row.keyReadOnly);
    QStringList boxes;
    for (const Shown& box : dialogs.shown)
      boxes += box.kind + QStringLiteral(": ") + box.text;
    EXPECT_EQ(boxes, row.message ? QStringList{"Information: " + QString::fromUtf8(row.message)}
                                 : QStringList());
  }
}

TEST_F(WindowTest, MessageTravelsThroughTheWindowAndBack) {
  const QString plain = QStringLiteral("TREFF 18 UHR AM BAHNHOF (GLEIS 9): KENNWORT ÄÖÜß");
  const QString cipher = Encipher(plain);
  const QString code = form->fuenfergruppenOut->Text();
  ASSERT_FALSE(cipher.isEmpty());
  EXPECT_NE(cipher, code);
  EXPECT_EQ(cipher.size(), code.size());

  SwitchToDecode();
  Type(form->VavorIn, cipher);
  Click(form->bt_kodieren);
  EXPECT_EQ(form->fuenfergruppenOut->Text(), cipher);
  Click(form->bt_OTPCrypt);
  EXPECT_EQ(form->OTPCryptOut->Text(), code);
  QString expected = plain;
  expected.remove(QLatin1Char(' ')).replace(QLatin1Char('('), QLatin1Char('|'));
  expected.replace(QLatin1Char(')'), QLatin1Char('|'));
  EXPECT_EQ(form->VavorDecrypt->Text(), expected);
  EXPECT_TRUE(form->VavorDecrypt->isVisible());
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(WindowTest, InputFieldUpperCasesAndLimitsTheUserOnly) {
  Type(form->VavorIn, QStringLiteral("grüße äöü"));
  EXPECT_EQ(form->VavorIn->Text(), QStringLiteral("GRÜßE ÄÖÜ"));

  form->VavorIn->SetText(QString());
  Type(form->VavorIn, QString(101, QLatin1Char('a')));
  EXPECT_EQ(form->VavorIn->Text(), QString(100, QLatin1Char('A')));
  QTest::keyClick(form->VavorIn, Qt::Key_Backspace);  // a full field still lets the user delete
  EXPECT_EQ(form->VavorIn->Text(), QString(99, QLatin1Char('A')));
  // Text that an input method commits (a dead key, a compose sequence) is
  // typing too: it gets the room that is left.
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("äöü"));
  QApplication::sendEvent(form->VavorIn, &composed);
  EXPECT_EQ(form->VavorIn->Text(), QString(99, QLatin1Char('A')) + QStringLiteral("Ä"));

  SwitchToDecode();
  Type(form->VavorIn, QString(601, QLatin1Char('1')));
  EXPECT_EQ(form->VavorIn->Text().size(), 600);

  // Text that a handler sets stays whole, line ends included.
  const QString loaded = QString(601, QLatin1Char('2')) + QStringLiteral("\r\n");
  form->VavorIn->SetText(loaded);
  EXPECT_EQ(form->VavorIn->Text(), loaded);
  Type(form->VavorIn, QStringLiteral("3"));
  QApplication::sendEvent(form->VavorIn, &composed);  // no room: nothing of it
  EXPECT_EQ(form->VavorIn->Text(), loaded);

  // Over its limit a field still takes every key that types nothing: the text
  // can be shortened, walked through and copied. A key file's line end puts
  // the key field over its 600.
  Click(form->BitBtn1);
  form->OTPOut->SetText(QString(600, QLatin1Char('5')) + QStringLiteral("\r\n"));
  form->OTPOut->moveCursor(QTextCursor::End);
  const struct {
    QWidget* field;
    QString left;  // after Backspace, Left, Delete; copied whole
  } overLimit[] = {{form->VavorIn, QString(601, QLatin1Char('2'))},
                   {form->OTPOut, QString(599, QLatin1Char('5'))}};
  for (const auto& [field, left] : overLimit) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Backspace), QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Delete),
          QKeySequence(QKeySequence::SelectAll), QKeySequence(QKeySequence::Copy)})
      QTest::keySequence(field, keys);
    EXPECT_EQ(TextOf(field), left) << field->objectName().toStdString();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), left) << field->objectName().toStdString();
  }
}

TEST_F(WindowTest, OutputFieldsAreReadOnlyForTheUser) {
  Encipher(QStringLiteral("ABC"));
  for (TMemo* memo : {form->OTPOut, form->OTPCryptOut, form->fuenfergruppenOut}) {
    const QString before = memo->Text();
    Type(memo, QStringLiteral("99"));
    EXPECT_EQ(memo->Text(), before) << memo->objectName().toStdString();
  }
  // Once unlocked, the key field takes 600 characters at most, a line end
  // counting as the two of CR LF. Without a limit of its own, as the fields
  // come, it takes what it can hold.
  Click(form->BitBtn1);
  const struct {
    int length;
    Qt::Key key;
    const char* added;
    int limit = 600;
  } edits[] = {
      {600, Qt::Key_1, ""},
      {599, Qt::Key_1, "1"},
      {599, Qt::Key_Return, ""},
      {598, Qt::Key_Return, "\r\n"},
      {600, Qt::Key_1, "1", kNoLengthLimit},
  };
  for (const auto& edit : edits) {
    const QString before(edit.length, QLatin1Char('5'));
    form->OTPOut->SetMaxLength(edit.limit);
    form->OTPOut->SetText(before);
    form->OTPOut->moveCursor(QTextCursor::End);
    QTest::keyClick(form->OTPOut, edit.key);
    // The end of the text, where the key went.
    EXPECT_EQ(form->OTPOut->Text().mid(590), (before + QLatin1String(edit.added)).mid(590))
        << edit.length << " characters, " << QKeySequence(edit.key).toString().toStdString()
        << ", limit " << edit.limit;
  }
}

TEST_F(WindowTest, KeyFieldShowsTenGroupsOnEachOfTenLines) {
  Click(form->bt_OTPkey);
  const QString key = form->OTPOut->Text();
  ASSERT_EQ(key.size(), 600);
  EXPECT_FALSE(key.contains(QLatin1Char('\n')));
  const QStringList lines = form->OTPOut->Lines();
  ASSERT_EQ(lines.size(), 10) << lines.join(QLatin1Char('|')).toStdString();
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(lines[i], key.mid(60 * i, 60)) << "line " << i;
}

struct RefusalRow {
  const char* situation;
  bool decode;
  const char* key;  // text put into the key field; nullptr: none
  const char* input;
  const char* message;
  bool afterAMessage = false;  // a first message deciphered before
};

TEST_F(WindowTest, CipherStepRefusesWithoutTextOrFullKeyAndChangesNothing) {
  const std::string shortKey(599, '1'), fullKey(600, '1');
  const RefusalRow rows[] = {
      {"encode, only skipped characters", false, nullptr, "!?  !", "Text eingeben!"},
      {"decode, only line ends", true, fullKey.c_str(), "\r\n \n", "Text eingeben!"},
      {"decode, no key", true, nullptr, "12345 ",
       "Kein vollständiger Schlüssel (600 Zeichen) vorhanden!"},
      {"decode, short key", true, shortKey.c_str(), "12345 ",
       "Kein vollständiger Schlüssel (600 Zeichen) vorhanden!"},
      {"encode, short key", false, shortKey.c_str(), "ABC",
       "Kein vollständiger Schlüssel (600 Zeichen) vorhanden!"},
      {"decode, short key, after a message", true, shortKey.c_str(), "12345 ",
       "Kein vollständiger Schlüssel (600 Zeichen) vorhanden!", true},
  };
  for (const RefusalRow& row : rows) {
    SCOPED_TRACE(row.situation);
    Restart();
    if (row.afterAMessage) {
      const QString cipher = Encipher(QStringLiteral("HALLO"));
      SwitchToDecode();
      Type(form->VavorIn, cipher);
      Click(form->bt_kodieren);
      Click(form->bt_OTPCrypt);
      ASSERT_EQ(form->VavorDecrypt->Text(), QStringLiteral("HALLO"));
      form->VavorIn->SetText(QString());
    }
    if (row.decode)
      SwitchToDecode();
    if (row.key)
      form->OTPOut->SetText(QString::fromLatin1(row.key));
    form->OTPCryptOut->SetText(QStringLiteral("before"));
    form->VavorIn->SetText(QString::fromUtf8(row.input));  // as loaded from a file
    Click(form->bt_kodieren);
    EXPECT_TRUE(form->VavorDecrypt->Text().isEmpty());
    ASSERT_TRUE(form->bt_OTPCrypt->isEnabled());
    const bool outputButtons = form->bt_VavorDecryptSave->isEnabled();
    Click(form->bt_OTPCrypt);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8(row.message));
    EXPECT_EQ(form->OTPCryptOut->Text(), QStringLiteral("before"));
    EXPECT_EQ(form->OTPOut->Text(), row.key ? QString::fromLatin1(row.key) : QString());
    EXPECT_TRUE(form->VavorDecrypt->Text().isEmpty());
    EXPECT_EQ(form->bt_VavorDecryptSave->isEnabled(), outputButtons);
  }
}

TEST_F(WindowTest, LongCodeIsCutWithAMessage) {
  form->VavorIn->SetText(QString(60, QLatin1Char('1')));  // 60 digits: 180 code digits + 5
  Click(form->bt_kodieren);
  EXPECT_TRUE(dialogs.shown.empty());
  form->VavorIn->SetText(QStringLiteral("1B").repeated(60));  // 540 code digits
  Click(form->bt_kodieren);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Ausgabe auf 500 Gruppen gekürzt!"));
  EXPECT_EQ(form->fuenfergruppenOut->Text().size(), 600);
  EXPECT_TRUE(form->bt_OTPCrypt->isEnabled());
}

TEST_F(WindowTest, ConversionFailureIsReportedAndTheWindowGoesOn) {
  form->OTPOut->SetText(QStringLiteral("00000 ").repeated(100));  // digits come back as typed
  SwitchToDecode();
  Type(form->VavorIn, QStringLiteral("1234567890"));  // no blank between the groups
  Click(form->bt_kodieren);
  Click(form->bt_OTPCrypt);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0],
            (Shown{"Error", "ZAZUZAR", QStringLiteral("' ' ist kein gültiger Integerwert.")}));
  EXPECT_EQ(form->OTPCryptOut->Text(), QStringLiteral("12345 "))
      << "five digits and their blank stay";
  EXPECT_EQ(form->VavorDecrypt->Text(), QStringLiteral("EINRS")) << "and their decoding";
  EXPECT_FALSE(form->bt_VavorDecryptSave->isEnabled());
  EXPECT_TRUE(form->OTPOut->isReadOnly());

  // The window goes on working.
  form->VavorIn->SetText(QStringLiteral("12345 67890"));
  Click(form->bt_kodieren);
  Click(form->bt_OTPCrypt);
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(form->OTPCryptOut->Text().size(), 12);
  EXPECT_TRUE(form->bt_VavorDecryptSave->isEnabled());
}

TEST(ErrorReportText, AddsAFullStopAfterACharacterAboveIt) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {
      {"Ende.", "Ende."},    {"Halt!", "Halt!"}, {"Wo?", "Wo?."}, {"Fehler", "Fehler."},
      {"Code 7", "Code 7."}, {"Ende ", "Ende "}, {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorReportText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown));
  }
}

TEST_F(WindowTest, ConversionFailureOnANulByteNamesIt) {
  // A key file of binary bytes: the report names the NUL in full.
  Type(form->VavorIn, QStringLiteral("A"));
  Click(form->bt_kodieren);
  Click(form->bt_OTPkey);
  QString key = QStringLiteral("12345 ").repeated(100);
  key[0] = QChar(0);
  form->OTPOut->SetText(key);
  Click(form->bt_OTPCrypt);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text,
            QStringLiteral("'") + QChar(0) + QStringLiteral("' ist kein gültiger Integerwert."));
}

TEST_F(WindowTest, CipherTextWithLineEndDeciphersCompletely) {
  const QString cipher = Encipher(QStringLiteral("ABC"));
  SwitchToDecode();
  form->VavorIn->SetText(cipher.trimmed() + QStringLiteral("\r\n"));
  Click(form->bt_kodieren);
  Click(form->bt_OTPCrypt);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(form->VavorDecrypt->Text(), QStringLiteral("ABC"));
  EXPECT_TRUE(form->bt_VavorDecryptSave->isEnabled());
}

}  // namespace
}  // namespace zazuzar::testing
