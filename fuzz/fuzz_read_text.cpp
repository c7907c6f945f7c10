// The loaders' byte-to-field path on any file content and any limit (the
// first two input bytes, signed): ReadText keeps the bytes before the first
// Ctrl-Z, at most the limit's worth, and says when there were more; the field
// text holds one character per byte and converts back to the same bytes.
#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <string>

#include "fuzz/Check.h"
#include "ui/TextFiles.h"
#include "ui/Win1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zazuzar::fuzz::Input input(data, size);
  const qint64 limit = static_cast<std::int16_t>(input.TakeU16());
  const std::string_view content = input.Rest();

  QByteArray bytes =
      QByteArray::fromRawData(content.data(), static_cast<qsizetype>(content.size()));
  QBuffer device(&bytes);
  FUZZ_CHECK(device.open(QIODevice::ReadOnly));
  const zazuzar::LoadedText loaded = zazuzar::ReadText(device, limit);

  const std::string_view text = content.substr(0, content.find(zazuzar::kEndOfText));
  const auto kept = static_cast<std::size_t>(std::max<qint64>(limit, 0));
  FUZZ_CHECK(!loaded.error.has_value());
  FUZZ_CHECK(loaded.bytes.size() <= kept);
  FUZZ_CHECK(loaded.bytes == text.substr(0, kept));
  FUZZ_CHECK(loaded.tooLarge == (text.size() > kept));

  const QString field = zazuzar::FromWin1252(loaded.bytes);
  FUZZ_CHECK(static_cast<std::size_t>(field.size()) == loaded.bytes.size());
  FUZZ_CHECK(zazuzar::ToWin1252(field) == loaded.bytes);
  FUZZ_CHECK(zazuzar::ToWin1252Lossy(field) == loaded.bytes);
  return 0;
}
