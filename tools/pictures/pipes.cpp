// Pipes, their bends and the fittings on them.
#include <QLineF>
#include <QTransform>
#include <cmath>

#include "canvas.h"
#include "equipment.h"

namespace pictures {

namespace {

// A round cut seen a little from the side shows as an ellipse this narrow.
constexpr double kEndView = 0.32;

// Local frame of a body: x runs along the axis from `start`, y across it.
QTransform AxisFrame(QPointF start, QPointF end) {
  QTransform frame;
  frame.translate(start.x(), start.y());
  frame.rotate(-QLineF(start, end).angle());
  return frame;
}

QPainterPath Ellipse(double x, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(QPointF(x, 0), rx, ry);
  return path;
}

}  // namespace

void DrawLayeredTube(QPainter& painter, QPointF start, QPointF end, const QList<TubeLayer>& layers,
                     const QColor& bore) {
  const double length = QLineF(start, end).length();
  painter.save();
  painter.setTransform(AxisFrame(start, end), true);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < layers.size(); ++i) {
    const TubeLayer& layer = layers[i];
    const double r = layer.Radius;
    const double bodyEnd = i == 0 ? length : layers[i - 1].Start;
    QPainterPath body;
    body.addRect(QRectF(layer.Start, -r, bodyEnd - layer.Start, 2 * r));
    // Where a shell leaves the one around it, its round outline shows.
    if (i > 0) body = body.united(Ellipse(bodyEnd, r * kEndView, r));
    painter.fillPath(body, RoundShade(QPointF(0, -r), QPointF(0, r), layer.Surface));
    if (layer.Foamed) FoamGrain(painter, body, layer.Surface);

    const QPainterPath face = Ellipse(layer.Start, r * kEndView, r);
    QLinearGradient faceShade(QPointF(layer.Start, -r), QPointF(layer.Start, r));
    faceShade.setColorAt(0, layer.Section.lighter(108));
    faceShade.setColorAt(1, layer.Section.darker(112));
    painter.fillPath(face, faceShade);
    if (layer.Foamed) FoamGrain(painter, face, layer.Section);
    painter.strokePath(face, QPen(layer.Surface.darker(150), 0.8));
  }
  if (!layers.isEmpty()) {
    const TubeLayer& inner = layers.back();
    const double r = inner.Radius * 0.74;
    QRadialGradient depth(QPointF(inner.Start + r * kEndView * 0.3, 0), r);
    depth.setColorAt(0, bore.darker(160));
    depth.setColorAt(1, bore);
    const QPainterPath hole = Ellipse(inner.Start, r * kEndView, r);
    painter.fillPath(hole, depth);
    painter.strokePath(hole, QPen(inner.Surface.darker(170), 0.7));
  }
  painter.restore();
}

void DrawInsulatedPipe(QPainter& painter, QPointF start, QPointF end, const PipeLook& look) {
  const double covering = look.FoamRadius + std::max(1.0, look.FoamRadius * 0.06);
  DrawLayeredTube(painter, start, end,
                  {{covering, look.SteelShown + look.FoamShown, look.Covering, look.Covering.darker(112)},
                   {look.FoamRadius, look.SteelShown, palette::kFoam, palette::kFoamSection, true},
                   {look.PipeRadius, 0, palette::kSteel, palette::kSteel.lighter(150)}},
                  look.Flow);
}

void DrawBands(QPainter& painter, QPointF start, QPointF end, double radius, const QList<double>& at) {
  painter.save();
  painter.setTransform(AxisFrame(start, end), true);
  painter.setPen(Qt::NoPen);
  const QColor metal(214, 218, 222);
  for (double x : at) {
    const QRectF band(x - 1.6, -radius - 0.6, 3.2, 2 * radius + 1.2);
    painter.fillRect(band, RoundShade(QPointF(0, -radius), QPointF(0, radius), metal));
    painter.fillRect(QRectF(band.right() - 0.6, band.top(), 0.6, band.height()), metal.darker(170));
  }
  painter.restore();
}

void DrawTubeRoute(QPainter& painter, const QList<QPointF>& corners, double radius, double bendRadius,
                   const QColor& surface) {
  painter.save();
  painter.setPen(Qt::NoPen);
  auto unit = [](QPointF v) { return v / std::hypot(v.x(), v.y()); };
  for (int i = 0; i + 1 < corners.size(); ++i) {
    QPointF a = corners[i];
    QPointF b = corners[i + 1];
    const QPointF along = unit(b - a);
    // Straight runs stop where the bends begin, overlapping them by a hair.
    if (i > 0) a += along * (bendRadius - 0.5);
    if (i + 2 < corners.size()) b -= along * (bendRadius - 0.5);
    const QPointF across(-along.y() * radius, along.x() * radius);
    QPainterPath run;
    run.moveTo(a - across);
    run.lineTo(b - across);
    run.lineTo(b + across);
    run.lineTo(a + across);
    run.closeSubpath();
    const bool horizontal = std::abs(along.x()) > std::abs(along.y());
    const QPointF side = horizontal ? QPointF(0, radius) : QPointF(radius, 0);
    painter.fillPath(run, RoundShade(a - side, a + side, surface));
  }
  for (int i = 1; i + 1 < corners.size(); ++i) {
    const QPointF in = unit(corners[i] - corners[i - 1]);
    const QPointF out = unit(corners[i + 1] - corners[i]);
    const QPointF centre = corners[i] - in * bendRadius + out * bendRadius;
    const QPointF from = corners[i] - in * bendRadius - centre;
    const QPointF to = corners[i] + out * bendRadius - centre;
    const double a1 = std::atan2(-from.y(), from.x()) * 180 / M_PI;
    double sweep = std::atan2(-to.y(), to.x()) * 180 / M_PI - a1;
    if (sweep > 180) sweep -= 360;
    if (sweep < -180) sweep += 360;
    const double outer = bendRadius + radius;
    const double inner = bendRadius - radius;
    const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    QPainterPath bend;
    bend.arcMoveTo(outerBox, a1);
    bend.arcTo(outerBox, a1, sweep);
    bend.arcTo(innerBox, a1 + sweep, -sweep);
    bend.closeSubpath();
    painter.fillPath(bend, BentRoundShade(centre, inner, outer, surface));
  }
  painter.restore();
}

void DrawFlangePair(QPainter& painter, QPointF centre, bool verticalPipe, double pipeRadius) {
  painter.save();
  painter.translate(centre);
  if (verticalPipe) painter.rotate(90);
  painter.setPen(Qt::NoPen);
  const double r = pipeRadius * 1.8;
  const QColor steel = palette::kSteel;
  for (double x : {-3.6, 0.4}) {
    const QRectF disc(x, -r, 3.2, 2 * r);
    painter.fillRect(disc, RoundShade(QPointF(0, -r), QPointF(0, r), steel));
    painter.fillRect(QRectF(disc.right() - 0.7, -r, 0.7, 2 * r), steel.darker(170));
  }
  painter.setBrush(steel.darker(140));
  for (double y : {-r * 0.72, r * 0.72}) painter.drawRect(QRectF(-5, y - 1, 10, 2));
  painter.restore();
}

void DrawGateValve(QPainter& painter, QPointF centre, bool verticalPipe, double pipeRadius, const QColor& body) {
  painter.save();
  painter.translate(centre);
  if (verticalPipe) painter.rotate(90);
  painter.setPen(Qt::NoPen);
  const double r = pipeRadius;
  DrawFlangePair(painter, QPointF(-r * 2.2, 0), false, r);
  DrawFlangePair(painter, QPointF(r * 2.2, 0), false, r);
  QPainterPath casing;
  casing.addRoundedRect(QRectF(-r * 1.8, -r * 1.5, r * 3.6, r * 3.0), r * 0.8, r * 0.8);
  painter.fillPath(casing, RoundShade(QPointF(0, -r * 1.5), QPointF(0, r * 1.5), body));
  // Bonnet, stem and handwheel stand off the pipe.
  const double side = verticalPipe ? 1 : -1;
  const QRectF bonnet(-r * 0.7, side < 0 ? -r * 3.2 : r * 1.4, r * 1.4, r * 1.8);
  painter.fillRect(bonnet, RoundShade(bonnet.topLeft(), bonnet.topRight(), body));
  const double stemEnd = side * r * 4.6;
  painter.setPen(QPen(palette::kSteel.lighter(120), std::max(1.2, r * 0.3)));
  painter.drawLine(QPointF(0, side * r * 3.0), QPointF(0, stemEnd));
  painter.setPen(QPen(body.darker(130), std::max(1.5, r * 0.45)));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(0, stemEnd), r * 1.9, r * 0.55);
  painter.restore();
}

void DrawPump(QPainter& painter, QPointF centre, double size, const QColor& body) {
  painter.save();
  painter.translate(centre);
  painter.setPen(Qt::NoPen);
  const QRectF base(-size * 1.1, size * 0.55, size * 2.5, size * 0.22);
  painter.fillRect(base, RoundShade(base.topLeft(), base.bottomLeft(), QColor(70, 78, 88)));
  const QRectF motor(-size * 0.1, -size * 0.45, size * 1.35, size * 0.95);
  painter.fillRect(motor, RoundShade(motor.topLeft(), motor.bottomLeft(), body));
  painter.setPen(QPen(body.darker(150), 0.8));
  for (double y = motor.top() + 3; y < motor.bottom() - 2; y += 3)
    painter.drawLine(QPointF(motor.left() + 4, y), QPointF(motor.right() - 3, y));
  painter.setPen(Qt::NoPen);
  QRadialGradient volute(QPointF(-size * 0.55, -size * 0.05), size * 0.6);
  volute.setColorAt(0, body.lighter(140));
  volute.setColorAt(0.7, body);
  volute.setColorAt(1, body.darker(170));
  painter.setBrush(volute);
  painter.drawEllipse(QPointF(-size * 0.45, size * 0.02), size * 0.55, size * 0.55);
  painter.restore();
}

void DrawPipeSupport(QPainter& painter, QPointF pipeBottom, double groundY, double width) {
  painter.save();
  painter.setPen(Qt::NoPen);
  const QColor steel(92, 102, 114);
  const QRectF shoe(pipeBottom.x() - width * 0.7, pipeBottom.y(), width * 1.4, 3);
  painter.fillRect(shoe, steel);
  const QRectF post(pipeBottom.x() - width * 0.25, shoe.bottom(), width * 0.5, groundY - shoe.bottom());
  painter.fillRect(post, RoundShade(post.topLeft(), post.topRight(), steel));
  painter.fillRect(QRectF(pipeBottom.x() - width * 0.8, groundY - 2.5, width * 1.6, 2.5), steel.darker(130));
  painter.restore();
}

void DrawFlowArrow(QPainter& painter, QPointF at, double angleDegrees, double size, const QColor& colour) {
  painter.save();
  painter.translate(at);
  painter.rotate(angleDegrees);
  QPainterPath arrow;
  arrow.moveTo(size * 0.6, 0);
  arrow.lineTo(-size * 0.1, -size * 0.42);
  arrow.lineTo(-size * 0.1, -size * 0.16);
  arrow.lineTo(-size * 0.6, -size * 0.16);
  arrow.lineTo(-size * 0.6, size * 0.16);
  arrow.lineTo(-size * 0.1, size * 0.16);
  arrow.lineTo(-size * 0.1, size * 0.42);
  arrow.closeSubpath();
  painter.fillPath(arrow, colour);
  painter.restore();
}

void DrawRoundDuct(QPainter& painter, QPointF start, QPointF end, double radius, const QColor& covering, double foam) {
  const double steelShown = radius * 1.1;
  const double foamShown = radius * 0.5;
  DrawLayeredTube(painter, start, end,
                  {{radius + foam + 1, steelShown + foamShown, covering, covering.darker(112)},
                   {radius + foam, steelShown, palette::kFoam, palette::kFoamSection, true},
                   {radius, 0, palette::kGalvanised, palette::kGalvanised.lighter(130)}},
                  QColor(52, 60, 70));
  // The lock seam winds round the bare sheet.
  painter.save();
  painter.setTransform(AxisFrame(start, end), true);
  painter.setClipRect(QRectF(radius * kEndView, -radius, steelShown - radius * kEndView, 2 * radius));
  for (double x = -radius; x < steelShown; x += radius * 0.75) {
    painter.setPen(QPen(palette::kGalvanised.darker(150), 1.0));
    painter.drawLine(QPointF(x, -radius), QPointF(x + radius * 0.55, radius));
    painter.setPen(QPen(palette::kGalvanised.lighter(135), 0.8));
    painter.drawLine(QPointF(x + 1.2, -radius), QPointF(x + 1.2 + radius * 0.55, radius));
  }
  painter.restore();
}

}  // namespace pictures
