// The application as the program sets it up, before its window is made: the
// program itself, its command line, its start-up benchmark and the screenshot
// tool all start through here, so they all start alike.
#pragma once

class QCoreApplication;

namespace zazuzar {

// Gives `application` the title "ZAZUZAR" (the caption of the error report),
// the program's version, and Qt's German texts for its own dialogs, where
// they are installed. An application with windows gets the name of its
// desktop entry as well, the AppStream id that CMakeLists.txt sets
// (ZAZUZAR_APP_ID), by which a Wayland compositor finds the entry and the
// icon for the window.
// It also adds the fonts built into the program (LoadBuiltInFonts), and keeps
// Qt's own settings in memory for the whole process: nothing of them is read
// from or written to the disk.
void SetUpApplication(QCoreApplication& application);

// Makes the fonts built into the program (the Windows build carries the
// window's Liberation Sans, which Windows does not have) known to Qt; needs an
// application with windows. Where none are built in, does nothing.
void LoadBuiltInFonts();

}  // namespace zazuzar
