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

}  // namespace zazuzar
