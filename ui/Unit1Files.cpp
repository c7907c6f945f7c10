// Loading and saving texts, cipher texts and keys.
#include "ui/Unit1.h"

namespace zazuzar {

void TForm1::bt_OTPLoadClick(QObject*) {}
void TForm1::bt_OTPSaveClick(QObject*) {}
void TForm1::bt_VavorInLoadClick(QObject*) {}
void TForm1::bt_VavorDecryptSaveClick(QObject*) {}
QString TForm1::DateFileName(const QString& extension) { return extension; }

}  // namespace zazuzar
