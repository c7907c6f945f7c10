// Draws the program's pictures: the code-table picture (JPEG) and the six button glyphs, each also
// at twice the size for high-density screens ("name@2x.png"), and the punched-tape icon at the
// sizes the window and the desktop use, and as SVG.
// Run as `draw_resources <output-folder>`; the output is the same on every run.

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

#include <jpeglib.h>

namespace {

QTextStream& Err() {
  static QTextStream stream(stderr);
  return stream;
}

// ---------------------------------------------------------------------------------------------
// Code table

constexpr int kTableWidth = 431;
constexpr int kTableHeight = 172;
constexpr int kColumns = 10;
constexpr int kRows = 4;
constexpr int kCellPitch = 43;  // 10 cells of 42 pixels between 11 rules of one pixel
// Horizontal rules. The window shows the top 169 rows only: the lowest rule lies just below.
constexpr std::array<int, kRows + 1> kRuleY = {0, 42, 85, 127, 169};

const QColor kPaper(255, 255, 255);
const QColor kRule(128, 128, 128);
const QColor kYellow(255, 255, 128);
const QColor kGreen(128, 224, 128);
const QColor kInk(0, 0, 0);

struct Cell {
  const char* sign;  // UTF-8
  const char* code;
};

// Row 1 has seven cells; the rest of it stays empty.
const std::array<std::vector<Cell>, kRows> kTable = {{
    {{"A", "0"}, {"E", "1"}, {"I", "2"}, {"N", "3"}, {"R", "4"}, {"S", "5"}, {"Code", "6"}},
    {{"Ä", "70"},
     {"B", "71"},
     {"C", "72"},
     {"D", "73"},
     {"F", "74"},
     {"G", "75"},
     {"H", "76"},
     {"J", "77"},
     {"K", "78"},
     {"L", "79"}},
    {{"M", "80"},
     {"O", "81"},
     {"Ö", "82"},
     {"P", "83"},
     {"Q", "84"},
     {"ß", "85"},
     {"T", "86"},
     {"U", "87"},
     {"Ü", "88"},
     {"Zahl", "89"}},
    {{"•", "90"},
     {"≠", "91"},
     {"—", "92"},
     {":", "93"},
     {"()", "94"},
     {"V", "95"},
     {"W", "96"},
     {"X", "97"},
     {"Y", "98"},
     {"Z", "99"}},
}};

constexpr const char* kSerifFile =
    "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf";
constexpr const char* kSerifFamily = "Liberation Serif";

// Returns the serif face at the given pixel size, or an empty family when it is missing or lacks
// one of the table's characters (a fallback face would make the picture differ between machines).
QFont SerifFont(int pixelSize) {
  QFont font(QString::fromLatin1(kSerifFamily));
  font.setPixelSize(pixelSize);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

bool SerifFontUsable() {
  if (QFile::exists(QString::fromLatin1(kSerifFile))) {
    QFontDatabase::addApplicationFont(QString::fromLatin1(kSerifFile));
  }
  const QFont font = SerifFont(18);
  if (QFontInfo(font).family() != QString::fromLatin1(kSerifFamily)) {
    Err() << "draw_resources: font \"" << kSerifFamily << "\" not found (fonts-liberation2)\n";
    return false;
  }
  const QFontMetrics metrics(font);
  for (const auto& row : kTable) {
    for (const Cell& cell : row) {
      for (const char32_t c : QString::fromUtf8(cell.sign).toUcs4()) {
        if (!metrics.inFontUcs4(c)) {
          Err() << "draw_resources: \"" << kSerifFamily << "\" lacks U+"
                << QString::number(c, 16).toUpper() << "\n";
          return false;
        }
      }
    }
  }
  return true;
}

// `scale` 1 draws the picture the window shows at normal density, 2 the same picture at twice
// the size, with its rules twice as thick and its type twice as large.
QImage DrawCodeTable(int scale) {
  QImage image(kTableWidth * scale, kTableHeight * scale, QImage::Format_RGB32);
  image.fill(kPaper);

  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  auto box = [scale](int left, int top, int width, int height) {
    return QRect(left * scale, top * scale, width * scale, height * scale);
  };

  const int right = kColumns * kCellPitch;  // x of the right-hand rule
  for (int row = 0; row < kRows; ++row) {
    const QColor fill = row < 3 ? kYellow : kGreen;
    painter.fillRect(box(0, kRuleY[row], right + 1, kRuleY[row + 1] - kRuleY[row] + 1), fill);
  }

  // Rules: all horizontal ones, and the vertical ones except inside the empty part of row 1.
  for (const int y : kRuleY) {
    painter.fillRect(box(0, y, right + 1, 1), kRule);
  }
  const int filledInRow1 = static_cast<int>(kTable[0].size());
  for (int column = 0; column <= kColumns; ++column) {
    const int x = column * kCellPitch;
    const bool inEmptyPart = column > filledInRow1 && column < kColumns;
    const int top = inEmptyPart ? kRuleY[1] : kRuleY[0];
    painter.fillRect(box(x, top, 1, kRuleY[kRows] - top + 1), kRule);
  }

  const QFont signFont = SerifFont(18 * scale);
  const QFont codeFont = SerifFont(16 * scale);
  const QFont wordFont = SerifFont(15 * scale);
  painter.setPen(kInk);
  for (int row = 0; row < kRows; ++row) {
    const int top = kRuleY[row] + 1;
    const int height = kRuleY[row + 1] - top;
    const int half = height / 2;
    for (std::size_t column = 0; column < kTable[row].size(); ++column) {
      const Cell& cell = kTable[row][column];
      const QString sign = QString::fromUtf8(cell.sign);
      const int left = static_cast<int>(column) * kCellPitch + 1;
      const QRect signBox = box(left, top + 1, kCellPitch - 1, half);
      const QRect codeBox = box(left, top + half - 1, kCellPitch - 1, height - half);
      painter.setFont(sign.size() > 2 ? wordFont : signFont);
      painter.drawText(signBox, Qt::AlignHCenter | Qt::AlignBottom, sign);
      painter.setFont(codeFont);
      painter.drawText(codeBox, Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(cell.code));
    }
  }
  painter.end();
  return image;
}

// Writes a baseline JFIF file with three components and full-resolution colour, so that the
// thin rules and the letters on the coloured cells stay crisp.
bool WriteJpeg(const QImage& picture, const QString& path, int quality, int scale) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
  if (file == nullptr) {
    Err() << "draw_resources: cannot write " << path << "\n";
    return false;
  }
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);  // a failure ends the tool with libjpeg's message
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  cinfo.write_JFIF_header = TRUE;
  cinfo.density_unit = 1;  // dots per inch
  cinfo.X_density = static_cast<UINT16>(96 * scale);
  cinfo.Y_density = static_cast<UINT16>(96 * scale);
  for (int c = 0; c < cinfo.num_components; ++c) {
    cinfo.comp_info[c].h_samp_factor = 1;
    cinfo.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(file) == 0;
}

// ---------------------------------------------------------------------------------------------
// Button glyphs: 16 x 16 pixel art in the 16 colours of the VGA palette (in the order and shades
// Windows uses), the enabled picture and the disabled one side by side.

constexpr int kGlyphSize = 16;

// Palette index 0 is the transparent background; 1 to 16 are the VGA colours. The disabled
// picture keeps the "ink" colours (outlines, writing, the arrow) and drops the fills: the light
// ones, the olive that shades yellow and the navy of the diskette.
constexpr int kTransparent = 0;
struct PaletteEntry {
  char key;
  QRgb rgb;
  bool ink;
};
constexpr std::array<PaletteEntry, 16> kVga = {{
    {'K', 0xff000000, true},   // black
    {'m', 0xff800000, true},   // maroon
    {'g', 0xff008000, true},   // green
    {'o', 0xff808000, false},  // olive
    {'n', 0xff000080, false},  // navy (the diskette's body)
    {'p', 0xff800080, true},   // purple
    {'t', 0xff008080, true},   // teal
    {'s', 0xffc0c0c0, false},  // silver
    {'d', 0xff808080, true},   // grey
    {'R', 0xffff0000, true},   // red
    {'L', 0xff00ff00, false},  // lime
    {'Y', 0xffffff00, false},  // yellow
    {'B', 0xff0000ff, true},   // blue
    {'F', 0xffff00ff, false},  // fuchsia
    {'A', 0xff00ffff, false},  // aqua
    {'W', 0xffffffff, false},  // white
}};
constexpr int IndexOf(char key) {
  for (std::size_t i = 0; i < kVga.size(); ++i) {
    if (kVga[i].key == key) {
      return static_cast<int>(i) + 1;
    }
  }
  return kTransparent;  // '.'
}
const int kGreyIndex = IndexOf('d');
const int kWhiteIndex = IndexOf('W');

using GlyphArt = std::array<std::string_view, kGlyphSize>;

// A yellow key, bow on the left, bit on the right.
constexpr GlyphArt kKeyArt = {
    "................",  //
    "................",  //
    "................",  //
    "..KKKK..........",  //
    ".KYYYYK.........",  //
    "KYYKKYYK........",  //
    "KYK..KYKKKKKKKKK",  //
    "KYK..KYYYYYYYYYK",  //
    "KYoKKYoYYYYYYYYK",  //
    ".KYooooKKKYoKYoK",  //
    "..KKKK...KYoKYoK",  //
    ".........KKKKYoK",  //
    "............KKKK",  //
    "................",  //
    "................",  //
    "................",  //
};

// Three written pages, one behind the other.
constexpr GlyphArt kPagesArt = {
    "KKKKKKKKK.......",  //
    "KWWWWWWWK.......",  //
    "KWdKKKKKKKKK....",  //
    "KWWKWWWWWWWK....",  //
    "KWdKWdKKKKKKKKKK",  //
    "KWWKWWKWWWWWWWWK",  //
    "KWdKWdKWddddddWK",  //
    "KWWKWWKWWWWWWWWK",  //
    "KWdKWdKWdddddWWK",  //
    "KWWKWWKWWWWWWWWK",  //
    "KKKKWdKWddddddWK",  //
    "...KWWKWWWWWWWWK",  //
    "...KKKKWddddWWWK",  //
    "......KWWWWWWWWK",  //
    "......KWWWWWWWWK",  //
    "......KKKKKKKKKK",  //
};

// A written page, a red arrow pointing down into a diskette.
constexpr GlyphArt kSaveArt = {
    "KKKKKKK..RRR....",  //
    "KWWWWWK..RRR....",  //
    "KWddddK..RRR....",  //
    "KWWWWWKRRRRRRR..",  //
    "KWdddWK.RRRRR...",  //
    "KWWWWWK..RRR....",  //
    "KWddWKKKKKRKKKKK",  //
    "KWWWWKnsssssssnK",  //
    "KWddWKnsssKKssnK",  //
    "KKKKKKnsssKKssnK",  //
    ".....KnsssssssnK",  //
    ".....KnnnnnnnnnK",  //
    ".....KnWWWWWWWnK",  //
    ".....KnWdddddWnK",  //
    ".....KnWWWWWWWnK",  //
    ".....KKKKKKKKKKK",  //
};

// A written page over an open yellow folder.
constexpr GlyphArt kOpenArt = {
    "................",  //
    "....KKKKKKKK....",  //
    "....KWWWWWWK....",  //
    ".KKKKWddddWK....",  //
    "KYYYKWWWWWWK....",  //
    "KYYYKWddddWKKKK.",  //
    "KYYYKWWWWWWKYYK.",  //
    "KYYYKWddddWKYYK.",  //
    "KYYKKKKKKKKKKKKK",  //
    "KYKYYYYYYYYYYYYK",  //
    "KYKYYYYYYYYYYYK.",  //
    "KKYYYYYYYYYYYoK.",  //
    "KKYYYYYYYYYYoK..",  //
    "KYYYYYYYYYYYoK..",  //
    "KKKKKKKKKKKKK...",  //
    "................",  //
};

// A printer with a written page in it.
constexpr GlyphArt kPrinterArt = {
    "................",  //
    "................",  //
    "...KKKKKKKK.....",  //
    "...KWWWWWWK.....",  //
    "...KWddddWK.....",  //
    "...KWWWWWWK.....",  //
    "...KWddddWK.....",  //
    ".KKKWWWWWWKKKKK.",  //
    "KsssKKKKKKKssssK",  //
    "KWssssssssssssdK",  //
    "KKKKKKKKKKKKKKKK",  //
    "KsssssssssssLsdK",  //
    "KsssssssssssssdK",  //
    "KddddddddddddddK",  //
    "KKKKKKKKKKKKKKKK",  //
    "................",  //
};

// A white keypad at a slant with black and grey keys.
constexpr GlyphArt kKeypadArt = {
    "................",  //
    "...KKKKKKKKKKKK.",  //
    "...KWWWWWWWWWWK.",  //
    "...KWddWddWddWK.",  //
    "...KWddWddWddWK.",  //
    "...KWWWWWWWWWWK.",  //
    "..KWKKWKKWddWK..",  //
    "..KWKKWKKWddWK..",  //
    "..KWWWWWWWWWWK..",  //
    ".KWKKWKKWddWK...",  //
    ".KWKKWKKWddWK...",  //
    ".KWWWWWWWWWWK...",  //
    "KWKKWKKWddWK....",  //
    "KWKKWKKWddWK....",  //
    "KWWWWWWWWWWK....",  //
    "KKKKKKKKKKKK....",  //
};

QImage GlyphImage(int size) {
  QImage image(2 * size, size, QImage::Format_Indexed8);
  QList<QRgb> colours;
  colours.append(qRgba(0, 0, 0, 0));
  for (const PaletteEntry& entry : kVga) {
    colours.append(entry.rgb);
  }
  image.setColorTable(colours);
  image.fill(kTransparent);
  return image;
}

bool IsInk(int index) {
  return index != kTransparent && kVga[static_cast<std::size_t>(index - 1)].ink;
}

// Left half: the picture, each pixel of the art a square of `scale` pixels. Right half: its ink in
// flat grey over a white copy shifted one pixel down and right, the embossed look of a disabled
// button; at twice the size the shift stays one pixel, a finer relief.
bool BuildGlyph(const GlyphArt& art, int scale, QImage& image) {
  const int size = kGlyphSize * scale;
  image = GlyphImage(size);
  for (int y = 0; y < kGlyphSize; ++y) {
    const std::string_view line = art[static_cast<std::size_t>(y)];
    if (line.size() != kGlyphSize) {
      return false;
    }
    for (int x = 0; x < kGlyphSize; ++x) {
      const char key = line[static_cast<std::size_t>(x)];
      const int index = IndexOf(key);
      if (index == kTransparent && key != '.') {
        return false;
      }
      for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx) {
          image.setPixel(x * scale + dx, y * scale + dy, static_cast<uint>(index));
        }
      }
    }
  }
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (IsInk(image.pixelIndex(x, y)) && x + 1 < size && y + 1 < size) {
        image.setPixel(size + x + 1, y + 1, static_cast<uint>(kWhiteIndex));
      }
    }
  }
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (IsInk(image.pixelIndex(x, y))) {
        image.setPixel(size + x, y, static_cast<uint>(kGreyIndex));
      }
    }
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Icon: a strip of five-hole punched tape; the feed holes run between the second and the third
// track. At 16, 24 and 32 pixels, the window's own sizes, black holes on white filling the square,
// each placed on whole pixels so that the holes stay sharp. From 48 pixels up, and as SVG, the
// same tape as an object: a strip of paper with room around it, on a transparent ground, so that
// it reads on light and dark panels alike.

// Which of the five tracks are punched, column by column (bit 0 = top track); longer strips
// repeat the columns.
constexpr std::array<int, 6> kTapeColumns = {0b11011, 0b00110, 0b10101, 0b01101, 0b11100, 0b10011};

struct TapeLayout {
  int size;
  int hole;                   // side of a data hole
  int feed;                   // side of a feed hole
  std::array<int, 5> trackY;  // top of each track
  int feedY;
  int firstX;
  int pitchX;
  int columns;
  int edge;  // thickness of the black lines along the tape's edges, 0 for none
};

constexpr TapeLayout kTape16 = {16, 2, 1, {0, 3, 8, 11, 14}, 6, 1, 4, 4, 0};
constexpr TapeLayout kTape24 = {24, 3, 1, {1, 5, 11, 15, 19}, 9, 2, 4, 5, 0};
constexpr TapeLayout kTape32 = {32, 4, 2, {3, 8, 16, 21, 26}, 13, 2, 6, 5, 1};
// The object: the holes of the 32-pixel layout, twelve columns of them.
constexpr TapeLayout kStrip = {32, 4, 2, {3, 8, 16, 21, 26}, 13, 6, 6, 12, 0};

// Calls box(left, top, width, height) for every black rectangle of the tape.
template <typename Box>
void ForEachTapeBox(const TapeLayout& tape, Box box) {
  if (tape.edge > 0) {
    box(0, 0, tape.size, tape.edge);
    box(0, tape.size - tape.edge, tape.size, tape.edge);
  }
  for (int column = 0; column < tape.columns; ++column) {
    const int left = tape.firstX + column * tape.pitchX;
    const int bits = kTapeColumns[static_cast<std::size_t>(column) % kTapeColumns.size()];
    for (int track = 0; track < 5; ++track) {
      if ((bits >> track) & 1) {
        box(left, tape.trackY[static_cast<std::size_t>(track)], tape.hole, tape.hole);
      }
    }
    box(left + (tape.hole - tape.feed) / 2, tape.feedY, tape.feed, tape.feed);
  }
}

QImage DrawTape(const TapeLayout& tape) {
  QImage image(tape.size, tape.size, QImage::Format_Mono);
  image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  image.fill(0);
  ForEachTapeBox(tape, [&](int left, int top, int width, int height) {
    for (int y = std::max(top, 0); y < std::min(top + height, tape.size); ++y) {
      for (int x = std::max(left, 0); x < std::min(left + width, tape.size); ++x) {
        image.setPixel(x, y, 1);
      }
    }
  });
  return image;
}

// The object on a grid of 128 units: the strip, cut at a slant at its start and torn off at its
// end, turned a little and lying a little above its shadow. Each part is a path, with the colour
// that fills it and that of its rim.
constexpr double kObjectGrid = 128;
constexpr double kRimWidth = 1.5;  // in the pictures never under one pixel
struct ObjectPart {
  QPainterPath path;
  QColor fill;
  QColor rim;  // none when invalid
};

std::array<ObjectPart, 3> TapeObject() {
  const double length = 80, width = kStrip.size, slant = 4, tear = 1.5;
  QPolygonF outline(QList<QPointF>{{slant, 0}, {length, 0}});
  for (int i = 1; i <= 12; ++i) {  // six teeth
    outline.append({length - (i % 2) * tear, width * i / 12});
  }
  outline.append({0, width});
  QPainterPath paper;
  paper.addPolygon(outline);
  paper.closeSubpath();
  QPainterPath holes;
  ForEachTapeBox(kStrip, [&](int left, int top, int w, int h) { holes.addRect(left, top, w, h); });
  QTransform place;
  place.translate(64, 62).rotate(-20).scale(1.3, 1.3).translate(-length / 2, -width / 2);
  paper = place.map(paper);
  return {{{paper.translated(1, 3), QColor(0, 0, 0, 60), QColor()},
           {paper, QColor(0xf4, 0xea, 0xcb), QColor(0x7a, 0x68, 0x44)},
           {place.map(holes), QColor(0x20, 0x20, 0x20), QColor()}}};
}

QImage DrawTapeObject(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kObjectGrid, size / kObjectGrid);
  const double rim = std::max(kRimWidth, kObjectGrid / size);
  for (const ObjectPart& part : TapeObject()) {
    painter.setPen(part.rim.isValid()
                       ? QPen(part.rim, rim, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin)
                       : QPen(Qt::NoPen));
    painter.setBrush(part.fill);
    painter.drawPath(part.path);
  }
  return image;
}

// The same object as SVG, for the sizes between.
QByteArray TapeObjectSvg() {
  const auto number = [](double value) { return QByteArray::number(value, 'f', 2); };
  const auto colour = [&](const QColor& c) {
    return c.name().toLatin1() + (c.alpha() < 255 ? "\" fill-opacity=\"" + number(c.alphaF()) : "");
  };
  const QByteArray size = QByteArray::number(kObjectGrid);
  QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size + "\" height=\"" +
                   size + "\" viewBox=\"0 0 " + size + " " + size + "\">\n";
  for (const ObjectPart& part : TapeObject()) {
    QByteArray d;
    for (int i = 0; i < part.path.elementCount(); ++i) {
      const QPainterPath::Element e = part.path.elementAt(i);
      d += (e.isMoveTo() ? (i > 0 ? "ZM" : "M") : "L") + number(e.x) + " " + number(e.y);
    }
    svg += "<path fill=\"" + colour(part.fill) + "\"";
    if (part.rim.isValid()) {
      svg += " stroke=\"" + colour(part.rim) + "\" stroke-width=\"" + number(kRimWidth) +
             "\" stroke-linejoin=\"round\"";
    }
    svg += " d=\"" + d + "Z\"/>\n";
  }
  return svg + "</svg>\n";
}

// "name.png" -> "name@2x.png"
QString AtTwice(const QString& name) {
  return QString(name).insert(name.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
}

bool Save(const QImage& image, const QString& path) {
  QImageWriter writer(path, "png");
  if (!writer.write(image)) {
    Err() << "draw_resources: cannot write " << path << ": " << writer.errorString() << "\n";
    return false;
  }
  return true;
}

bool SaveBytes(const QByteArray& bytes, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    Err() << "draw_resources: cannot write " << path << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 2) {
    Err() << "usage: draw_resources <output-folder>\n";
    return 2;
  }
  const QDir out(args[1]);
  if (!out.exists() && !QDir().mkpath(out.path())) {
    Err() << "draw_resources: cannot create " << out.path() << "\n";
    return 1;
  }

  if (!SerifFontUsable()) {
    return 1;
  }
  bool ok = WriteJpeg(DrawCodeTable(1), out.filePath("codetable.jpg"), 92, 1);
  ok = WriteJpeg(DrawCodeTable(2), out.filePath("codetable@2x.jpg"), 92, 2) && ok;

  const struct {
    const char* name;
    const GlyphArt* art;
  } glyphs[] = {
      {"glyph_key.png", &kKeyArt},         {"glyph_pages.png", &kPagesArt},
      {"glyph_save.png", &kSaveArt},       {"glyph_open.png", &kOpenArt},
      {"glyph_printer.png", &kPrinterArt}, {"glyph_keypad.png", &kKeypadArt},
  };
  for (const auto& glyph : glyphs) {
    QImage image;
    QImage twice;
    if (!BuildGlyph(*glyph.art, 1, image) || !BuildGlyph(*glyph.art, 2, twice)) {
      Err() << "draw_resources: bad pixel art for " << glyph.name << "\n";
      return 1;
    }
    const QString name = QString::fromLatin1(glyph.name);
    ok = Save(image, out.filePath(name)) && ok;
    ok = Save(twice, out.filePath(AtTwice(name))) && ok;
  }

  // The window's icon at 16 and 32 pixels (twice the density doubles each pixel of the 32), the
  // same at 24 for the desktop's small places; the object at the sizes that desktops and software
  // centres look for, and as SVG for the sizes between.
  const struct {
    int size;
    QImage image;
  } icons[] = {
      {16, DrawTape(kTape16)},    {24, DrawTape(kTape24)},  {32, DrawTape(kTape32)},
      {48, DrawTapeObject(48)},   {64, DrawTapeObject(64)}, {128, DrawTapeObject(128)},
      {256, DrawTapeObject(256)},
  };
  for (const auto& icon : icons) {
    ok = Save(icon.image, out.filePath(QStringLiteral("icon%1.png").arg(icon.size))) && ok;
  }
  ok = SaveBytes(TapeObjectSvg(), out.filePath(QStringLiteral("icon.svg"))) && ok;
  return ok ? 0 : 1;
}
