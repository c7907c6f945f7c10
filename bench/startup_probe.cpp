// Starts as the program's main does, less the process hardening and the
// command line, and ends as soon as the window has been painted for the first
// time; built twice, once with the real window and once with a bare window
// holding one label, for profiling and for the peak memory of both start-ups
// (bench/startup.sh).
#include <QApplication>
#include <QLabel>

#ifdef ZAZUZAR_PROBE_REAL_WINDOW
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Unit1.h"
#endif

namespace {

class QuitOnFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      QCoreApplication::quit();
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QuitOnFirstPaint quit;
#ifdef ZAZUZAR_PROBE_REAL_WINDOW
  zazuzar::SetUpApplication(application);
  zazuzar::QtDialogs dialogs;
  zazuzar::TForm1 window(dialogs);
#else
  QLabel window(QStringLiteral("Zazuzar"));
#endif
  window.installEventFilter(&quit);
  window.show();
  return application.exec();
}
