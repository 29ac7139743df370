// The round markers on the page pictures by which a calculation kind is
// picked, each carrying the sign of its task.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace pictures {

// Drawn well inside the hit circle, so the whole marker picks its kind.
constexpr double kMarkerRadius = 12.5;

// `code` is the kind; its last digit is the task.
void DrawKindMarker(QPainter& painter, QPointF centre, int code, const QColor& accent);

// The task's sign in a square of `size`: energy efficiency, heat flow,
// surface temperature, condensation outside, temperature change, freeze
// protection, condensation inside (tasks 0 to 6).
void DrawTaskSign(QPainter& painter, QPointF centre, double size, int task, const QColor& colour);

}  // namespace pictures
