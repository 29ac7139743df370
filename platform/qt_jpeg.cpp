#include "qt_jpeg.h"

#include <QFile>

namespace ovalto {

QImage ToQImage(const RgbImage& image) {
  QImage out(image.Width, image.Height, QImage::Format_RGB888);
  const std::size_t stride = static_cast<std::size_t>(image.Width) * 3;
  for (int y = 0; y < image.Height; ++y) {
    std::copy_n(image.Pixels.data() + stride * static_cast<std::size_t>(y), stride, out.scanLine(y));
  }
  return out;
}

RgbImage FromQImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  RgbImage out;
  out.Width = rgb.width();
  out.Height = rgb.height();
  const std::size_t stride = static_cast<std::size_t>(out.Width) * 3;
  out.Pixels.resize(stride * static_cast<std::size_t>(out.Height));
  for (int y = 0; y < out.Height; ++y) {
    std::copy_n(rgb.constScanLine(y), stride, out.Pixels.data() + stride * static_cast<std::size_t>(y));
  }
  return out;
}

QImage LoadJpegResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  const auto image =
      DecodeJpeg(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
  return image ? ToQImage(*image) : QImage();
}

}  // namespace ovalto
