#include "JpegImage.h"

#include <QFile>
#include <QImageReader>

#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h uses FILE and size_t without including their headers

#include <jpeglib.h>

namespace zazuzar {
namespace {

// The largest picture accepted, so that a damaged header cannot ask for gigabytes.
constexpr JDIMENSION kMaxSide = 16384;
constexpr unsigned long long kMaxPixels = 64ull * 1024 * 1024;

// libjpeg reports through this manager. A fatal error jumps back into Decode() instead of ending
// the process; a warning (corrupt data, premature end of the file) does the same, since libjpeg
// would otherwise go on and fill the missing part with grey.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0) {
    JumpBack(cinfo);
  }
}

void Silent(j_common_ptr) {}

// Everything that must survive a jump back lives here, outside the frame that calls setjmp.
struct Decoder {
  jpeg_decompress_struct cinfo;
  ErrorManager errors;
  QImage image;
};

// libjpeg may jump out of any call below to the setjmp, so this function holds no object with a
// destructor of its own; the image it fills belongs to the caller.
bool Decode(Decoder& d, const unsigned char* bytes, unsigned long size) {
  d.cinfo.err = jpeg_std_error(&d.errors.pub);
  d.errors.pub.error_exit = JumpBack;
  d.errors.pub.emit_message = OnMessage;
  d.errors.pub.output_message = Silent;
  if (setjmp(d.errors.jump) != 0) {
    jpeg_destroy_decompress(&d.cinfo);
    return false;
  }
  jpeg_create_decompress(&d.cinfo);
  jpeg_mem_src(&d.cinfo, bytes, size);
  jpeg_read_header(&d.cinfo, TRUE);
  if (d.cinfo.image_width == 0 || d.cinfo.image_height == 0 || d.cinfo.image_width > kMaxSide ||
      d.cinfo.image_height > kMaxSide ||
      static_cast<unsigned long long>(d.cinfo.image_width) * d.cinfo.image_height > kMaxPixels) {
    jpeg_destroy_decompress(&d.cinfo);
    return false;
  }
  d.cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&d.cinfo);
  if (d.cinfo.output_components != 3) {
    jpeg_destroy_decompress(&d.cinfo);
    return false;
  }
  d.image = QImage(static_cast<int>(d.cinfo.output_width), static_cast<int>(d.cinfo.output_height),
                   QImage::Format_RGB888);
  if (d.image.isNull()) {
    jpeg_destroy_decompress(&d.cinfo);
    return false;
  }
  while (d.cinfo.output_scanline < d.cinfo.output_height) {
    JSAMPROW row = d.image.scanLine(static_cast<int>(d.cinfo.output_scanline));
    jpeg_read_scanlines(&d.cinfo, &row, 1);
  }
  jpeg_finish_decompress(&d.cinfo);
  jpeg_destroy_decompress(&d.cinfo);
  return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) {
    return {};
  }
  Decoder decoder;
  if (!Decode(decoder, reinterpret_cast<const unsigned char*>(data.constData()),
              static_cast<unsigned long>(data.size()))) {
    return {};
  }
  return decoder.image;
}

QImage LoadJpegResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  return DecodeJpeg(file.readAll());
}

QImage LoadPicture(const QString& path) {
  if (path.endsWith(QLatin1String(".jpg"))) {
    return LoadJpegResource(path);
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  // A reader left to guess the format would load every image-format plugin to ask it.
  QImageReader reader(&file, "png");
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

QString AtTwiceDensity(const QString& path) {
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  return QString(path).insert(dot < 0 ? path.size() : dot, QLatin1String("@2x"));
}

QImage LoadPictureFor(qreal devicePixelRatio, const QString& path) {
  if (devicePixelRatio >= 2) {
    QImage image = LoadPicture(AtTwiceDensity(path));
    if (!image.isNull()) {
      image.setDevicePixelRatio(2);
      return image;
    }
  }
  return LoadPicture(path);
}

}  // namespace zazuzar
