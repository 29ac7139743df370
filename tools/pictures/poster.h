// The frame of the system pictures shown beside the kind picker: a light
// drawing sheet with the system's title, and the pieces their schemes share.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QString>

namespace pictures {

constexpr int kPosterWidth = 433;  // the window's client width beside the page control
constexpr int kPosterHeight = 768;

// Sheet, title band with `title` and `subtitle`, and the hint at the foot.
void DrawPosterFrame(QPainter& painter, const QString& title, const QString& subtitle, const QColor& accent);

// A concrete slab in section between `top` and `bottom` across the sheet.
void DrawSlab(QPainter& painter, double top, double bottom);
// The floor slab, from `y` down to the hint.
void DrawFloorSlab(QPainter& painter, double y);

// An insulated line along an orthogonal route, with its marking ring and
// flow arrow in `medium` placed on the straight run `markedRun`.
void DrawInsulatedRoute(QPainter& painter, const QList<QPointF>& corners, double radius, const QColor& medium,
                        int markedRun);

// A dial gauge on a stem standing up from `base`.
void DrawGauge(QPainter& painter, QPointF base, double stem, const QColor& accent);

// A rod hanger from the ceiling line down to a horizontal line's top.
void DrawHanger(QPainter& painter, QPointF lineTop, double ceilingY);

}  // namespace pictures
