// The code step, key generation, key editing and the cipher step.
#include <algorithm>

#include "core/CodeBookDecoder.h"
#include "core/CodeTable.h"
#include "core/OneTimePad.h"
#include "ui/Unit1.h"
#include "ui/Win1252.h"

namespace zazuzar {
namespace {

const QString kEnterText = QStringLiteral("Text eingeben!");

bool IsBlankGroupText(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar ch) {
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n');
  });
}

}  // namespace

void TForm1::Vavor(QObject*) {
  VavorDecrypt->Clear();
  if (!decodeDisplay_ && rb_VavorDecod->isChecked()) {
    decodeDisplay_ = true;
    VavorDecrypt->show();
    OTPCryptOut->hide();
  } else if (decodeDisplay_ && rb_VavorCode->isChecked()) {
    decodeDisplay_ = false;
    VavorDecrypt->hide();
    OTPCryptOut->show();
  }

  const QString input = VavorIn->Text();
  if (input.isEmpty()) {
    bt_OTPCrypt->setEnabled(false);
    bt_VavorDecryptSave->setEnabled(false);
    bt_VavorDecryptPrint->setEnabled(false);
    dialogs_.Information(this, kEnterText);
    return;
  }
  if (EncodeMode()) {
    const auto [groups, truncated] =
        FormatGroups(EncodeText(ToWin1252Lossy(input)), kGroupDigitLimit);
    fuenfergruppenOut->SetText(FromWin1252(groups));
    if (truncated) {
      dialogs_.Information(this, QStringLiteral("Ausgabe auf 500 Gruppen gekürzt!"));
    }
  } else {
    // The cipher text is taken as typed, without regrouping.
    fuenfergruppenOut->SetText(input);
  }
  bt_OTPCrypt->setEnabled(true);
}

void TForm1::OTPErzeugeClick(QObject*) {
  OTPOut->Clear();
  OTPOut->SetText(FromWin1252(GenerateKey()));
  bt_OTPSave->setEnabled(true);
  bt_OTPPrint->setEnabled(true);
}

void TForm1::BitBtn1Click(QObject*) {
  OTPOut->SetReadOnly(false);
  bt_OTPSave->setEnabled(true);
  bt_OTPPrint->setEnabled(true);
}

void TForm1::bt_OTPCryptClick(QObject* Sender) {
  const bool encode = EncodeMode();
  const QString groupText = fuenfergruppenOut->Text();
  if (IsBlankGroupText(groupText)) {
    dialogs_.Information(this, kEnterText);
    return;
  }
  // Only an empty key field in encode mode gets a fresh key on the way: a
  // short key is one the receiver may have, and a new one would garble it.
  const qsizetype keyLength = OTPOut->Text().size();
  if (keyLength < qsizetype(kKeyLength) && (!encode || keyLength > 0)) {
    dialogs_.Information(this,
                         QStringLiteral("Kein vollständiger Schlüssel (600 Zeichen) vorhanden!"));
    return;
  }

  OTPOut->SetReadOnly(true);
  bt_OTPSave->setEnabled(false);
  bt_OTPPrint->setEnabled(false);
  OTPCryptOut->Clear();
  if (keyLength < qsizetype(kKeyLength)) {
    OTPErzeugeClick(Sender);
  }

  const auto show = [this, encode](const Combined& result) {
    OTPCryptOut->SetText(FromWin1252(result.groupText));
    if (!encode && !result.digits.empty()) {
      VavorDecrypt->SetText(FromWin1252(DecodeDigits(result.digits)));
    }
  };
  Combined result;
  try {
    result = Combine(ToWin1252Lossy(groupText), ToWin1252Lossy(OTPOut->Text()),
                     encode ? Direction::Encipher : Direction::Decipher);
  } catch (const ConversionError& error) {
    show(error.produced());  // the digits before the failure stay in the fields
    throw;
  }
  show(result);
  bt_VavorDecryptSave->setEnabled(true);
  bt_VavorDecryptPrint->setEnabled(true);
}

}  // namespace zazuzar
