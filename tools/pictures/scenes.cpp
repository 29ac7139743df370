#include "scenes.h"

#include <QPainterPath>
#include <algorithm>

#include "canvas.h"
#include "markers.h"

namespace pictures {

namespace {

constexpr double kCorner = 6;

QPainterPath Rounded(const QRectF& frame) {
  QPainterPath path;
  path.addRoundedRect(frame, kCorner, kCorner);
  return path;
}

}  // namespace

void ClipToScene(QPainter& painter, const Scene& scene) { painter.setClipPath(Rounded(scene.Frame)); }

Scene DrawIndoorScene(QPainter& painter, const QRectF& frame) {
  const Scene scene{frame, frame.bottom() - 13};
  painter.save();
  ClipToScene(painter, scene);
  QLinearGradient wall(frame.topLeft(), frame.bottomLeft());
  wall.setColorAt(0, QColor(246, 243, 237));
  wall.setColorAt(1, QColor(232, 227, 218));
  painter.fillRect(frame, wall);
  // A plinth line and faint wall panels give the room its depth.
  painter.setPen(QPen(QColor(220, 213, 202), 1));
  for (double y = frame.top() + 22; y < scene.Floor - 20; y += 44)
    painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
  const QRectF slab(frame.left(), scene.Floor, frame.width(), frame.bottom() - scene.Floor);
  painter.fillRect(slab, palette::kConcrete);
  QPainterPath slabPath;
  slabPath.addRect(slab);
  HatchArea(painter, slabPath, 5, palette::kConcrete.darker(135), 0.8);
  painter.fillRect(QRectF(frame.left(), scene.Floor - 1, frame.width(), 1.5), QColor(150, 140, 128));
  painter.restore();
  return scene;
}

Scene DrawOutdoorScene(QPainter& painter, const QRectF& frame) {
  const Scene scene{frame, frame.bottom() - 16};
  painter.save();
  ClipToScene(painter, scene);
  QLinearGradient sky(frame.topLeft(), QPointF(frame.left(), scene.Floor));
  sky.setColorAt(0, QColor(178, 211, 236));
  sky.setColorAt(1, QColor(236, 244, 250));
  painter.fillRect(frame, sky);
  // Far hills.
  QPainterPath hills;
  hills.moveTo(frame.left(), scene.Floor);
  for (double x = frame.left(); x <= frame.right() + 8; x += 8)
    hills.lineTo(x, scene.Floor - 10 - 7 * Noise(static_cast<int>(x) / 8, 3));
  hills.lineTo(frame.right(), scene.Floor);
  hills.closeSubpath();
  painter.fillPath(hills, QColor(205, 220, 232));
  const QRectF soil(frame.left(), scene.Floor, frame.width(), frame.bottom() - scene.Floor);
  painter.fillRect(soil, QColor(170, 150, 128));
  QPainterPath soilPath;
  soilPath.addRect(soil);
  HatchArea(painter, soilPath, 4, QColor(130, 110, 92), 0.8);
  painter.fillRect(QRectF(frame.left(), scene.Floor - 2, frame.width(), 4), QColor(250, 252, 255));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 200));
  for (int i = 0; i < frame.width() * frame.height() / 700; ++i) {
    const QPointF flake(frame.left() + Noise(i, 11) * frame.width(),
                        frame.top() + Noise(i, 29) * (scene.Floor - frame.top()));
    const double r = 0.7 + Noise(i, 5) * 0.9;
    painter.drawEllipse(flake, r, r);
  }
  painter.restore();
  return scene;
}

void FrameScene(QPainter& painter, const Scene& scene) {
  painter.save();
  painter.setPen(QPen(QColor(176, 188, 200), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(scene.Frame.adjusted(0.5, 0.5, -0.5, -0.5), kCorner, kCorner);
  painter.restore();
}

void DrawLeaders(QPainter& painter, QPointF object, const QList<QPointF>& markers) {
  if (markers.isEmpty()) return;
  painter.save();
  const bool markersRight = markers.front().x() > object.x();
  const double gap = kMarkerRadius + 5;
  const double busX = markers.front().x() + (markersRight ? -gap : gap);
  double top = object.y();
  double bottom = object.y();
  for (const QPointF& marker : markers) {
    top = std::min(top, marker.y());
    bottom = std::max(bottom, marker.y());
  }
  const QColor ink = palette::kLeader;
  painter.setPen(QPen(ink, 1));
  painter.drawLine(QPointF(busX, top), QPointF(busX, bottom));
  painter.drawLine(object, QPointF(busX, object.y()));
  for (const QPointF& marker : markers)
    painter.drawLine(QPointF(busX, marker.y()),
                     QPointF(marker.x() + (markersRight ? -kMarkerRadius : kMarkerRadius), marker.y()));
  painter.setPen(QPen(Qt::white, 1));
  painter.setBrush(ink.darker(120));
  painter.drawEllipse(object, 2.6, 2.6);
  painter.restore();
}

void DrawWaterTower(QPainter& painter, const Scene& scene, double x, double height) {
  painter.save();
  ClipToScene(painter, scene);
  const QColor far(176, 198, 216);
  const double ground = scene.Floor - 4;
  const double tankBottom = ground - height * 0.62;
  QPainterPath legs;
  legs.moveTo(x - height * 0.16, ground);
  legs.lineTo(x - height * 0.09, tankBottom);
  legs.lineTo(x + height * 0.09, tankBottom);
  legs.lineTo(x + height * 0.16, ground);
  painter.strokePath(legs, QPen(far, 2.2));
  painter.setPen(QPen(far, 1.2));
  for (double t = 0.25; t < 1; t += 0.25) {
    const double y = ground - (ground - tankBottom) * t;
    const double half = height * (0.16 - 0.07 * t);
    painter.drawLine(QPointF(x - half, y), QPointF(x + half, y));
  }
  QPainterPath tank;
  tank.addRoundedRect(QRectF(x - height * 0.17, tankBottom - height * 0.3, height * 0.34, height * 0.3), 3, 3);
  tank.moveTo(x - height * 0.2, tankBottom - height * 0.3);
  tank.lineTo(x, tankBottom - height * 0.42);
  tank.lineTo(x + height * 0.2, tankBottom - height * 0.3);
  tank.closeSubpath();
  painter.fillPath(tank, far);
  painter.restore();
}

void DrawHeadingRule(QPainter& painter, double left, double right, double y, const QColor& accent) {
  QLinearGradient fade(QPointF(left, y), QPointF(right, y));
  fade.setColorAt(0, accent);
  fade.setColorAt(0.75, accent);
  fade.setColorAt(1, Mix(accent, Qt::white, 0.7));
  painter.fillRect(QRectF(left, y, right - left, 2), fade);
}

}  // namespace pictures
