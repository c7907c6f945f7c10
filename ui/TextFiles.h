// Text, cipher and key files: one Windows-1252 byte per character, no header,
// no byte-order mark. Reading is bounded and stops at Ctrl-Z; writing is whole
// or not at all. No widgets here, so any device can drive the reader.
#pragma once

#include <QIODevice>
#include <QString>
#include <optional>
#include <string>

#include "os/Files.h"

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

// Saving is the operating system's part (os/Files.h).
using os::NewFileAccess;
using os::SaveFailure;
using os::SaveWhole;

// "<name> wurde nicht gespeichert!"
QString NotSaved(const QString& name);
// What a failed save tells, the system's reason below: "nicht gespeichert",
// or once the new file has replaced the old one, that it is saved but the
// disk has not confirmed it ("nicht gespeichert" would tell of an old file
// that is no longer there).
QString SaveFailureText(const QString& path, const SaveFailure& failure);

// Whether a file (not a folder) exists at `path`.
bool FileExists(const QString& path);

// The file name of `path` without its folder.
QString FileNameOf(const QString& path);

}  // namespace zazuzar
