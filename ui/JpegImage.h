// Decoding of the window's pictures: the code table (JPEG, through libjpeg), the button glyphs and
// the icon (PNG), each at normal density or, on a high-density screen, at twice the size.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zazuzar {

// Decodes a JPEG file held in memory with libjpeg. Returns an RGB888 image of the picture's size,
// or a null image when the data is empty, damaged, cut short or not a JPEG at all; libjpeg's
// warnings about damaged data count as failures too.
QImage DecodeJpeg(const QByteArray& data);

// Reads a JPEG file or Qt resource (":/resources/...") and decodes it; a null image when it cannot
// be read or decoded.
QImage LoadJpegResource(const QString& path);

// Reads a JPEG or PNG picture (by its extension) from a file or Qt resource. PNG goes through Qt's
// built-in reader, named, so that no image-format plugin is asked for it. A null image when the
// picture cannot be read or decoded.
QImage LoadPicture(const QString& path);

// The picture to show on a screen with `devicePixelRatio`: from 2 on, the "@2x" variant of `path`
// ("glyph_key.png" -> "glyph_key@2x.png"), twice as many pixels marked with a device pixel ratio of
// 2, so that it keeps its size on the screen; otherwise, or when there is no variant, `path`
// itself.
QImage LoadPictureFor(qreal devicePixelRatio, const QString& path);

// "name.ext" -> "name@2x.ext"
QString AtTwiceDensity(const QString& path);

}  // namespace zazuzar
