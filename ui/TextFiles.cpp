#include "ui/TextFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace zazuzar {
namespace {

constexpr qint64 kBlockSize = 64 * 1024;

}  // namespace

LoadedText ReadText(QIODevice& device, qint64 limit) {
  LoadedText loaded;
  std::string& bytes = loaded.bytes;
  limit = std::max<qint64>(limit, 0);
  for (;;) {
    // Never more than one byte past the limit: that byte tells whether the
    // text goes on.
    const qint64 room = limit - static_cast<qint64>(bytes.size());
    const qint64 wanted = room < kBlockSize ? room + 1 : kBlockSize;
    const std::size_t start = bytes.size();
    bytes.resize(start + static_cast<std::size_t>(wanted));
    const qint64 got = device.read(bytes.data() + start, wanted);
    if (got < 0) {
      loaded.error = device.errorString();
      bytes.clear();
      return loaded;
    }
    bytes.resize(start + static_cast<std::size_t>(got));
    if (const auto end = bytes.find(kEndOfText, start); end != std::string::npos) {
      bytes.resize(end);
      return loaded;
    }
    if (static_cast<qint64>(bytes.size()) > limit) {
      bytes.resize(static_cast<std::size_t>(limit));
      loaded.tooLarge = true;
      return loaded;
    }
    if (got == 0) {
      return loaded;
    }
  }
}

LoadedText LoadText(const QString& path, qint64 limit) {
  LoadedText failed;
  if (const QFileInfo info(path); info.isDir()) {
    failed.error = QStringLiteral("Ein Ordner, keine Datei");
    return failed;
  } else if (info.exists() && !info.isFile()) {
    // A pipe, socket or device is no text file: opening or reading one could
    // wait for ever.
    failed.error = QStringLiteral("Keine gewöhnliche Datei (Gerät, Pipe oder Socket)");
    return failed;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    failed.error = file.errorString();
    return failed;
  }
  return ReadText(file, limit);
}

std::optional<QString> SaveWhole(const QString& path, const std::string& bytes,
                                 NewFileAccess access) {
  const QFileInfo existing(path);
  QSaveFile file(path);
  // Writing straight into the target could leave it half written.
  file.setDirectWriteFallback(false);
  // Unbuffered: a buffered QSaveFile writes only inside commit(), where a full
  // disk goes unnoticed and an empty file replaces the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    return file.errorString();
  }
  const auto fail = [&file](QString reason) {
    file.cancelWriting();  // the temporary file goes, the old file stays
    return reason;
  };
  // Set the mode before a byte of the text is in the file.
  std::optional<QFileDevice::Permissions> mode;
  if (existing.exists()) {
    mode = existing.permissions();
  } else if (access == NewFileAccess::OwnerOnly) {
    mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
  }
  if (mode && !file.setPermissions(*mode)) {
    return fail(file.errorString());
  }
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
  if (::fsync(file.handle()) != 0) {
    const int error = errno;
    if (error != EINVAL) {  // EINVAL: the file system has nothing to sync
      return fail(qt_error_string(error));
    }
  }
  if (!file.commit()) {
    return file.errorString();
  }
  return std::nullopt;
}

bool FileExists(const QString& path) {
  return QFileInfo(path).isFile();
}

QString FileNameOf(const QString& path) {
  return QFileInfo(path).fileName();
}

}  // namespace zazuzar
