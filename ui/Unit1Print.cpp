// Printing and the clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <memory>

#include "ui/PrinterText.h"
#include "ui/Unit1.h"

namespace zazuzar {
namespace {

// A printout holds this many lines of a field, whatever the field holds.
constexpr int kPrintedLines = 10;

// One print job on the printer the user chooses: lines 0 to 9 of `source`,
// in the font of `fontField` and in black. A cancelled dialog prints nothing.
// A printer that cannot make the copies asked for itself (Qt's PDF printer)
// gets the lines once per copy, each copy on a page of its own.
void PrintTenLines(Dialogs& dialogs, QWidget* parent, const TMemo& fontField, const TMemo& source) {
  const std::unique_ptr<QPagedPaintDevice> device = dialogs.ChoosePrinter(parent);
  if (!device) {
    return;
  }
  const auto* chosen = dynamic_cast<const QPrinter*>(device.get());
  const int copies = chosen && !chosen->supportsMultipleCopies() ? chosen->copyCount() : 1;
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
}

}  // namespace

void TForm1::bt_OTPPrintClick(QObject*) {
  PrintTenLines(dialogs_, this, *OTPOut, *OTPOut);
}

void TForm1::bt_VavorDecryptPrintClick(QObject*) {
  // The mode names the field, not which of the two the output area shows.
  PrintTenLines(dialogs_, this, *OTPCryptOut, EncodeMode() ? *OTPCryptOut : *VavorDecrypt);
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
