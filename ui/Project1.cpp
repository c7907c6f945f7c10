// Starts Zazuzar: the application, its title, the main window, the message loop.
#include <QApplication>

#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Unit1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  zazuzar::SetUpApplication(application);
  zazuzar::QtDialogs dialogs;
  zazuzar::TForm1 Form1(dialogs);
  Form1.show();
  return application.exec();
}
