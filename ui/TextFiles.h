// Text, cipher and key files: one Windows-1252 byte per character, no header,
// no byte-order mark. Reading is bounded and stops at Ctrl-Z; writing is whole
// or not at all. No widgets here, so any device can drive the reader.
#pragma once

#include <QIODevice>
#include <QString>
#include <optional>
#include <string>

namespace zazuzar {

// The byte that ends a text file before its physical end (Ctrl-Z).
inline constexpr char kEndOfText = '\x1A';

struct LoadedText {
  std::string bytes;      // at most the limit's worth
  bool tooLarge = false;  // the text went on past the limit
  // Why the text could not be read (the system's reason); bytes is then empty.
  std::optional<QString> error;
};

// Reads from `device`'s current position up to its end or the first Ctrl-Z,
// whichever comes first, keeping at most `limit` bytes. Stops at the first
// byte past the limit (tooLarge), so memory stays bounded whatever the device
// holds.
LoadedText ReadText(QIODevice& device, qint64 limit);

// Opens the file at `path` and reads it as ReadText does.
LoadedText LoadText(const QString& path, qint64 limit);

// Who may read a file that a save creates. A file that is replaced keeps the
// mode it had where the file system allows it, and is owner-only where not.
// On a file system without Unix modes (a FAT or exFAT stick) every file gets
// what the mount gives.
enum class NewFileAccess {
  Umask,      // what the umask leaves: cipher texts are meant to travel
  OwnerOnly,  // 0600 from the start: keys and deciphered plain texts
};

// Why a save went wrong, in the system's words.
struct SaveFailure {
  QString reason;
  // False: nothing was replaced; the old file, if any, stays byte for byte
  // and nothing is left beside it. True: the new file has already replaced
  // the old one and holds the whole text, but the folder could not be synced
  // afterwards, so the disk has not confirmed the replacement (a power cut
  // could still undo it).
  bool replaced = false;
};

// Writes `bytes` to `path` whole, replacing the file only once everything is
// on the disk; a failure before that (full disk, quota, file-size limit, I/O
// error, a refused rename) replaces nothing. After the replacement the folder
// is synced, so that the new entry is on the disk too; a folder one may write
// to but not read (a drop box) cannot be, and its save counts as saved. A mode
// that the file system refuses to set is no failure.
std::optional<SaveFailure> SaveWhole(const QString& path, const std::string& bytes,
                                     NewFileAccess access);

// Whether a file (not a folder) exists at `path`.
bool FileExists(const QString& path);

// The file name of `path` without its folder.
QString FileNameOf(const QString& path);

}  // namespace zazuzar
