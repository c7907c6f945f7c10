// Starts Zazuzar: the application, its title, the main window, the message loop.
#include <QApplication>

#include "ui/Dialogs.h"
#include "ui/GermanQt.h"
#include "ui/Hardening.h"
#include "ui/Unit1.h"

int main(int argc, char* argv[]) {
  zazuzar::HardenProcess();  // before any key or message exists
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZAZUZAR"));
  zazuzar::UseGermanQtTexts(application);
  zazuzar::QtDialogs dialogs;
  zazuzar::TForm1 Form1(dialogs);
  Form1.show();
  return application.exec();
}
