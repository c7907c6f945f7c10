// The application as the program sets it up, before its window is made: the
// program itself, its command line, its start-up benchmark and the screenshot
// tool all start through here, so they all start alike.
#pragma once

class QCoreApplication;

namespace zazuzar {

// Gives `application` the title "ZAZUZAR" (the caption of the error report),
// the program's version, and Qt's German texts for its own dialogs, where
// they are installed.
void SetUpApplication(QCoreApplication& application);

}  // namespace zazuzar
