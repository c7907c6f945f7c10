// Texts, cipher texts and keys moved between the window and real files in a
// temporary folder, through the window's buttons and preset dialog answers.
#ifdef _WIN32
#include <windows.h>

#include <aclapi.h>
#else
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <functional>
#include <string>

#include "tests/ui/WindowFixture.h"
#include "ui/Win1252.h"

#ifndef _WIN32
// The folders that the process synced, with the names each held at that
// moment: every fsync of the test program passes here first. A folder's sync
// fails with folderSyncError where that is set.
struct SyncedFolder {
  std::string path;
  QStringList names;
};
static std::vector<SyncedFolder> syncedFolders;
static int folderSyncError = 0;

extern "C" int fsync(int fd) {
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), error);
  if (!error && std::filesystem::is_directory(path, error)) {
    syncedFolders.push_back(
        {path.string(),
         QDir(QString::fromStdString(path.string())).entryList(QDir::Files | QDir::Hidden)});
    if (folderSyncError != 0) {
      errno = folderSyncError;
      return -1;
    }
  }
  return static_cast<int>(syscall(SYS_fsync, fd));
}

// Every rename of the test program fails with renameError where that is set:
// the step of a save that replaces an old file. (A new file is linked into its
// folder instead, where the file system lets Qt make it unnamed.)
static int renameError = 0;

extern "C" int rename(const char* from, const char* to) noexcept {
  if (renameError != 0) {
    errno = renameError;
    return -1;
  }
  return renameat(AT_FDCWD, from, AT_FDCWD, to);
}
#endif

namespace zazuzar::testing {
namespace {

using Button = TBitBtn* TForm1::*;
constexpr Button kKeyLoad = &TForm1::bt_OTPLoad;
constexpr Button kKeySave = &TForm1::bt_OTPSave;
constexpr Button kInputLoad = &TForm1::bt_VavorInLoad;
constexpr Button kOutputSave = &TForm1::bt_VavorDecryptSave;

std::string Utf8(const QString& text) {
  return text.toStdString();
}
std::string Bytes(const QString& text) {
  return ToWin1252(text);
}

#ifdef _WIN32
int CurrentUmask() {
  return 0;  // Windows gives new files their folder's rights
}
#else
mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}
#endif

class FilesTest : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    WindowTest::SetUp();
  }
  // A save, failed or not, leaves the process's umask as it found it.
  void TearDown() override { EXPECT_EQ(CurrentUmask(), umaskAtStart); }

  QString PathOf(const QString& name) const { return folder.filePath(name); }
  QString Put(const QString& name, const QByteArray& bytes) const {
    QFile file(PathOf(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
  }
  static std::string Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
  }
  void Load(Button button, const QString& path) {
    dialogs.openAnswers.push_back(path);
    Click(form.get()->*button);
  }
  void Save(Button button, const QString& path) {
    dialogs.saveAnswers.push_back(path);
    ASSERT_TRUE((form.get()->*button)->isEnabled());
    Click(form.get()->*button);
  }
  // The boxes shown, one a line.
  std::string Messages() const {
    QStringList lines;
    for (const Shown& shown : dialogs.shown)
      lines << shown.kind + ": " + shown.text;
    return Utf8(lines.join('\n'));
  }
  // Enabled states, captions, mode, the key field's read-only state and the
  // output field shown.
  std::string State() const {
    QStringList parts;
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             form->bt_OTPkey, form->bt_OTPCrypt, form->bt_OTPSave, form->bt_OTPLoad,
             form->bt_OTPPrint, form->bt_kodieren, form->BitBtn1, form->bt_VavorDecryptPrint,
             form->bt_VavorDecryptSave, form->bt_VavorInLoad})
      parts << b->text() + (b->isEnabled() ? "+" : "-");
    parts << form->Label19->text() << (form->EncodeMode() ? "encode" : "decode")
          << (form->OTPOut->isReadOnly() ? "ro" : "rw")
          << (form->OTPCryptOut->isVisible() ? "crypt" : "decrypt");
    return Utf8(parts.join('|'));
  }
  // Deciphers `cipher` in decode mode with a fresh key.
  void Decipher(const QString& cipher) {
    Click(form->bt_OTPkey);
    Type(form->VavorIn, cipher);
    Click(form->bt_kodieren);
    Click(form->bt_OTPCrypt);
  }

  QTemporaryDir folder;
  const decltype(CurrentUmask()) umaskAtStart = CurrentUmask();
};

struct DialogRow {
  bool decode;
  QDate today;
  Button button;
  const char* filter;
  const char* proposedName;  // nullptr: an open dialog
};

TEST_F(FilesTest, DialogsOfferFilterAndDateNameByModeAndCancelChangesNothing) {
  const DialogRow rows[] = {
      {false, {2026, 3, 5}, kKeyLoad, "Schlüseldateien (*.OTP)|*.OTP", nullptr},
      {true, {2026, 3, 5}, kKeyLoad, "Schlüseldateien (*.OTP)|*.OTP", nullptr},
      {false, {2026, 3, 5}, kInputLoad, "Textdateien (*.txt)|*.txt", nullptr},
      {true, {2026, 3, 5}, kInputLoad, "Crypt Dateien (*.crp)|*.crp", nullptr},
      {false, {2026, 3, 5}, kKeySave, "Schlüsseldateien (*.OTP)|*.OTP", "05032026.OTP"},
      {true, {2026, 12, 31}, kKeySave, "Schlüsseldateien (*.OTP)|*.OTP", "31122026.OTP"},
      {false, {2026, 3, 5}, kOutputSave, "Crypt-Datei (*.crp)|*.crp", "05032026.crp"},
      {false, {2025, 11, 14}, kOutputSave, "Crypt-Datei (*.crp)|*.crp", "14112025.crp"},
      {true, {1999, 12, 31}, kOutputSave, "Textdatei (*.txt)|*.txt", "31121999.txt"},
  };
  for (const DialogRow& row : rows) {
    SCOPED_TRACE(std::string(row.filter) + (row.decode ? ", decode" : ", encode"));
    Restart();
    dialogs.today = row.today;
    if (row.decode)
      SwitchToDecode();
    if (row.button == kKeySave)
      Click(form->bt_OTPkey);
    if (row.button == kOutputSave)
      row.decode ? Decipher(QStringLiteral("12345 ")) : void(Encipher(QStringLiteral("ABC")));
    form->VavorIn->SetText(QStringLiteral("VORHER"));
    const std::string state = State();
    const QString key = form->OTPOut->Text();
    dialogs.shown.clear();

    Click(form.get()->*row.button);  // no answer preset: cancelled
    const auto& filters = row.proposedName ? dialogs.saveFilters : dialogs.openFilters;
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_EQ(Utf8(filters[0]), row.filter);
    EXPECT_EQ(Utf8(dialogs.proposedNames.empty() ? QString() : dialogs.proposedNames[0]),
              row.proposedName ? row.proposedName : "");
    EXPECT_EQ(Messages(), "");
    EXPECT_EQ(State(), state);
    EXPECT_EQ(form->VavorIn->Text(), QStringLiteral("VORHER"));
    EXPECT_EQ(form->OTPOut->Text(), key);
  }
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
  dialogs.today = QDate(999, 1, 2);
  EXPECT_EQ(form->DateFileName(QStringLiteral(".OTP")), QStringLiteral("0201999.OTP"));
}

struct LoadRow {
  const char* what;
  Button button;
  bool decode;
  QByteArray file;
  QByteArray expected;  // UTF-8
  bool tooLarge;
};

TEST_F(FilesTest, LoadTakesTheTextUpToItsLimitOrCtrlZ) {
  const QByteArray crlf("\r\n"), ctrlZ(1, '\x1A');
  const QByteArray digits = QByteArray("12345 ").repeated(11000);
  Click(form->bt_OTPkey);
  const QByteArray key = QByteArray::fromStdString(Bytes(form->OTPOut->Text()));
  const LoadRow rows[] = {
      {"100", kInputLoad, false, digits.left(100), digits.left(100), false},
      {"100 and CR LF", kInputLoad, false, digits.left(100) + crlf, digits.left(100), true},
      {"101", kInputLoad, false, digits.left(101), digits.left(100), true},
      {"98 and CR LF", kInputLoad, false, digits.left(98) + crlf, digits.left(98) + crlf, false},
      {"Ctrl-Z after 100", kInputLoad, false, digits.left(100) + ctrlZ + digits, digits.left(100),
       false},
      {"Ctrl-Z after 150", kInputLoad, false, digits.left(150) + ctrlZ, digits.left(100), true},
      {"lower case", kInputLoad, false, "gru\xDF\r\nab", "GRUß\r\nAB", false},
      {"603", kInputLoad, true, digits.left(603), digits.left(603), false},
      {"604", kInputLoad, true, digits.left(604), digits.left(603), true},
      {"601 and CR LF", kInputLoad, true, digits.left(601) + crlf, digits.left(601) + crlf, false},
      {"602 and CR LF", kInputLoad, true, digits.left(602) + crlf, digits.left(602) + "\r", true},
      {"Ctrl-Z at the start", kInputLoad, true, ctrlZ + digits, "", false},
      {"Ctrl-Z inside", kInputLoad, true, digits.left(6) + ctrlZ + digits, digits.left(6), false},
      {"empty", kInputLoad, true, "", "", false},
      {"saved key", kKeyLoad, false, key + crlf, key + crlf, false},
      {"letters and line breaks", kKeyLoad, true, "ab\r\ncd\n", "ab\r\ncd\n", false},
      {"key, Ctrl-Z inside", kKeyLoad, false, key + ctrlZ + key, key, false},
      {"key, empty", kKeyLoad, false, "", "", false},
      {"64 KiB", kKeyLoad, false, digits.left(65536), digits.left(65536), false},
      {"64 KiB and one", kKeyLoad, false, digits.left(65537), digits.left(65536), true},
  };
  for (const LoadRow& row : rows) {
    SCOPED_TRACE(row.what);
    Restart();
    if (row.decode)
      SwitchToDecode();
    const bool keyLoad = row.button == kKeyLoad;
    form->VavorIn->SetText(QStringLiteral("VORHER"));
    form->OTPOut->SetText(QStringLiteral("VORHER"));
    const std::string state = State();
    const QString name = keyLoad ? "k.OTP" : row.decode ? "c.crp" : "t.txt";
    Load(row.button, Put(name, row.file));
    const QString loaded = keyLoad ? form->OTPOut->Text() : form->VavorIn->Text();
    const QString other = keyLoad ? form->VavorIn->Text() : form->OTPOut->Text();
    EXPECT_EQ(Utf8(loaded), row.expected.toStdString());
    EXPECT_EQ(Utf8(other), "VORHER");
    EXPECT_EQ(Messages(), row.tooLarge ? Utf8("Information: " + name + " zu groß!") : "");
    EXPECT_EQ(State(), state) << "a load enables nothing";
  }
}

TEST_F(FilesTest, UnreadableFileLeavesTheFieldAsItWas) {
  QDir(folder.path()).mkdir(QStringLiteral("ordner.txt"));
#ifndef _WIN32
  // A pipe that nobody writes to: opening it would wait for ever.
  ASSERT_EQ(mkfifo(PathOf("rohr.txt").toLocal8Bit().constData(), 0600), 0);
#endif
  const struct {
    QString path;
    const char* reason;  // empty: any reason of the system's
  } rows[] = {
      {PathOf("ordner.txt"), "Ein Ordner, keine Datei"},
#ifdef _WIN32
      {PathOf("fehlt.txt"), ""},
#else
      {PathOf("fehlt.txt"), "No such file or directory"},
      {PathOf("rohr.txt"), "Keine gewöhnliche Datei (Gerät, Pipe oder Socket)"},
      {"/proc/self/mem", ""},
      {"/dev/zero", "Keine gewöhnliche Datei (Gerät, Pipe oder Socket)"},
#endif
  };
  for (const auto& [path, reason] : rows) {
    for (Button button : {kInputLoad, kKeyLoad}) {
      SCOPED_TRACE(Utf8(path));
      Restart();
      form->VavorIn->SetText(QStringLiteral("VORHER"));
      form->OTPOut->SetText(QStringLiteral("VORHER"));
      Load(button, path);
      EXPECT_EQ(form->VavorIn->Text(), QStringLiteral("VORHER"));
      EXPECT_EQ(form->OTPOut->Text(), QStringLiteral("VORHER"));
      ASSERT_EQ(dialogs.shown.size(), 1u);
      const QString prefix = QFileInfo(path).fileName() + " konnte nicht gelesen werden!\n";
      EXPECT_TRUE(dialogs.shown[0].text.startsWith(prefix)) << Utf8(dialogs.shown[0].text);
      EXPECT_GT(dialogs.shown[0].text.size(), prefix.size()) << "the system's reason follows";
      if (*reason) {
        EXPECT_EQ(Utf8(dialogs.shown[0].text), Utf8(prefix) + reason);
      }
    }
  }
}

TEST_F(FilesTest, HugeFileIsReadOnlyAsFarAsTheLimit) {
  QByteArray start(100 * 1024, Qt::Uninitialized);
  for (char& byte : start) {
    do
      byte = char(QRandomGenerator::global()->bounded(256));
    while (byte == '\x1A' || byte == '\0');
  }
  const QString path = Put(QStringLiteral("riesig.OTP"), start);
  ASSERT_TRUE(QFile::resize(path, qint64(1) << 30));  // sparse: the rest reads as zeros

  Load(kKeyLoad, path);
  EXPECT_EQ(form->OTPOut->Text(), FromWin1252(start.left(65536).toStdString()));
  Load(kInputLoad, path);
  EXPECT_EQ(form->VavorIn->Text(), UpperCaseInput(FromWin1252(start.left(100).toStdString())));
  EXPECT_EQ(Messages(), "Information: riesig.OTP zu groß!\nInformation: riesig.OTP zu groß!");
}

struct OverwriteRow {
  Button button;
  bool answer;
  const char* message;
};

TEST_F(FilesTest, ExistingFileIsReplacedOnlyAfterJa) {
  // Longer than anything saved over it, and with bytes a text reader would mangle.
  const QByteArray old = QByteArray("alt\x1A\r\n\x00\xFF", 8).repeated(300);
  const OverwriteRow rows[] = {
      {kKeySave, true, "OTP wurde gespeichert!"},
      {kKeySave, false, "OTP wurde nicht gespeichert!"},
      {kOutputSave, true, "alt.dat wurde gespeichert!"},
      {kOutputSave, false, "alt.dat wurde nicht gespeichert!"},
  };
  for (const OverwriteRow& row : rows) {
    SCOPED_TRACE(row.message);
    Restart();
    const bool key = row.button == kKeySave;
    key ? Click(form->bt_OTPkey) : void(Encipher(QStringLiteral("ABC")));
    // A key file ends with CR LF, over an old file as on a new one.
    const std::string written =
        key ? Bytes(form->OTPOut->Text()) + "\r\n" : Bytes(form->OTPCryptOut->Text());
    const QString path = Put(QStringLiteral("alt.dat"), old);
    const std::string state = State();
    dialogs.questionAnswers.push_back(row.answer);
    Save(row.button, path);
    EXPECT_EQ(Messages(), std::string("Question: Wollen Sie alt.dat wirklich überschreiben?\n") +
                              "Information: " + row.message);
    EXPECT_EQ(Contents(path), row.answer ? written : old.toStdString());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"alt.dat"});
    EXPECT_EQ(State(), state);
  }
}

struct NewFileRow {
  const char* name;
  std::function<void()> prepare;
  Button button;
  std::function<std::string()> expected;
  const char* message;
};

TEST_F(FilesTest, NewFileHoldsTheFieldsTextAsIs) {
  const auto key = [this] { return Bytes(form->OTPOut->Text()) + "\r\n"; };
  const NewFileRow rows[] = {
      {"k.OTP", [this] { Click(form->bt_OTPkey); }, kKeySave, key, "OTP wurde gespeichert!"},
      {"leer.OTP", [this] { Click(form->BitBtn1); }, kKeySave, key, "OTP wurde gespeichert!"},
      {"Nachricht", [this] { Encipher(QStringLiteral("TREFFEN 18")); }, kOutputSave,
       [this] { return Bytes(form->OTPCryptOut->Text()); }, "Nachricht wurde gespeichert!"},
      {"klar.txt",
       [this] {
         SwitchToDecode();
         Decipher(QStringLiteral("12345 67890 1"));
       },
       kOutputSave, [this] { return Bytes(form->VavorDecrypt->Text()); },
       "klar.txt wurde gespeichert!"},
  };
  for (const NewFileRow& row : rows) {
    SCOPED_TRACE(row.name);
    Restart();
    row.prepare();
    dialogs.shown.clear();
    const std::string state = State();
    Save(row.button, PathOf(row.name));
    EXPECT_EQ(Contents(PathOf(row.name)), row.expected());
    EXPECT_EQ(Messages(), std::string("Information: ") + row.message);
    EXPECT_EQ(State(), state);
    QFile::remove(PathOf(row.name));
  }
  EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "the names are used as typed";
}

TEST_F(FilesTest, OutputSaveFollowsTheModeNotTheShownField) {
  Encipher(QStringLiteral("ABC"));
  SwitchToDecode();  // empties VavorDecrypt; OTPCryptOut stays shown
  ASSERT_TRUE(form->OTPCryptOut->isVisible());
  dialogs.saveAnswers.push_back(PathOf("leer.txt"));
  form->bt_VavorDecryptSaveClick(form->bt_VavorDecryptSave);  // the button waits for a cipher step
  EXPECT_EQ(Utf8(dialogs.saveFilters.back()), "Textdatei (*.txt)|*.txt");
  EXPECT_EQ(Contents(PathOf("leer.txt")), "");
  EXPECT_EQ(Messages(), "Information: leer.txt wurde gespeichert!");
}

struct SaveFailureRow {
  QString path;
  Button button;
  bool exists;
};

TEST_F(FilesTest, FailedSaveSaysWhyAndKeepsTheOldFile) {
  QDir(folder.path()).mkdir(QStringLiteral("ordner.crp"));
  const std::string processName = Contents(QStringLiteral("/proc/self/comm"));
  const SaveFailureRow rows[] = {
      {PathOf("fehlt/x.crp"), kOutputSave, false}, {PathOf("fehlt/x.OTP"), kKeySave, false},
      {PathOf("ordner.crp"), kOutputSave, false},
#ifndef _WIN32
      {"/proc/x.crp", kOutputSave, false},         {"/sys/x.OTP", kKeySave, false},
      {"/proc/self/comm", kKeySave, true},  // a file in a folder nobody may write to
#endif
  };
  for (const SaveFailureRow& row : rows) {
    SCOPED_TRACE(Utf8(row.path));
    Restart();
    Encipher(QStringLiteral("ABC"));
    Click(form->BitBtn1);  // enables the key save again
    dialogs.questionAnswers.push_back(true);
    Save(row.button, row.path);
    ASSERT_EQ(dialogs.shown.size(), row.exists ? 2u : 1u);
    const QString text = dialogs.shown.back().text;
    const QString prefix = QFileInfo(row.path).fileName() + " wurde nicht gespeichert!\n";
    EXPECT_TRUE(text.startsWith(prefix)) << Utf8(text);
    EXPECT_GT(text.size(), prefix.size()) << "the system's reason follows";
  }
  EXPECT_TRUE(QFileInfo(PathOf("ordner.crp")).isDir());
  EXPECT_FALSE(QFileInfo::exists(PathOf("fehlt")));
  EXPECT_EQ(Contents(QStringLiteral("/proc/self/comm")), processName);
}

// A save as the window makes it: a key file, or the output of the mode.
struct SaveRow {
  const char* name;
  Button button;
  bool decode;  // the output save of the deciphered text
};
constexpr SaveRow kNewKey{"neu.OTP", kKeySave, false};
constexpr SaveRow kOldKey{"alt.OTP", kKeySave, false};
constexpr SaveRow kNewCipher{"neu.crp", kOutputSave, false};
constexpr SaveRow kNewPlain{"neu.txt", kOutputSave, true};

class SaveFaultTest : public FilesTest {
 protected:
  static constexpr unsigned kNobody = 65534;
  static constexpr const char* kOldKeyText = "alter Schlüssel\r\n";
  // The key file that every failed save must leave as it is, in `subfolder`
  // of the test's folder.
  void PutOldKey(const QString& subfolder = {}) { Put(subfolder + kOldKey.name, kOldKeyText); }
  void SaveAs(const SaveRow& row, const QString& folderPath) {
    Restart();
    Encipher(QStringLiteral("TREFF UM 18 UHR"));
    Click(form->BitBtn1);  // enables the key save again
    dialogs.questionAnswers.push_back(true);
    dialogs.saveAnswers.push_back(QDir(folderPath).filePath(row.name));
    if (row.decode) {
      SwitchToDecode();
      form->VavorDecrypt->SetText(QStringLiteral("TREFF"));
      // The button waits for a cipher step in this mode.
      form->bt_VavorDecryptSaveClick(form->bt_VavorDecryptSave);
    } else {
      Click(form.get()->*row.button);
    }
  }
  // Every save fails with `reason`, leaving the folder as it was.
  void ExpectEverySaveFails(const QString& folderPath, const QString& reason) {
    const QString old = QDir(folderPath).filePath(kOldKey.name);
    const QStringList before = QDir(folderPath).entryList(QDir::Files | QDir::Hidden);
    for (const SaveRow& row : {kOldKey, kNewKey, kNewCipher}) {
      SCOPED_TRACE(row.name);
      SaveAs(row, folderPath);
      EXPECT_EQ(Utf8(dialogs.shown.back().text),
                Utf8(row.name + QStringLiteral(" wurde nicht gespeichert!\n") + reason));
      EXPECT_EQ(Contents(old), kOldKeyText);
      EXPECT_EQ(QDir(folderPath).entryList(QDir::Files | QDir::Hidden), before);
    }
  }
};

// A file-size limit refuses the text after the temporary file was made, as a
// full disk or a quota does. ctest runs each test in a process of its own;
// the limit is lifted again all the same.
TEST_F(SaveFaultTest, WriteFailingPartWayKeepsTheOldFileAndLeavesNothing) {
#ifdef _WIN32
  GTEST_SKIP() << "a file-size limit (RLIMIT_FSIZE) is POSIX";
#else
  PutOldKey();
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const rlimit tiny{4, saved.rlim_max};
  const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
  ExpectEverySaveFails(folder.path(), QStringLiteral("File too large"));
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);
#endif
}

// A real full disk: a small tmpfs, filled up. Mounting needs root.
TEST_F(SaveFaultTest, FullDiskKeepsTheOldFileAndLeavesNothing) {
#ifdef _WIN32
  GTEST_SKIP() << "the full disk is a tmpfs that root mounts";
#else
  const QString disk = PathOf("disk");
  QDir().mkpath(disk);
  if (geteuid() != 0 || mount("zazuzar", disk.toUtf8().constData(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "no full disk to try: mounting a tmpfs needs root";
  }
  const std::shared_ptr<void> unmount(
      nullptr, [&](void*) { umount2(disk.toUtf8().constData(), MNT_DETACH); });
  PutOldKey(QStringLiteral("disk/"));
  QFile filler(QDir(disk).filePath(QStringLiteral("voll")));
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  while (filler.write(QByteArray(4096, 'x')) > 0) {
  }
  filler.close();
  ExpectEverySaveFails(disk, QStringLiteral("No space left on device"));
#endif
}

// A folder the user may not write to, holding a file the user may write:
// writing into the file in place would be possible, and is not done. Root may
// write anywhere, so root tries it as "nobody".
TEST_F(SaveFaultTest, ReadOnlyFolderRefusesTheSaveOfAnOrdinaryUser) {
#ifdef _WIN32
  GTEST_SKIP() << "POSIX modes and users";
#else
  const QString locked = PathOf("gesperrt");
  QDir().mkpath(locked);
  const QString old = QDir(locked).filePath(kOldKey.name);
  PutOldKey(QStringLiteral("gesperrt/"));
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chmod(folder.path().toUtf8().constData(), 0711), 0);
    ASSERT_EQ(chown(old.toUtf8().constData(), kNobody, kNobody), 0);
    if (seteuid(kNobody) != 0) {
      GTEST_SKIP() << "cannot try it as an ordinary user: changing the user was refused";
    }
  } else {
    ASSERT_EQ(chmod(locked.toUtf8().constData(), 0555), 0);
  }
  ExpectEverySaveFails(locked, QStringLiteral("Permission denied"));
  if (root) {
    ASSERT_EQ(seteuid(0), 0);
  } else {
    ASSERT_EQ(chmod(locked.toUtf8().constData(), 0755), 0);  // so that the folder can go
  }
#endif
}

// A drop box: a folder the user may write to but not read, which therefore
// cannot be opened to sync it. The file is in it all the same, and the save
// says so. Root reads every folder, so root tries it as "nobody".
TEST_F(SaveFaultTest, DropBoxTakesTheSaveOfAnOrdinaryUser) {
#ifdef _WIN32
  GTEST_SKIP() << "a folder one may write to but not read is a POSIX mode";
#else
  const QString box = PathOf("briefkasten");
  QDir().mkpath(box);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chmod(folder.path().toUtf8().constData(), 0711), 0);
    ASSERT_EQ(chmod(box.toUtf8().constData(), 0733), 0);
    if (seteuid(kNobody) != 0) {
      GTEST_SKIP() << "cannot try it as an ordinary user: changing the user was refused";
    }
  } else {
    ASSERT_EQ(chmod(box.toUtf8().constData(), 0333), 0);
  }
  SaveAs(kNewCipher, box);
  if (root) {
    ASSERT_EQ(seteuid(0), 0);
  } else {
    ASSERT_EQ(chmod(box.toUtf8().constData(), 0700), 0);
  }
  EXPECT_EQ(Utf8(dialogs.shown.back().text), "neu.crp wurde gespeichert!");
  EXPECT_EQ(Contents(QDir(box).filePath(kNewCipher.name)), Bytes(form->OTPCryptOut->Text()));
#endif
}

// The last steps of a save fail: the rename that replaces an old file, or the
// folder's sync after a save. Before the replacement nothing is replaced and
// nothing is left beside; after it the file holds the text, and the message
// says so rather than "nicht gespeichert", which would tell of an old file
// that is gone.
TEST_F(SaveFaultTest, LastStepFailingSaysWhetherTheFileWasReplaced) {
#ifdef _WIN32
  GTEST_SKIP() << "the steps fail through the test's own rename and fsync, POSIX calls";
#else
  PutOldKey();
  const struct {
    int* error;
    int code;
    const char* message;  // after the file's name
    bool replaced;
    std::vector<SaveRow> saves;
  } faults[] = {
      {&renameError, EACCES, " wurde nicht gespeichert!\nPermission denied", false, {kOldKey}},
      {&folderSyncError,
       EIO,
       " wurde gespeichert, doch der Datenträger hat es nicht bestätigt!\nInput/output error",
       true,
       {kOldKey, kNewCipher}},
  };
  for (const auto& fault : faults) {
    for (const SaveRow& row : fault.saves) {
      SCOPED_TRACE(std::string(row.name) + fault.message);
      *fault.error = fault.code;
      SaveAs(row, folder.path());
      *fault.error = 0;
      EXPECT_EQ(Utf8(dialogs.shown.back().text), row.name + std::string(fault.message));
      const std::string saved = row.button == kKeySave ? Bytes(form->OTPOut->Text()) + "\r\n"
                                                       : Bytes(form->OTPCryptOut->Text());
      EXPECT_EQ(Contents(PathOf(row.name)), fault.replaced ? saved : kOldKeyText);
      if (!fault.replaced) {
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"alt.OTP"});
      }
    }
  }
#endif
}

struct ModeRow {
  SaveRow save;
  int oldMode;  // 0: a new file
  int mode;
};

// Keys and deciphered texts are for their owner only; cipher texts travel.
TEST_F(SaveFaultTest, NewKeysAndPlainTextsAreOwnerOnlyAndReplacedFilesKeepTheirMode) {
#ifdef _WIN32
  GTEST_SKIP() << "POSIX file modes; Windows has its own row of access lists";
#else
  const mode_t oldUmask = umask(022);
  const ModeRow rows[] = {
      {kNewKey, 0, 0600},
      {kOldKey, 0640, 0640},
      {kNewPlain, 0, 0600},
      {kNewCipher, 0, 0644},
  };
  for (const ModeRow& row : rows) {
    SCOPED_TRACE(row.save.name);
    QFile::remove(PathOf(row.save.name));
    if (row.oldMode) {
      Put(row.save.name, "alt");
      chmod(PathOf(row.save.name).toUtf8().constData(), row.oldMode);
    }
    syncedFolders.clear();
    SaveAs(row.save, folder.path());
    EXPECT_EQ(Utf8(dialogs.shown.back().text).find("nicht"), std::string::npos);
    // The folder went to the disk after the rename: it held the file then.
    ASSERT_FALSE(syncedFolders.empty()) << "the folder was not synced";
    EXPECT_EQ(syncedFolders.back().path, Utf8(QDir(folder.path()).canonicalPath()));
    EXPECT_EQ(syncedFolders.back().names,
              QDir(folder.path()).entryList(QDir::Files | QDir::Hidden));
    struct stat info {};
    ASSERT_EQ(stat(PathOf(row.save.name).toUtf8().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode_t(row.mode));
  }
  umask(oldUmask);
#endif
}

#ifdef _WIN32
// Every FlushFileBuffers of the test program, through its import table, with
// the file's name and size at that moment.
struct Flush {
  QString path;
  qint64 size;
};
std::vector<Flush> flushes;
BOOL(WINAPI* systemFlush)(HANDLE) = nullptr;

BOOL WINAPI RecordFlush(HANDLE file) {
  wchar_t name[MAX_PATH] = {};
  const DWORD length = GetFinalPathNameByHandleW(file, name, MAX_PATH, 0);
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  flushes.push_back(
      {QFileInfo(QString::fromWCharArray(name, length < MAX_PATH ? length : 0)).fileName(),
       size.QuadPart});
  return systemFlush(file);
}

void RecordFlushes() {
  if (systemFlush) {
    return;
  }
  auto* base = reinterpret_cast<unsigned char*>(GetModuleHandleW(nullptr));
  const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const DWORD imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); dll->Name; ++dll) {
    auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
    auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
    for (; name->u1.AddressOfData; ++name, ++slot) {
      if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) ||
          std::string(
              reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData)->Name) !=
              "FlushFileBuffers") {
        continue;
      }
      DWORD old = 0;
      VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &old);
      systemFlush = reinterpret_cast<decltype(systemFlush)>(slot->u1.Function);
      slot->u1.Function = reinterpret_cast<ULONG_PTR>(&RecordFlush);
      VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, old, &old);
    }
  }
  ASSERT_NE(systemFlush, nullptr) << "the program imports no FlushFileBuffers";
}

// Whether no one but the user (and the system itself) may get at the file:
// every right its access list grants goes to one of the two. (Wine shows a
// file's rights from its Unix mode: SYSTEM and the owner, and Everyone where
// others may read it.)
bool ForTheUserAlone(const QString& path) {
  PACL acl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(reinterpret_cast<const wchar_t*>(path.utf16()), SE_FILE_OBJECT,
                            DACL_SECURITY_INFORMATION, nullptr, nullptr, &acl, nullptr,
                            &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
  unsigned char user[256];
  DWORD size = sizeof user;
  GetTokenInformation(token, TokenUser, user, size, &size);
  CloseHandle(token);
  unsigned char system[SECURITY_MAX_SID_SIZE];
  size = sizeof system;
  CreateWellKnownSid(WinLocalSystemSid, nullptr, system, &size);
  bool alone = acl && acl->AceCount > 0;
  for (DWORD i = 0; alone && i < acl->AceCount; ++i) {
    void* ace = nullptr;
    alone = GetAce(acl, i, &ace) &&
            (static_cast<ACE_HEADER*>(ace)->AceType != ACCESS_ALLOWED_ACE_TYPE ||
             EqualSid(&static_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart,
                      reinterpret_cast<TOKEN_USER*>(user)->User.Sid) ||
             EqualSid(&static_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart, system));
  }
  LocalFree(descriptor);
  return alone;
}

// Keys and deciphered texts are for their user alone, a replaced file too;
// cipher texts travel with their folder's rights. Every save is on the disk
// (FlushFileBuffers) while it is still a temporary file beside the old one.
TEST_F(SaveFaultTest, NewKeysAndPlainTextsAreForTheUserAloneAndFlushedBeforeTheyReplace) {
  RecordFlushes();
  const struct {
    SaveRow save;
    bool userAlone;
  } rows[] = {{kNewKey, true}, {kOldKey, true}, {kNewPlain, true}, {kNewCipher, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.save.name);
    QFile::remove(PathOf(row.save.name));
    if (row.save.name == kOldKey.name) {
      PutOldKey();
    }
    flushes.clear();
    SaveAs(row.save, folder.path());
    EXPECT_EQ(Utf8(dialogs.shown.back().text).find("nicht"), std::string::npos);
    const std::string saved = Contents(PathOf(row.save.name));
    ASSERT_FALSE(flushes.empty()) << "the file was not flushed";
    EXPECT_NE(flushes.front().path, QString::fromLatin1(row.save.name)) << "flushed in place";
    EXPECT_EQ(flushes.front().size, qint64(saved.size())) << "flushed before it was whole";
    EXPECT_EQ(ForTheUserAlone(PathOf(row.save.name)), row.userAlone);
  }
}
#endif

// A stick as the desktop mounts it (FAT, exFAT): every file shows 0644 and
// every chmod is refused. bindfs stands in for it where the kernel's vfat is
// missing. The save goes through; the file underneath shows that it was made
// owner-only from the start, whatever the mount gives.
TEST_F(SaveFaultTest, StickThatRefusesModesTakesTheSave) {
#ifdef _WIN32
  GTEST_SKIP() << "bindfs and POSIX file modes";
#else
  const QString source = PathOf("quelle"), mounted = PathOf("stick");
  QDir().mkpath(source);
  QDir().mkpath(mounted);
  PutOldKey(QStringLiteral("quelle/"));
  const QString mount =
      QStringLiteral("bindfs -p 0644,a+X --chmod-deny '%1' '%2' 2>/dev/null").arg(source, mounted);
  if (geteuid() != 0 || std::system(mount.toUtf8().constData()) != 0) {
    GTEST_SKIP() << "no file system that refuses modes: bindfs needs root and /dev/fuse";
  }
  const std::shared_ptr<void> unmount(
      nullptr, [&](void*) { umount2(mounted.toUtf8().constData(), MNT_DETACH); });
  const struct {
    SaveRow save;
    const char* message;
  } rows[] = {
      {kNewKey, "OTP wurde gespeichert!"},
      {kOldKey, "OTP wurde gespeichert!"},
      {kNewPlain, "neu.txt wurde gespeichert!"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.save.name);
    SaveAs(row.save, mounted);
    EXPECT_EQ(Utf8(dialogs.shown.back().text), row.message);
    const std::string expected = row.save.decode ? "TREFF" : Bytes(form->OTPOut->Text()) + "\r\n";
    EXPECT_EQ(Contents(QDir(mounted).filePath(row.save.name)), expected);
    struct stat info {};
    ASSERT_EQ(stat(QDir(source).filePath(row.save.name).toUtf8().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode_t(0600));
  }
#endif
}

TEST_F(FilesTest, EveryWindows1252ByteRoundTripsThroughTheKeyField) {
  QByteArray bytes;
  for (int b = 0x80; b <= 0xFF; ++b)
    bytes += char(b);
  Load(kKeyLoad, Put("alle.OTP", bytes));
  EXPECT_EQ(form->OTPOut->Text().left(2), QStringLiteral("€\u0081"));
  EXPECT_EQ(form->OTPOut->Text().right(2), QStringLiteral("þÿ"));
  Click(form->BitBtn1);
  Save(kKeySave, PathOf("zurueck.OTP"));
  EXPECT_EQ(Contents(PathOf("zurueck.OTP")), bytes.toStdString() + "\r\n");
}

TEST_F(FilesTest, CharacterOutsideWindows1252IsRefusedAndNothingWritten) {
  const struct {
    QString character;
    const char* message;
  } rows[] = {
      {"ł", "Das Zeichen „ł“ (U+0142) kann nicht in der Datei gespeichert werden. "},
      {"😀", "Das Zeichen „😀“ (U+1F600) kann nicht in der Datei gespeichert werden. "},
  };
  const QString old = Put("alt.OTP", "alt");
  for (const auto& row : rows) {
    for (const QString& path : {old, PathOf("neu.OTP")}) {
      SCOPED_TRACE(Utf8(row.character + " " + path));
      Restart();
      Click(form->bt_OTPkey);
      Click(form->BitBtn1);
      form->OTPOut->textCursor().insertText(row.character);  // as the user types or pastes it
      ASSERT_TRUE(form->OTPOut->Text().contains(row.character));
      dialogs.questionAnswers.push_back(true);
      Save(kKeySave, path);
      EXPECT_EQ(Messages(), "Information: " + std::string(row.message) +
                                Utf8(QFileInfo(path).fileName()) + " wurde nicht gespeichert!");
    }
  }
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"alt.OTP"});
  EXPECT_EQ(Contents(old), "alt");
}

TEST_F(FilesTest, MessageTravelsByFile) {
  const QString plain = QStringLiteral("TREFFEN AM BAHNHOF UM 18 UHR KENNWORT ÄÖÜß");
  Type(form->VavorIn, plain);
  Click(form->bt_kodieren);
  Click(form->bt_OTPkey);
  Save(kKeySave, PathOf("05032026.OTP"));
  Click(form->bt_OTPCrypt);
  Save(kOutputSave, PathOf("05032026.crp"));

  Restart();  // the receiver
  SwitchToDecode();
  Load(kInputLoad, PathOf("05032026.crp"));
  Load(kKeyLoad, PathOf("05032026.OTP"));
  EXPECT_EQ(form->OTPOut->Text().size(), 602) << "the key and its line end";
  Click(form->bt_kodieren);
  Click(form->bt_OTPCrypt);
  Save(kOutputSave, PathOf("klar.txt"));
  EXPECT_EQ(Messages(), "Information: klar.txt wurde gespeichert!");
  EXPECT_EQ(Contents(PathOf("klar.txt")), Bytes(QString(plain).remove(QLatin1Char(' '))));
}

}  // namespace
}  // namespace zazuzar::testing
