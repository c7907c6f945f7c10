// Printing and the clipboard.
#include "ui/Unit1.h"

namespace zazuzar {

void TForm1::bt_OTPPrintClick(QObject*) {}
void TForm1::bt_VavorDecryptPrintClick(QObject*) {}
void TForm1::Einfuegen1Click(QObject*) { VavorIn->PasteFromClipboard(); }
void TForm1::Kopieren1Click(QObject*) {}

}  // namespace zazuzar
