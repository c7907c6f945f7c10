// Writes pictures of the main window, rendered with the real fonts and
// pictures: in its opening state, after a full enciphering, and after
// deciphering that message again in decode mode.
//
//   QT_QPA_PLATFORM=offscreen screenshot <folder>
#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Unit1.h"

namespace {

bool Save(QWidget& window, const QDir& folder, const QString& name) {
  QApplication::processEvents();
  const QString path = folder.filePath(name);
  if (!window.grab().save(path)) {
    QTextStream(stderr) << "cannot write " << path << "\n";
    return false;
  }
  QTextStream(stdout) << path << "\n";
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  zazuzar::SetUpApplication(application);
  if (argc != 2) {
    QTextStream(stderr) << "usage: screenshot <folder>\n";
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    QTextStream(stderr) << "cannot make " << folder.path() << "\n";
    return 1;
  }

  zazuzar::QtDialogs dialogs;
  zazuzar::TForm1 form(dialogs);
  form.show();
  bool ok = Save(form, folder, QStringLiteral("window-opening.png"));

  form.VavorIn->SetText(QStringLiteral("TREFF 18 UHR AM BAHNHOF (GLEIS 9): KENNWORT ÄÖÜß"));
  form.bt_kodieren->click();
  form.bt_OTPkey->click();
  form.bt_OTPCrypt->click();
  ok = Save(form, folder, QStringLiteral("window-enciphered.png")) && ok;

  const QString cipher = form.OTPCryptOut->Text();
  form.rb_VavorDecod->click();
  form.VavorIn->SetText(cipher);
  form.bt_kodieren->click();
  form.bt_OTPCrypt->click();
  ok = Save(form, folder, QStringLiteral("window-deciphered.png")) && ok;
  return ok ? 0 : 1;
}
