// Small framed scenes that place an object indoors or in the open air, and
// the leader lines that join an object to its markers.
#pragma once

#include <QColor>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace pictures {

// Where the object of a scene stands: the floor or the ground line.
struct Scene {
  QRectF Frame;
  double Floor;
};

// A room: wall, floor slab in section.
Scene DrawIndoorScene(QPainter& painter, const QRectF& frame);
// Open air in winter: sky, snow on the ground, soil in section.
Scene DrawOutdoorScene(QPainter& painter, const QRectF& frame);
// Thin edge round a scene, drawn after its object so the object is framed.
void FrameScene(QPainter& painter, const Scene& scene);
// Clips to the inside of a scene.
void ClipToScene(QPainter& painter, const Scene& scene);

// A leader from a point of the object to a bus that runs beside the markers,
// with a short tick to each marker.
void DrawLeaders(QPainter& painter, QPointF object, const QList<QPointF>& markers);

// A far water tower, standing on the ground of a tall open-air scene.
void DrawWaterTower(QPainter& painter, const Scene& scene, double x, double height);

// The rule under a column heading of a page.
void DrawHeadingRule(QPainter& painter, double left, double right, double y, const QColor& accent);

}  // namespace pictures
