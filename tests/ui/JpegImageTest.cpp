#include "ui/JpegImage.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace zazuzar {
namespace {

const QString kCodeTable = QStringLiteral(":/resources/codetable.jpg");

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int Byte(const QByteArray& data, qsizetype at) {
  return static_cast<unsigned char>(data[at]);
}

int Be16(const QByteArray& data, qsizetype at) {
  return Byte(data, at) << 8 | Byte(data, at + 1);
}

struct Segment {
  int marker;
  qsizetype payload;  // offset of the bytes after the length field
  int length;         // length field, which counts itself
};

// The marker segments from SOI up to the start of the scan.
std::vector<Segment> HeaderSegments(const QByteArray& jpeg) {
  std::vector<Segment> segments;
  qsizetype at = 2;
  while (at + 4 <= jpeg.size() && Byte(jpeg, at) == 0xff) {
    const int marker = Byte(jpeg, at + 1);
    const int length = Be16(jpeg, at + 2);
    segments.push_back({marker, at + 4, length});
    if (marker == 0xda) {
      break;
    }
    at += 2 + length;
  }
  return segments;
}

std::optional<Segment> Find(const std::vector<Segment>& segments, int marker) {
  for (const Segment& segment : segments) {
    if (segment.marker == marker) {
      return segment;
    }
  }
  return std::nullopt;
}

bool IsStartOfFrame(int marker) {
  return marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
}

TEST(CodeTablePicture, IsBaselineJfifWithThreeComponents) {
  const QByteArray jpeg = ReadAll(kCodeTable);
  ASSERT_GT(jpeg.size(), 4);
  EXPECT_EQ(Be16(jpeg, 0), 0xffd8);

  const std::vector<Segment> segments = HeaderSegments(jpeg);
  ASSERT_FALSE(segments.empty());
  EXPECT_EQ(segments.front().marker, 0xe0) << "APP0 must follow SOI";
  EXPECT_EQ(jpeg.mid(segments.front().payload, 5), QByteArray("JFIF", 5));
  ASSERT_TRUE(Find(segments, 0xda).has_value()) << "no scan";

  int frames = 0;
  for (const Segment& segment : segments) {
    if (IsStartOfFrame(segment.marker)) {
      ++frames;
      EXPECT_EQ(segment.marker, 0xc0) << "not baseline: SOF" << (segment.marker - 0xc0);
    }
  }
  EXPECT_EQ(frames, 1);
  const auto sof = Find(segments, 0xc0);
  ASSERT_TRUE(sof.has_value());
  EXPECT_EQ(Byte(jpeg, sof->payload), 8) << "sample precision";
  EXPECT_EQ(Be16(jpeg, sof->payload + 1), 172) << "height";
  EXPECT_EQ(Be16(jpeg, sof->payload + 3), 431) << "width";
  EXPECT_EQ(Byte(jpeg, sof->payload + 5), 3) << "components";
}

TEST(CodeTablePicture, DecodesToItsSize) {
  const QImage image = LoadJpegResource(kCodeTable);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(431, 172));
  EXPECT_EQ(image.format(), QImage::Format_RGB888);
}

enum class Shade { Yellow, Green, Rule };

bool Matches(QColor c, Shade shade) {
  const int r = c.red(), g = c.green(), b = c.blue();
  switch (shade) {
    case Shade::Yellow:
      return r > 215 && g > 215 && b < 170 && b > 80;
    case Shade::Green:
      return g > 190 && r < 170 && b < 170 && g - r > 50;
    case Shade::Rule:
      return r < 170 && g < 170 && b < 170 && r > 90 && std::abs(r - g) < 25 &&
             std::abs(g - b) < 25;
  }
  return false;
}

struct Point {
  const char* where;
  int x;
  int y;
  Shade shade;
};
void PrintTo(const Point& p, std::ostream* out) {
  *out << p.where;
}

class CodeTableColour : public testing::TestWithParam<Point> {};

TEST_P(CodeTableColour, IsAsDrawn) {
  static const QImage image = LoadJpegResource(kCodeTable);
  ASSERT_FALSE(image.isNull());
  const Point& p = GetParam();
  const QColor c = image.pixelColor(p.x, p.y);
  EXPECT_TRUE(Matches(c, p.shade)) << p.where << " at " << p.x << "," << p.y << " is " << c.red()
                                   << "," << c.green() << "," << c.blue();
}

INSTANTIATE_TEST_SUITE_P(
    Points, CodeTableColour,
    testing::Values(Point{"row 1, first cell", 4, 4, Shade::Yellow},
                    Point{"row 1, empty part", 380, 20, Shade::Yellow},
                    Point{"row 2, first cell", 4, 46, Shade::Yellow},
                    Point{"row 2, last cell", 426, 80, Shade::Yellow},
                    Point{"row 3, first cell", 4, 89, Shade::Yellow},
                    Point{"row 3, last cell", 426, 123, Shade::Yellow},
                    Point{"row 4, first cell", 4, 131, Shade::Green},
                    Point{"row 4, last cell", 426, 165, Shade::Green},
                    Point{"row 4, last row the window shows", 200, 168, Shade::Green},
                    Point{"rule between rows 3 and 4", 200, 127, Shade::Rule},
                    Point{"bottom rule, below what the window shows", 200, 169, Shade::Rule},
                    Point{"left rule", 0, 60, Shade::Rule},
                    Point{"rule between cells", 43, 100, Shade::Rule}));

// Every filled cell carries black writing; the empty part of row 1 carries none.
TEST(CodeTablePicture, WritingOnlyInFilledCells) {
  const QImage image = LoadJpegResource(kCodeTable);
  ASSERT_FALSE(image.isNull());
  const int rowTops[] = {0, 42, 85, 127, 169};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 10; ++column) {
      int ink = 0;
      for (int y = rowTops[row] + 3; y < rowTops[row + 1] - 2; ++y) {
        for (int x = column * 43 + 3; x < column * 43 + 41; ++x) {
          ink += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
        }
      }
      const bool filled = row > 0 || column < 7;
      if (filled) {
        EXPECT_GT(ink, 8) << "row " << row + 1 << ", cell " << column + 1;
      } else {
        EXPECT_EQ(ink, 0) << "row 1, cell " << column + 1;
      }
    }
  }
}

QByteArray WithByte(QByteArray data, qsizetype at, char value) {
  data[at] = value;
  return data;
}

struct BadData {
  const char* name;
  QByteArray bytes;
};

void PrintTo(const BadData& bad, std::ostream* out) {
  *out << bad.name;
}

std::vector<BadData> BadDataCases() {
  const QByteArray jpeg = ReadAll(kCodeTable);
  const std::vector<Segment> segments = HeaderSegments(jpeg);
  const auto sof = Find(segments, 0xc0);
  const qsizetype sofAt = sof ? sof->payload : 0;
  const auto dqt = Find(segments, 0xdb);
  const qsizetype dqtLengthAt = dqt ? dqt->payload - 2 : 0;
  return {
      {"empty", QByteArray()},
      {"one byte", QByteArray(1, '\xff')},
      {"start marker only", QByteArray("\xff\xd8", 2)},
      {"text", QByteArray("Zahl 89, Code 6")},
      {"PNG signature", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
      {"cut after 100 bytes", jpeg.left(100)},
      {"cut in the middle of the scan", jpeg.left(jpeg.size() / 2)},
      {"end marker missing", jpeg.left(jpeg.size() - 2)},
      {"width zero", WithByte(WithByte(jpeg, sofAt + 3, 0), sofAt + 4, 0)},
      {"four components claimed", WithByte(jpeg, sofAt + 5, 4)},
      {"quantisation table too long", WithByte(jpeg, dqtLengthAt, '\x7f')},
      {"start marker damaged", WithByte(jpeg, 1, '\x00')},
      {"all zeros", QByteArray(4096, '\0')},
  };
}

class BadJpeg : public testing::TestWithParam<BadData> {};

TEST_P(BadJpeg, GivesNullImage) {
  EXPECT_TRUE(DecodeJpeg(GetParam().bytes).isNull());
}

INSTANTIATE_TEST_SUITE_P(Cases, BadJpeg, testing::ValuesIn(BadDataCases()),
                         [](const testing::TestParamInfo<BadData>& info) {
                           std::string name;
                           for (const char c : std::string(info.param.name)) {
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           }
                           return name;
                         });

TEST(LoadJpegResource, MissingOrNotJpegGivesNullImage) {
  EXPECT_TRUE(LoadJpegResource(QStringLiteral(":/resources/no-such-picture.jpg")).isNull());
  EXPECT_TRUE(LoadJpegResource(QStringLiteral(":/resources/icon32.png")).isNull());
}

// Pictures of other sizes and kinds, encoded by libjpeg (a Qt may come without a JPEG writer, as
// the Windows build's does): the rows come out in order and at their full width, including rows
// whose length is not a multiple of four bytes.
struct OtherPicture {
  const char* name;
  int width;
  int height;
  QImage::Format format;
};
void PrintTo(const OtherPicture& p, std::ostream* out) {
  *out << p.name;
}

QByteArray EncodeJpeg(const QImage& picture) {
  const bool grey = picture.format() == QImage::Format_Grayscale8;
  const QImage rows = grey ? picture : picture.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = static_cast<JDIMENSION>(rows.width());
  info.image_height = static_cast<JDIMENSION>(rows.height());
  info.input_components = grey ? 1 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uchar*>(rows.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  const QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
  std::free(out);
  return bytes;
}

class OtherJpeg : public testing::TestWithParam<OtherPicture> {};

TEST_P(OtherJpeg, DecodesSizeAndColours) {
  const OtherPicture& p = GetParam();
  const bool grey = p.format == QImage::Format_Grayscale8;
  const QColor top = grey ? QColor(40, 40, 40) : QColor(200, 30, 60);
  const QColor bottom = grey ? QColor(220, 220, 220) : QColor(20, 90, 230);
  // The top half in one colour, the rest in another: far enough apart in the larger pictures that
  // the subsampled colour of the first and the last pixel is their own.
  QImage source(p.width, p.height, p.format);
  source.fill(bottom);
  for (int y = 0; y < p.height / 2; ++y) {
    for (int x = 0; x < p.width; ++x) {
      source.setPixelColor(x, y, top);
    }
  }
  const QImage image = DecodeJpeg(EncodeJpeg(source));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(p.width, p.height));
  EXPECT_EQ(image.format(), QImage::Format_RGB888);
  auto near = [](QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
  };
  const QColor first = image.pixelColor(0, 0);
  const QColor last = image.pixelColor(p.width - 1, p.height - 1);
  EXPECT_TRUE(near(first, p.height > 1 ? top : bottom)) << first.name().toStdString();
  EXPECT_TRUE(near(last, bottom)) << last.name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, OtherJpeg,
    testing::Values(OtherPicture{"colour_13x18", 13, 18, QImage::Format_RGB32},
                    OtherPicture{"colour_1x1", 1, 1, QImage::Format_RGB32},
                    OtherPicture{"colour_wide_301x32", 301, 32, QImage::Format_RGB32},
                    OtherPicture{"grey_9x34", 9, 34, QImage::Format_Grayscale8}),
    [](const testing::TestParamInfo<OtherPicture>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zazuzar
