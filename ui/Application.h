// The application as the program sets it up, before its window is made: the
// program itself, its command line, its start-up benchmark and the screenshot
// tool all start through here, so they all start alike.
#pragma once

class QCoreApplication;

namespace zazuzar {

// Gives `application` the title "ZAZUZAR" (the caption of the error report),
// the program's version, and Qt's German texts for its own dialogs, where
// they are installed. An application with windows gets the name of its
// desktop entry as well, the AppStream id org.zazuzar.zazuzar, by which a
// Wayland compositor finds the entry and the icon for the window.
void SetUpApplication(QCoreApplication& application);

}  // namespace zazuzar
