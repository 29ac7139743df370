// The program's emblem: an insulated pipe in section, shared by the start
// screen, the maker's logo and the program logo of the chart panel.
#pragma once

#include <QPainter>
#include <QPointF>

namespace pictures {

void DrawEmblem(QPainter& painter, QPointF centre, double radius);

}  // namespace pictures
