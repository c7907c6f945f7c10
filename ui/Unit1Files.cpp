// Loading and saving texts, cipher texts and keys.
#include "core/OneTimePad.h"
#include "ui/TextFiles.h"
#include "ui/Unit1.h"
#include "ui/Win1252.h"

namespace zazuzar {
namespace {

// "Schlüseldateien" with one s when loading, "Schlüsseldateien" when saving:
// both are the program's own wording and stay so.
const QString kKeyLoadFilter = QStringLiteral("Schlüseldateien (*.OTP)|*.OTP");
const QString kKeySaveFilter = QStringLiteral("Schlüsseldateien (*.OTP)|*.OTP");
const QString kTextLoadFilter = QStringLiteral("Textdateien (*.txt)|*.txt");
const QString kCryptLoadFilter = QStringLiteral("Crypt Dateien (*.crp)|*.crp");
const QString kCryptSaveFilter = QStringLiteral("Crypt-Datei (*.crp)|*.crp");
const QString kTextSaveFilter = QStringLiteral("Textdatei (*.txt)|*.txt");

// Line ends count: a text of 98 characters with CR LF fills the 100.
constexpr qint64 kTextLoadLimit = kPlainTextLimit;
// Three more than the 600 a user may type, room for a line end after a full key's worth.
constexpr qint64 kCryptLoadLimit = kCipherFileLimit;
// A key is 600 characters; anything far beyond is not a key file.
constexpr qint64 kKeyLoadLimit = 64 * 1024;

// Loads the chosen file into `field`. A file that cannot be read leaves the
// field as it was; one longer than `limit` leaves its beginning there.
template <typename Field>
void LoadInto(Dialogs& dialogs, QWidget* parent, Field* field, const QString& filter,
              qint64 limit) {
  const std::optional<QString> path = dialogs.OpenFileName(parent, filter);
  if (!path) {
    return;
  }
  const QString name = FileNameOf(*path);
  const LoadedText loaded = LoadText(*path, limit);
  if (loaded.error) {
    dialogs.Information(parent,
                        name + QStringLiteral(" konnte nicht gelesen werden!\n") + *loaded.error);
    return;
  }
  field->SetText(FromWin1252(loaded.bytes));
  if (loaded.tooLarge) {
    dialogs.Information(parent, name + QStringLiteral(" zu groß!"));
  }
}

QString UnrepresentableMessage(const UnrepresentableCharacter& error, const QString& name) {
  const QList<uint> codePoints = error.character().toUcs4();
  const QString code =
      QString::number(codePoints.value(0), 16).toUpper().rightJustified(4, QLatin1Char('0'));
  return QStringLiteral("Das Zeichen „%1“ (U+%2) kann nicht in der Datei gespeichert werden. ")
             .arg(error.character(), code) +
         NotSaved(name);
}

// Saves `text` at `path`, asking before an existing file is replaced; tells
// `saved` or `declined` afterwards, and what became of the file and why when
// the system refused.
void SaveAs(Dialogs& dialogs, QWidget* parent, const QString& path, const QString& text,
            NewFileAccess access, const QString& saved, const QString& declined) {
  const QString name = FileNameOf(path);
  std::string bytes;
  try {
    bytes = ToWin1252(text);
  } catch (const UnrepresentableCharacter& error) {
    dialogs.Information(parent, UnrepresentableMessage(error, name));
    return;
  }
  if (FileExists(path) &&
      !dialogs.Question(parent, QStringLiteral("Wollen Sie ") + name +
                                    QStringLiteral(" wirklich überschreiben?"))) {
    dialogs.Information(parent, declined);
    return;
  }
  if (const std::optional<SaveFailure> failure = SaveWhole(path, bytes, access)) {
    dialogs.Information(parent, SaveFailureText(path, *failure));
    return;
  }
  dialogs.Information(parent, saved);
}

QString TwoDigits(int number) {
  return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

}  // namespace

void TForm1::bt_OTPLoadClick(QObject*) {
  LoadInto(dialogs_, this, OTPOut, kKeyLoadFilter, kKeyLoadLimit);
}

void TForm1::bt_VavorInLoadClick(QObject*) {
  const bool encode = EncodeMode();
  LoadInto(dialogs_, this, VavorIn, encode ? kTextLoadFilter : kCryptLoadFilter,
           encode ? kTextLoadLimit : kCryptLoadLimit);
}

void TForm1::bt_OTPSaveClick(QObject*) {
  const std::optional<QString> path =
      dialogs_.SaveFileName(this, DateFileName(QStringLiteral(".OTP")), kKeySaveFilter);
  if (!path) {
    return;
  }
  // Every key file ends with a line end, new or overwritten: the same key
  // always makes the same file.
  SaveAs(dialogs_, this, *path, OTPOut->Text() + QStringLiteral("\r\n"), NewFileAccess::OwnerOnly,
         QStringLiteral("OTP wurde gespeichert!"), QStringLiteral("OTP wurde nicht gespeichert!"));
}

void TForm1::bt_VavorDecryptSaveClick(QObject*) {
  const bool encode = EncodeMode();
  const std::optional<QString> path = dialogs_.SaveFileName(
      this, DateFileName(encode ? QStringLiteral(".crp") : QStringLiteral(".txt")),
      encode ? kCryptSaveFilter : kTextSaveFilter);
  if (!path) {
    return;
  }
  // The mode names the field, not what the output area happens to show.
  const QString& text = encode ? OTPCryptOut->Text() : VavorDecrypt->Text();
  const QString name = FileNameOf(*path);
  // A key and a deciphered text are for their owner's eyes only; a cipher
  // text is meant to travel.
  SaveAs(dialogs_, this, *path, text, encode ? NewFileAccess::Umask : NewFileAccess::OwnerOnly,
         name + QStringLiteral(" wurde gespeichert!"), NotSaved(name));
}

QString TForm1::DateFileName(const QString& extension) {
  const QDate today = dialogs_.Today();
  return QStringLiteral("%1%2%3%4")
      .arg(TwoDigits(today.day()), TwoDigits(today.month()), QString::number(today.year()),
           extension);
}

}  // namespace zazuzar
