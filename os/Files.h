// Saving a file whole or not at all, and keeping a secret one to its owner.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace zazuzar::os {

// Who may read a file that a save creates. A file that is replaced keeps the
// mode it had where the file system allows it, and is owner-only where not.
// On a file system without Unix modes (a FAT or exFAT stick) every file gets
// what the mount gives. On Windows owner-only is an access list of the file's
// own that names the user alone, given as the file is made; a replaced file's
// list is not carried over, so it becomes owner-only, and a file meant to
// travel gets its folder's rights. A FAT or exFAT stick has no access lists.
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
// error, a refused rename) replaces nothing. A link is replaced where it
// points.
// - POSIX: a temporary file beside the target (QSaveFile), fsync'd, renamed
//   over it; after the replacement the folder is synced, so that the new
//   entry is on the disk too; a folder one may write to but not read (a drop
//   box) cannot be, and its save counts as saved. A mode that the file system
//   refuses to set is no failure.
// - Windows: a temporary file beside the target, opened for no one else,
//   flushed (FlushFileBuffers), then moved over the target with the move
//   written through to the disk (MoveFileEx's MOVEFILE_WRITE_THROUGH).
std::optional<SaveFailure> SaveWhole(const QString& path, const std::string& bytes,
                                     NewFileAccess access);

}  // namespace zazuzar::os
