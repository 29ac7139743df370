#include "markers.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "canvas.h"

namespace pictures {

namespace {

QPainterPath Drop(QPointF centre, double size) {
  const double r = size * 0.3;
  const QPointF bulb = centre + QPointF(0, size * 0.14);
  QPainterPath drop;
  drop.moveTo(centre + QPointF(0, -size * 0.46));
  drop.cubicTo(bulb + QPointF(r * 0.25, -r * 1.5), bulb + QPointF(r, -r * 0.6), bulb + QPointF(r, 0));
  drop.arcTo(QRectF(bulb.x() - r, bulb.y() - r, 2 * r, 2 * r), 0, -180);
  drop.cubicTo(bulb + QPointF(-r, -r * 0.6), bulb + QPointF(-r * 0.25, -r * 1.5), centre + QPointF(0, -size * 0.46));
  return drop;
}

void Bolt(QPainter& painter, QPointF c, double s, const QColor& colour) {
  QPolygonF bolt({c + QPointF(0.08 * s, -0.5 * s), c + QPointF(-0.3 * s, 0.08 * s), c + QPointF(-0.02 * s, 0.08 * s),
                  c + QPointF(-0.12 * s, 0.5 * s), c + QPointF(0.3 * s, -0.1 * s), c + QPointF(0.02 * s, -0.1 * s)});
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(bolt);
}

void HeatWaves(QPainter& painter, QPointF c, double s, const QColor& colour) {
  painter.setPen(QPen(colour, std::max(1.3, s * 0.11), Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  for (double dx : {-0.28, 0.0, 0.28}) {
    QPainterPath wave;
    const double x = c.x() + dx * s;
    wave.moveTo(x, c.y() + 0.45 * s);
    wave.cubicTo(x - 0.16 * s, c.y() + 0.2 * s, x + 0.16 * s, c.y() - 0.05 * s, x, c.y() - 0.2 * s);
    wave.lineTo(x, c.y() - 0.3 * s);
    painter.drawPath(wave);
    painter.drawLine(QPointF(x, c.y() - 0.45 * s), QPointF(x - 0.1 * s, c.y() - 0.32 * s));
    painter.drawLine(QPointF(x, c.y() - 0.45 * s), QPointF(x + 0.1 * s, c.y() - 0.32 * s));
  }
}

void Thermometer(QPainter& painter, QPointF c, double s, const QColor& colour) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(c + QPointF(0, 0.3 * s), 0.19 * s, 0.19 * s);
  painter.drawRoundedRect(QRectF(c.x() - 0.085 * s, c.y() - 0.48 * s, 0.17 * s, 0.72 * s), 0.08 * s, 0.08 * s);
  painter.setPen(QPen(colour, std::max(1.0, s * 0.07)));
  for (int i = 0; i < 3; ++i) {
    const double y = c.y() - 0.36 * s + i * 0.16 * s;
    painter.drawLine(QPointF(c.x() + 0.15 * s, y), QPointF(c.x() + 0.3 * s, y));
  }
}

void Snowflake(QPainter& painter, QPointF c, double s, const QColor& colour) {
  painter.setPen(QPen(colour, std::max(1.2, s * 0.09), Qt::SolidLine, Qt::RoundCap));
  for (int arm = 0; arm < 6; ++arm) {
    const double a = arm * M_PI / 3 + M_PI / 2;
    const QPointF dir(std::cos(a), -std::sin(a));
    const QPointF normal(-dir.y(), dir.x());
    painter.drawLine(c, c + dir * 0.48 * s);
    const QPointF fork = c + dir * 0.28 * s;
    painter.drawLine(fork, fork + (dir + normal) * 0.13 * s);
    painter.drawLine(fork, fork + (dir - normal) * 0.13 * s);
  }
}

void TemperatureChange(QPainter& painter, QPointF c, double s, const QColor& colour) {
  painter.setPen(colour);
  painter.setFont(DrawingFont(s * 0.78, true));
  painter.drawText(QRectF(c.x() - s, c.y() - s / 2 - 1, 2 * s, s), Qt::AlignCenter, QStringLiteral("Δt"));
}

void DuctWithDrop(QPainter& painter, QPointF c, double s, const QColor& colour) {
  painter.setPen(QPen(colour, std::max(1.2, s * 0.09)));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(c.x() - 0.44 * s, c.y() - 0.44 * s, 0.88 * s, 0.88 * s), 0.1 * s, 0.1 * s);
  painter.fillPath(Drop(c + QPointF(0, 0.02 * s), s * 0.62), colour);
}

}  // namespace

void DrawTaskSign(QPainter& painter, QPointF centre, double size, int task, const QColor& colour) {
  painter.save();
  switch (task) {
    case 0:
      Bolt(painter, centre, size, colour);
      break;
    case 1:
      HeatWaves(painter, centre, size, colour);
      break;
    case 2:
      Thermometer(painter, centre, size, colour);
      break;
    case 3:
      painter.fillPath(Drop(centre, size), colour);
      break;
    case 4:
      TemperatureChange(painter, centre, size, colour);
      break;
    case 5:
      Snowflake(painter, centre, size, colour);
      break;
    default:
      DuctWithDrop(painter, centre, size, colour);
      break;
  }
  painter.restore();
}

void DrawKindMarker(QPainter& painter, QPointF centre, int code, const QColor& accent) {
  painter.save();
  QPainterPath disc;
  disc.addEllipse(centre, kMarkerRadius, kMarkerRadius);
  DrawSoftShadow(painter, disc, QPointF(0.5, 1.2), 3, QColor(20, 30, 45, 110));
  painter.fillPath(disc, Qt::white);
  const double inner = kMarkerRadius - 2.2;
  QRadialGradient fill(centre + QPointF(-inner * 0.35, -inner * 0.45), inner * 1.5);
  fill.setColorAt(0, accent.lighter(135));
  fill.setColorAt(0.55, accent);
  fill.setColorAt(1, accent.darker(150));
  painter.setPen(QPen(accent.darker(160), 0.8));
  painter.setBrush(fill);
  painter.drawEllipse(centre, inner, inner);
  painter.setPen(Qt::NoPen);
  QLinearGradient gloss(centre + QPointF(0, -inner), centre);
  gloss.setColorAt(0, QColor(255, 255, 255, 110));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  painter.setBrush(gloss);
  painter.drawEllipse(QRectF(centre.x() - inner * 0.75, centre.y() - inner * 0.92, inner * 1.5, inner * 0.95));
  painter.setPen(QPen(QColor(0, 0, 0, 40), 0.8));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, kMarkerRadius, kMarkerRadius);
  DrawTaskSign(painter, centre, inner * 1.25, code % 10, Qt::white);
  painter.restore();
}

}  // namespace pictures
