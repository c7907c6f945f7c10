// Printing and the clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <memory>

#include "ui/PdfPrintout.h"
#include "ui/PrinterText.h"
#include "ui/TextFiles.h"
#include "ui/Unit1.h"

namespace zazuzar {
namespace {

// A printout holds this many lines of a field, whatever the field holds.
constexpr int kPrintedLines = 10;

// How many copies the job draws itself: those that the printer cannot make
// (a file, Qt's PDF printer), each on a page of its own; one for the rest.
int CopiesToDraw(const QPagedPaintDevice& device) {
  if (const auto* printout = dynamic_cast<const PdfPrintout*>(&device)) {
    return printout->Copies();
  }
  const auto* printer = dynamic_cast<const QPrinter*>(&device);
  return printer && !printer->supportsMultipleCopies() ? printer->copyCount() : 1;
}

// One print job on the printer the user chooses, a file being offered
// `name`: lines 0 to 9 of `source`, in the font of `fontField` and in black.
// A cancelled dialog prints nothing. A printout to a file is saved once it is
// whole, and only a failed save says so.
void PrintTenLines(Dialogs& dialogs, QWidget* parent, const QString& name, const TMemo& fontField,
                   const TMemo& source) {
  const std::unique_ptr<QPagedPaintDevice> device = dialogs.ChoosePrinter(parent, name);
  if (!device) {
    return;
  }
  const int copies = CopiesToDraw(*device);
  const QStringList lines = source.Lines();
  PrinterText printer(*device);
  printer.BeginDoc();
  printer.SetFont(fontField.font());
  for (int copy = 0; copy < copies; ++copy) {
    if (copy > 0) {
      printer.NewPage();
    }
    for (int i = 0; i < kPrintedLines; ++i) {
      printer.WriteLine(lines.value(i));  // empty past the last row
    }
  }
  printer.EndDoc();
  if (const auto* printout = dynamic_cast<const PdfPrintout*>(device.get())) {
    if (const std::optional<SaveFailure> failure = printout->Save()) {
      dialogs.Information(parent, SaveFailureText(printout->Path(), *failure));
    }
  }
}

}  // namespace

// A printout to a file is named as a save names its file: today's date, then
// what it holds.
void TForm1::bt_OTPPrintClick(QObject*) {
  PrintTenLines(dialogs_, this, DateFileName(QStringLiteral("-OTP.pdf")), *OTPOut, *OTPOut);
}

void TForm1::bt_VavorDecryptPrintClick(QObject*) {
  // The mode names the field, not which of the two the output area shows.
  const bool encode = EncodeMode();
  PrintTenLines(
      dialogs_, this,
      DateFileName(encode ? QStringLiteral("-Chiffriertext.pdf") : QStringLiteral("-Klartext.pdf")),
      *OTPCryptOut, encode ? *OTPCryptOut : *VavorDecrypt);
}

void TForm1::Einfuegen1Click(QObject*) {
  VavorIn->PasteFromClipboard();
}

void TForm1::Kopieren1Click(QObject*) {
  const QWidget* component = PMenue_K->PopupComponent();
  if (component == VavorDecrypt) {
    VavorDecrypt->selectAll();
    VavorDecrypt->copy();
  } else if (component == OTPCryptOut) {
    QGuiApplication::clipboard()->setText(TMemo::ClipboardText(OTPCryptOut->Text()));
  }
}

}  // namespace zazuzar
