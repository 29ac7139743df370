#include "tree_images.h"

#include <array>

#include "qt_jpeg.h"
#include "tree/project_tree.h"

namespace ovalto {

QIcon TreeImage(int index) {
  static const std::array<QIcon, kTreeImageCount> images = [] {
    std::array<QIcon, kTreeImageCount> loaded;
    for (int i = 0; i < kTreeImageCount; ++i) {
      const QImage image = LoadJpegResource(QStringLiteral(":/pictures/tree_%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
      // The same picture selected or not: the tree's selection is its frame.
      if (!image.isNull()) loaded[static_cast<size_t>(i)].addPixmap(QPixmap::fromImage(image), QIcon::Selected);
      if (!image.isNull()) loaded[static_cast<size_t>(i)].addPixmap(QPixmap::fromImage(image), QIcon::Normal);
    }
    return loaded;
  }();
  return index >= 0 && index < kTreeImageCount ? images[static_cast<size_t>(index)] : QIcon();
}

}  // namespace ovalto
