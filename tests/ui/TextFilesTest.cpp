// The bounded text reader at block boundaries and with short reads.
#include <gtest/gtest.h>

#include <QBuffer>

#include <algorithm>
#include <limits>
#include <string>

#include "ui/TextFiles.h"

namespace zazuzar {
namespace {

// A sequential device that hands out at most `chunk` bytes a read.
class TrickleDevice : public QIODevice {
 public:
  TrickleDevice(std::string data, qint64 chunk) : data_(std::move(data)), chunk_(chunk) {
    open(QIODevice::ReadOnly);
  }
  bool isSequential() const override { return true; }
  std::size_t handedOut() const { return position_; }

 protected:
  qint64 readData(char* out, qint64 maxSize) override {
    const auto n = std::min<std::size_t>(
        {std::size_t(maxSize), std::size_t(chunk_), data_.size() - position_});
    std::copy_n(data_.data() + position_, n, out);
    position_ += n;
    return qint64(n);
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  std::string data_;
  std::size_t position_ = 0;
  qint64 chunk_;
};

std::string Digits(std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i)
    text += char('0' + i % 10);
  return text;
}

struct ReadRow {
  const char* what;
  std::string data;
  qint64 limit;
  std::size_t kept;
  bool tooLarge;
};

TEST(ReadText, KeepsUpToTheLimitOrCtrlZOnEveryDevice) {
  std::string zAtBlock = Digits(200000);
  zAtBlock[65536] = kEndOfText;
  std::string zBeforeBlock = Digits(200000);
  zBeforeBlock[65535] = kEndOfText;
  std::string zAtLimit = Digits(200);
  zAtLimit[100] = kEndOfText;
  const ReadRow rows[] = {
      {"limit 0, empty", "", 0, 0, false},
      {"limit 0, one byte", "1", 0, 0, true},
      {"negative limit", "1", -5, 0, true},
      {"Ctrl-Z right at the limit", zAtLimit, 100, 100, false},
      {"Ctrl-Z at a block's start", zAtBlock, 1 << 20, 65536, false},
      {"Ctrl-Z at a block's end", zBeforeBlock, 1 << 20, 65535, false},
      {"two blocks exactly", Digits(131072), 131072, 131072, false},
      {"two blocks and one", Digits(131073), 131072, 131072, true},
      {"unbounded limit", Digits(70000), std::numeric_limits<qint64>::max(), 70000, false},
  };
  for (const ReadRow& row : rows) {
    for (const qint64 chunk : {qint64(7), qint64(1) << 30}) {
      SCOPED_TRACE(std::string(row.what) + ", chunk " + std::to_string(chunk));
      TrickleDevice device(row.data, chunk);
      const LoadedText loaded = ReadText(device, row.limit);
      EXPECT_FALSE(loaded.error);
      EXPECT_EQ(loaded.bytes, row.data.substr(0, row.kept));
      EXPECT_EQ(loaded.tooLarge, row.tooLarge);
      EXPECT_LE(device.handedOut(), row.kept + 1 + 65536) << "reading stops near the end";
    }
  }
}

TEST(ReadText, StopsAtTheFirstBytePastTheLimit) {
  QByteArray endless(8 << 20, '5');
  QBuffer buffer(&endless);
  ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
  const LoadedText loaded = ReadText(buffer, 603);
  EXPECT_EQ(loaded.bytes.size(), 603u);
  EXPECT_TRUE(loaded.tooLarge);
  EXPECT_LE(buffer.pos(), 604) << "not a byte more than the one that tells";
}

}  // namespace
}  // namespace zazuzar
