#include "canvas.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace pictures {

QColor SystemAccent(int page) {
  switch (page) {
    case 1:
      return palette::kHot;
    case 2:
      return palette::kCold;
    case 3:
      return palette::kAir;
    default:
      return palette::kProcess;
  }
}

QImage NewPicture(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void PreparePainter(QPainter& painter) {
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

QFont DrawingFont(double pixelSize, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()),
                channel(a.alpha(), b.alpha()));
}

namespace {

// Dark rim, broad highlight a little before the middle, darker far side.
template <typename Gradient>
void SetRoundProfile(Gradient& gradient, const QColor& base, double start, double end) {
  auto at = [start, end](double t) { return start + (end - start) * t; };
  gradient.setColorAt(at(0.0), base.darker(175));
  gradient.setColorAt(at(0.16), base.darker(108));
  gradient.setColorAt(at(0.40), base.lighter(138));
  gradient.setColorAt(at(0.52), base.lighter(118));
  gradient.setColorAt(at(0.80), base.darker(125));
  gradient.setColorAt(at(1.0), base.darker(185));
}

}  // namespace

QLinearGradient RoundShade(QPointF from, QPointF to, const QColor& base) {
  QLinearGradient gradient(from, to);
  SetRoundProfile(gradient, base, 0.0, 1.0);
  return gradient;
}

QRadialGradient BentRoundShade(QPointF centre, double inner, double outer, const QColor& base) {
  QRadialGradient gradient(centre, outer);
  gradient.setColorAt(0.0, base.darker(175));
  SetRoundProfile(gradient, base, inner / outer, 1.0);
  return gradient;
}

namespace {

// Three box passes approximate a Gaussian; only the alpha channel matters.
void BlurAlpha(std::vector<float>& alpha, int width, int height, int radius) {
  std::vector<float> line;
  auto pass = [&](int count, int length, auto index) {
    line.resize(length);
    for (int c = 0; c < count; ++c) {
      float sum = 0;
      for (int i = -radius; i <= radius; ++i) sum += alpha[index(c, std::clamp(i, 0, length - 1))];
      for (int i = 0; i < length; ++i) {
        line[i] = sum / (2 * radius + 1);
        sum += alpha[index(c, std::min(i + radius + 1, length - 1))] - alpha[index(c, std::max(i - radius, 0))];
      }
      for (int i = 0; i < length; ++i) alpha[index(c, i)] = line[i];
    }
  };
  for (int round = 0; round < 3; ++round) {
    pass(height, width, [width](int row, int x) { return row * width + x; });
    pass(width, height, [width](int column, int y) { return y * width + column; });
  }
}

}  // namespace

void DrawSoftShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, int radius, const QColor& colour) {
  const QRect box = shape.boundingRect().toAlignedRect().adjusted(-3 * radius, -3 * radius, 3 * radius, 3 * radius);
  QImage mask(box.size(), QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  {
    QPainter maskPainter(&mask);
    PreparePainter(maskPainter);
    maskPainter.translate(-box.topLeft());
    maskPainter.fillPath(shape, Qt::black);
  }
  std::vector<float> alpha(static_cast<std::size_t>(box.width()) * box.height());
  for (int y = 0; y < box.height(); ++y)
    for (int x = 0; x < box.width(); ++x) alpha[y * box.width() + x] = qAlpha(mask.pixel(x, y)) / 255.0f;
  BlurAlpha(alpha, box.width(), box.height(), std::max(1, radius / 2));
  for (int y = 0; y < box.height(); ++y) {
    for (int x = 0; x < box.width(); ++x) {
      const int a = static_cast<int>(std::lround(alpha[y * box.width() + x] * colour.alpha()));
      mask.setPixel(x, y, qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), a)));
    }
  }
  painter.drawImage(box.topLeft() + offset, mask);
}

void HatchArea(QPainter& painter, const QPainterPath& area, double spacing, const QColor& colour, double width) {
  const QRectF box = area.boundingRect();
  painter.save();
  painter.setClipPath(area, Qt::IntersectClip);
  painter.setPen(QPen(colour, width));
  for (double x = box.left() - box.height(); x < box.right(); x += spacing)
    painter.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
  painter.restore();
}

double Noise(int a, int b) {
  std::uint32_t h = static_cast<std::uint32_t>(a) * 374761393u + static_cast<std::uint32_t>(b) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFF) / 65535.0;
}

void FoamGrain(QPainter& painter, const QPainterPath& area, const QColor& base) {
  const QRect box = area.boundingRect().toAlignedRect();
  painter.save();
  painter.setClipPath(area, Qt::IntersectClip);
  painter.setPen(Qt::NoPen);
  const QColor pore = base.darker(118);
  const QColor gleam = base.lighter(112);
  for (int y = box.top(); y < box.bottom(); y += 3) {
    for (int x = box.left(); x < box.right(); x += 3) {
      const double n = Noise(x, y);
      if (n > 0.72) {
        painter.setBrush(n > 0.9 ? gleam : pore);
        const double r = 0.5 + Noise(y, x) * 0.7;
        painter.drawEllipse(QPointF(x + Noise(x + 7, y) * 2, y + Noise(x, y + 7) * 2), r, r);
      }
    }
  }
  painter.restore();
}

}  // namespace pictures
