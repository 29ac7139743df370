// The insulated objects and fittings the pictures are made of: pipes with a
// stepped cut through covering, foam and steel, tanks, round and rectangular
// ducts, valves, pumps and supports.
#pragma once

#include <QColor>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace pictures {

// One shell of a layered round body, from the outside in.
struct TubeLayer {
  double Radius;
  double Start;         // distance from the tube's start where this shell begins
  QColor Surface;       // the outside of the shell
  QColor Section;       // its cut face
  bool Foamed = false;  // shows the grain of foamed insulation
};

// A straight round body from `start` to `end`, its shells cut back in steps
// at the start so that every shell shows; the innermost shell's cut face
// shows `bore` inside.
void DrawLayeredTube(QPainter& painter, QPointF start, QPointF end, const QList<TubeLayer>& layers, const QColor& bore);

// An insulated steel pipe: covering, foam and pipe cut back at the start.
struct PipeLook {
  double PipeRadius = 6;
  double FoamRadius = 13;
  QColor Covering = QColor(206, 212, 218);
  QColor Flow = QColor(60, 60, 60);  // what the bore shows
  double FoamShown = 14;             // length of bare foam
  double SteelShown = 12;            // length of bare steel
};
void DrawInsulatedPipe(QPainter& painter, QPointF start, QPointF end, const PipeLook& look);

// Metal bands that hold the covering, across a pipe whose axis runs from
// `start` to `end`, at the given distances from `start`.
void DrawBands(QPainter& painter, QPointF start, QPointF end, double radius, const QList<double>& at);

// A round body along an orthogonal polyline with bends of `bendRadius`.
void DrawTubeRoute(QPainter& painter, const QList<QPointF>& corners, double radius, double bendRadius,
                   const QColor& surface);

// A vertical tank in `body` (the cylinder without its heads), clad and cut
// open to show foam and shell; `legs` puts it on three legs, otherwise on a
// skirt.
void DrawVerticalTank(QPainter& painter, const QRectF& body, const QColor& cladding, bool legs);
// A horizontal tank on two saddles; `body` is the cylinder without its heads.
void DrawHorizontalTank(QPainter& painter, const QRectF& body, const QColor& cladding);

// A rectangular duct seen in oblique projection: `front` is its front face,
// it runs along `vertical` or horizontally, and its start (top or left) is cut
// to show covering, foam and the galvanised sheet.
void DrawRectDuct(QPainter& painter, const QRectF& front, double depth, bool vertical, const QColor& covering,
                  double foam);

// A spiral-seamed round duct with insulation, cut back at the start.
void DrawRoundDuct(QPainter& painter, QPointF start, QPointF end, double radius, const QColor& covering, double foam);

void DrawGateValve(QPainter& painter, QPointF centre, bool verticalPipe, double pipeRadius, const QColor& body);
void DrawFlangePair(QPainter& painter, QPointF centre, bool verticalPipe, double pipeRadius);
void DrawPump(QPainter& painter, QPointF centre, double size, const QColor& body);
// A pipe shoe on a steel post standing on the ground at `groundY`.
void DrawPipeSupport(QPainter& painter, QPointF pipeBottom, double groundY, double width);
// A short arrow along the flow, drawn on a pipe.
void DrawFlowArrow(QPainter& painter, QPointF at, double angleDegrees, double size, const QColor& colour);

}  // namespace pictures
