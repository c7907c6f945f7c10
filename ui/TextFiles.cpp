#include "ui/TextFiles.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

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

QString NotSaved(const QString& name) {
  return name + QStringLiteral(" wurde nicht gespeichert!");
}

QString SaveFailureText(const QString& path, const SaveFailure& failure) {
  const QString name = FileNameOf(path);
  return (failure.replaced
              ? name + QStringLiteral(" wurde gespeichert, doch der Datenträger hat es nicht "
                                      "bestätigt!")
              : NotSaved(name)) +
         QLatin1Char('\n') + failure.reason;
}

bool FileExists(const QString& path) {
  return QFileInfo(path).isFile();
}

QString FileNameOf(const QString& path) {
  return QFileInfo(path).fileName();
}

}  // namespace zazuzar
