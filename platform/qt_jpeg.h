#pragma once

#include <QImage>
#include <QString>

#include "jpeg.h"

namespace ovalto {

QImage ToQImage(const RgbImage& image);
RgbImage FromQImage(const QImage& image);

// A JPEG picture of the program's resources, decoded by libjpeg; a null
// image when the resource is missing or damaged.
QImage LoadJpegResource(const QString& path);

}  // namespace ovalto
