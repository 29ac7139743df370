#include "emblem.h"

#include <QRadialGradient>

#include "canvas.h"

namespace pictures {

void DrawEmblem(QPainter& painter, QPointF centre, double radius) {
  painter.save();
  painter.setPen(Qt::NoPen);
  auto disc = [&](double r, const QColor& colour, double light) {
    QRadialGradient shade(centre + QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    shade.setColorAt(0, colour.lighter(static_cast<int>(100 + light)));
    shade.setColorAt(1, colour.darker(static_cast<int>(100 + light)));
    painter.setBrush(shade);
    painter.drawEllipse(centre, r, r);
  };
  disc(radius, palette::kFoil, 30);
  disc(radius * 0.88, palette::kFoamSection, 18);
  FoamGrain(
      painter,
      [&] {
        QPainterPath ring;
        ring.addEllipse(centre, radius * 0.88, radius * 0.88);
        ring.addEllipse(centre, radius * 0.5, radius * 0.5);
        return ring;
      }(),
      palette::kFoamSection);
  disc(radius * 0.5, palette::kSteel, 40);
  disc(radius * 0.4, palette::kHot, 35);
  // A heat wave rising from the core.
  painter.setPen(QPen(QColor(255, 240, 220), std::max(1.0, radius * 0.07), Qt::SolidLine, Qt::RoundCap));
  QPainterPath wave;
  wave.moveTo(centre + QPointF(-radius * 0.12, radius * 0.26));
  wave.cubicTo(centre + QPointF(-radius * 0.3, radius * 0.05), centre + QPointF(radius * 0.1, -radius * 0.05),
               centre + QPointF(-radius * 0.06, -radius * 0.26));
  painter.drawPath(wave);
  painter.restore();
}

}  // namespace pictures
