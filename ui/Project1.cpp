// Starts Zazuzar: the application, its title, the main window, the message
// loop; or answers the command line (--version, --help) without a window.
#include <QApplication>

#include "os/Hardening.h"
#include "ui/Application.h"
#include "ui/CommandLine.h"
#include "ui/Dialogs.h"
#include "ui/Unit1.h"

int main(int argc, char* argv[]) {
  zazuzar::os::HardenProcess();  // before any key or message exists
  if (const auto status = zazuzar::AnswerCommandLine(argc, argv)) {
    return *status;
  }
  QApplication application(argc, argv);
  zazuzar::SetUpApplication(application);
  zazuzar::QtDialogs dialogs;
  zazuzar::TForm1 Form1(dialogs);
  Form1.show();
  return application.exec();
}
