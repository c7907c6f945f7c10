#include "os/Files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zazuzar::os {
namespace {

// Sets the process umask for its lifetime and puts the old one back on every
// path. The umask belongs to the whole process, not to the thread: this is
// safe because no other thread of the program creates a file or sets the
// umask. Qt's own threads (the X connection's event reader, the D-Bus
// connection, the file dialog's file-info gatherer) only read.
class ScopedUmask {
 public:
  explicit ScopedUmask(std::optional<mode_t> mask)
      : old_(mask ? std::optional(::umask(*mask)) : std::nullopt) {}
  ~ScopedUmask() {
    if (old_) {
      ::umask(*old_);
    }
  }
  ScopedUmask(const ScopedUmask&) = delete;
  ScopedUmask& operator=(const ScopedUmask&) = delete;

 private:
  std::optional<mode_t> old_;
};

// Puts what was written through `fd` on the disk. EINVAL: the file system has
// nothing to sync.
std::optional<QString> Sync(int fd) {
  if (::fsync(fd) != 0 && errno != EINVAL) {
    return qt_error_string(errno);
  }
  return std::nullopt;
}

std::optional<QString> SyncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    // A folder one may write to but not read (a drop box) cannot be opened
    // to sync it; the file is in it all the same.
    return errno == EACCES ? std::nullopt : std::optional(qt_error_string(errno));
  }
  std::optional<QString> reason = Sync(fd);
  ::close(fd);
  return reason;
}

}  // namespace

std::optional<SaveFailure> SaveWhole(const QString& path, const std::string& bytes,
                                     NewFileAccess access) {
  const QFileInfo existing(path);
  QSaveFile file(path);
  // Writing straight into the target could leave it half written.
  file.setDirectWriteFallback(false);
  {
    // The temporary file is owner-only from its first byte, made so rather
    // than changed later: a stick mounted by the desktop (FAT, exFAT) refuses
    // a chmod that takes read bits away. Only a new file that is meant to
    // travel is made by the user's umask. QSaveFile gives a replaced file's
    // mode to the new one where the file system lets it, and ignores a
    // refusal; the file then stays owner-only.
    const bool ownerOnly = existing.exists() || access == NewFileAccess::OwnerOnly;
    const ScopedUmask mask(ownerOnly ? std::optional<mode_t>(077) : std::nullopt);
    // Unbuffered: a buffered QSaveFile writes only inside commit(), where a
    // full disk goes unnoticed and an empty file replaces the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
      return SaveFailure{file.errorString()};
    }
  }
  const auto fail = [&file](QString reason) {
    file.cancelWriting();  // the temporary file goes, the old file stays
    return SaveFailure{std::move(reason)};
  };
  // A write may take only part of the text (a file-size limit does that
  // without an error); the next one then says why.
  for (std::size_t done = 0; done < bytes.size();) {
    const qint64 written =
        file.write(bytes.data() + done, static_cast<qint64>(bytes.size() - done));
    if (written <= 0) {
      return fail(file.errorString());
    }
    done += static_cast<std::size_t>(written);
  }
  // Some file systems (quotas, network folders) refuse the data only when it
  // goes to the disk.
  if (!file.flush()) {
    return fail(file.errorString());
  }
  if (const std::optional<QString> reason = Sync(file.handle())) {
    return fail(*reason);
  }
  if (!file.commit()) {
    return SaveFailure{file.errorString()};  // QSaveFile removed its temporary file
  }
  // The rename is on the disk only once the folder is: without this a power
  // cut could bring the old file back, or lose the new one. A link is
  // replaced where it points.
  const QString target = QFileInfo(path).canonicalFilePath();
  if (std::optional<QString> reason =
          SyncFolder(QFileInfo(target.isEmpty() ? path : target).absolutePath())) {
    return SaveFailure{std::move(*reason), true};
  }
  return std::nullopt;
}

}  // namespace zazuzar::os
