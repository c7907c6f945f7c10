// Writes pictures of the main window, rendered with the real fonts and
// pictures: in its opening state, and at each step of one exchange as the
// user's guides walk through it. The sender makes a key, codes and enciphers
// a message and saves key and cipher text; the receiver, in a window of its
// own, loads both files and deciphers. Last, the receiver reads a message
// that was coded and enciphered by hand with code-book groups.
//
//   QT_QPA_PLATFORM=offscreen screenshot <folder>
#include <QApplication>
#include <QDir>
#include <QQueue>
#include <QTemporaryDir>
#include <QTextStream>

#include "core/CodeTable.h"
#include "core/OneTimePad.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/TextFiles.h"
#include "ui/Unit1.h"

namespace {

// The message of the exchange: letters, figures, brackets and umlauts.
const QString kMessage = QStringLiteral("TREFF 18 UHR AM BAHNHOF (GLEIS 9): KENNWORT ÄÖÜß");

// Answers the file dialogs with the paths queued for them and says yes to
// every question, so that the scenes run through the real load and save
// buttons without a dialog on the screen. Any other message box is reported:
// a scene that shows one has gone wrong.
class ScriptedDialogs : public zazuzar::Dialogs {
 public:
  QQueue<QString> paths;
  bool failed = false;

  void Information(QWidget*, const QString& text) override {
    // Only the save buttons' confirmations are expected.
    if (!text.endsWith(QStringLiteral("wurde gespeichert!"))) {
      Fail(text);
    }
  }
  bool Question(QWidget*, const QString&) override { return true; }
  void ErrorReport(QWidget*, const QString&, const QString& text) override { Fail(text); }
  std::optional<QString> OpenFileName(QWidget*, const QString&) override { return NextPath(); }
  std::optional<QString> SaveFileName(QWidget*, const QString&, const QString&) override {
    return NextPath();
  }
  std::unique_ptr<QPagedPaintDevice> ChoosePrinter(QWidget*, const QString&) override {
    return nullptr;
  }
  QDate Today() override { return QDate::currentDate(); }

 private:
  std::optional<QString> NextPath() {
    if (paths.isEmpty()) {
      Fail(QStringLiteral("no file queued for a dialog"));
      return std::nullopt;
    }
    return paths.dequeue();
  }
  void Fail(const QString& text) {
    QTextStream(stderr) << "unexpected message: " << text << "\n";
    failed = true;
  }
};

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

// The exchange, step by step, each step's picture named after it.
bool Exchange(const QDir& folder) {
  QTemporaryDir files;
  if (!files.isValid()) {
    QTextStream(stderr) << "cannot make a folder for the exchanged files\n";
    return false;
  }
  const QString keyFile = files.filePath(QStringLiteral("key.OTP"));
  const QString cipherFile = files.filePath(QStringLiteral("message.crp"));

  ScriptedDialogs senderDialogs;
  zazuzar::TForm1 sender(senderDialogs);
  sender.show();
  sender.bt_OTPkey->click();
  bool ok = Save(sender, folder, QStringLiteral("window-key.png"));
  senderDialogs.paths.enqueue(keyFile);
  sender.bt_OTPSave->click();

  sender.VavorIn->SetText(kMessage);
  sender.bt_kodieren->click();
  ok = Save(sender, folder, QStringLiteral("window-coded.png")) && ok;
  sender.bt_OTPCrypt->click();
  ok = Save(sender, folder, QStringLiteral("window-enciphered.png")) && ok;
  senderDialogs.paths.enqueue(cipherFile);
  sender.bt_VavorDecryptSave->click();
  sender.hide();

  ScriptedDialogs receiverDialogs;
  zazuzar::TForm1 receiver(receiverDialogs);
  receiver.show();
  receiver.rb_VavorDecod->click();
  receiverDialogs.paths.enqueue(cipherFile);
  receiver.bt_VavorInLoad->click();
  receiverDialogs.paths.enqueue(keyFile);
  receiver.bt_OTPLoad->click();
  receiver.bt_kodieren->click();
  ok = Save(receiver, folder, QStringLiteral("window-loaded.png")) && ok;
  receiver.bt_OTPCrypt->click();
  ok = Save(receiver, folder, QStringLiteral("window-deciphered.png")) && ok;

  // A message coded by hand: "Treff" (6, 78 and one more digit that the
  // reader passes over), MORGEN 18 UHR from the code table, "Bahnhof" (614).
  // The sender adds a key of its own digit by digit, as on paper.
  const std::string code = "6780" + zazuzar::EncodeText("MORGEN 18 UHR") + "6140";
  const std::string key = zazuzar::GenerateKey();
  const std::string cipher =
      zazuzar::Combine(zazuzar::FormatGroups(code, zazuzar::kGroupDigitLimit).text, key,
                       zazuzar::Direction::Encipher)
          .groupText;
  const QString handCipherFile = files.filePath(QStringLiteral("hand.crp"));
  const QString handKeyFile = files.filePath(QStringLiteral("hand.OTP"));
  using zazuzar::NewFileAccess;
  if (zazuzar::SaveWhole(handCipherFile, cipher, NewFileAccess::Umask) ||
      zazuzar::SaveWhole(handKeyFile, key + "\r\n", NewFileAccess::OwnerOnly)) {
    QTextStream(stderr) << "cannot write the hand-made message\n";
    return false;
  }
  receiverDialogs.paths.enqueue(handCipherFile);
  receiver.bt_VavorInLoad->click();
  receiverDialogs.paths.enqueue(handKeyFile);
  receiver.bt_OTPLoad->click();
  receiver.bt_kodieren->click();
  receiver.bt_OTPCrypt->click();
  ok = Save(receiver, folder, QStringLiteral("window-codebook.png")) && ok;
  return ok && !senderDialogs.failed && !receiverDialogs.failed;
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

  ok = Exchange(folder) && ok;
  return ok ? 0 : 1;
}
