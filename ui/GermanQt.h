// Qt's own dialogs (open, save, print) and standard buttons speak German, as
// the rest of the window does, whatever the desktop's language.
#pragma once

class QCoreApplication;

namespace zazuzar {

// Installs Qt's German translations on `application` where they are
// installed; returns whether they were found. Without them Qt's dialogs stay
// English and everything else works as before.
bool UseGermanQtTexts(QCoreApplication& application);

}  // namespace zazuzar
