// Tanks and rectangular ducts.
#include <QPolygonF>
#include <cmath>

#include "canvas.h"
#include "equipment.h"

namespace pictures {

namespace {

// Horizontal circles of an upright cylinder seen a little from above.
constexpr double kRingView = 0.07;

QPainterPath EllipseAt(QPointF centre, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

// The front half of the horizontal circle at height y, between x0 and x1.
QList<QPointF> RingArc(const QRectF& body, double y, double x0, double x1) {
  const double rx = body.width() / 2;
  const double cx = body.center().x();
  QList<QPointF> points;
  for (int i = 0; i <= 16; ++i) {
    const double x = x0 + (x1 - x0) * i / 16.0;
    const double u = std::clamp((x - cx) / rx, -1.0, 1.0);
    points.append(QPointF(x, y + body.width() * kRingView * std::sqrt(1 - u * u)));
  }
  return points;
}

// A window cut through the cladding between two ring arcs.
QPainterPath CutWindow(const QRectF& body, double x0, double x1, double y0, double y1) {
  QPainterPath window;
  const QList<QPointF> top = RingArc(body, y0, x0, x1);
  QList<QPointF> bottom = RingArc(body, y1, x0, x1);
  window.moveTo(top.front());
  for (const QPointF& point : top) window.lineTo(point);
  for (auto it = bottom.rbegin(); it != bottom.rend(); ++it) window.lineTo(*it);
  window.closeSubpath();
  return window;
}

void DrawNozzle(QPainter& painter, QPointF base, QPointF direction, double radius, double length) {
  const QPointF tip = base + direction * length;
  DrawTubeRoute(painter, {base, tip}, radius, 0, palette::kSteel);
  DrawFlangePair(painter, tip - direction * 2, std::abs(direction.y()) > 0.5, radius);
}

// An upright clad cylinder with dished heads and the cut through cladding,
// foam and shell; the other tank shapes turn it or stand it on something.
void DrawCladCylinder(QPainter& painter, const QRectF& body, const QColor& cladding) {
  const double w = body.width();
  const double h = body.height();
  const double head = w * 0.24;
  const QPointF left(body.left(), 0);
  const QPointF right(body.right(), 0);
  QPainterPath shell;
  shell.addRect(body);
  shell = shell.united(EllipseAt(QPointF(body.center().x(), body.top()), w / 2, head))
              .united(EllipseAt(QPointF(body.center().x(), body.bottom()), w / 2, head));
  painter.fillPath(shell, RoundShade(left, right, cladding));
  QRadialGradient dome(QPointF(body.center().x() - w * 0.15, body.top() - head * 0.6), w * 0.55);
  dome.setColorAt(0, QColor(255, 255, 255, 90));
  dome.setColorAt(1, QColor(255, 255, 255, 0));
  painter.fillPath(EllipseAt(QPointF(body.center().x(), body.top()), w / 2, head), dome);

  // Seams of the cladding sheets.
  painter.save();
  painter.setClipPath(shell);
  for (double y = body.top() + h / 4; y < body.bottom() - 2; y += h / 4) {
    painter.setPen(QPen(cladding.darker(150), 0.9));
    painter.drawPolyline(RingArc(body, y, body.left(), body.right()));
    painter.setPen(QPen(cladding.lighter(125), 0.7));
    painter.drawPolyline(RingArc(body, y + 1.2, body.left(), body.right()));
  }
  painter.setPen(QPen(cladding.darker(140), 0.8));
  const double seamX = body.left() + w * 0.7;
  painter.drawLine(QPointF(seamX, body.top() + w * kRingView), QPointF(seamX, body.bottom() + w * kRingView));
  painter.restore();

  // The cut: cladding off over the foam, foam off over the shell.
  const QPainterPath foamWindow =
      CutWindow(body, body.left() + w * 0.12, body.left() + w * 0.6, body.top() + h * 0.3, body.top() + h * 0.68);
  painter.fillPath(foamWindow, RoundShade(left, right, palette::kFoam));
  FoamGrain(painter, foamWindow, palette::kFoam);
  const QPainterPath shellWindow =
      CutWindow(body, body.left() + w * 0.2, body.left() + w * 0.52, body.top() + h * 0.38, body.top() + h * 0.6);
  painter.fillPath(shellWindow, RoundShade(left, right, QColor(104, 114, 124)));
  painter.strokePath(shellWindow, QPen(palette::kFoamSection.lighter(106), 2.0));
  painter.strokePath(foamWindow, QPen(cladding.lighter(118), 1.4));
  painter.strokePath(foamWindow.translated(0.8, 1.0), QPen(QColor(0, 0, 0, 40), 1.0));
}

}  // namespace

void DrawVerticalTank(QPainter& painter, const QRectF& body, const QColor& cladding, bool legs) {
  const double w = body.width();
  const double head = w * 0.24;
  const double floor = body.bottom() + head + w * 0.32;
  painter.save();
  painter.setPen(Qt::NoPen);
  QPainterPath footprint;
  footprint.addEllipse(QPointF(body.center().x(), floor), w * 0.62, w * 0.07);
  DrawSoftShadow(painter, footprint, QPointF(0, 0), 4, QColor(0, 0, 0, 70));
  const QColor steel(84, 94, 106);
  if (legs) {
    for (double x : {0.1, 0.5, 0.9}) {
      const double lx = body.left() + w * x;
      const double top = body.bottom() + head * (x == 0.5 ? 0.9 : 0.5);
      const QRectF leg(lx - w * 0.045, top, w * 0.09, floor - top);
      painter.fillRect(leg, RoundShade(leg.topLeft(), leg.topRight(), steel));
      painter.fillRect(QRectF(lx - w * 0.08, floor - 2, w * 0.16, 2), steel.darker(130));
    }
  } else {
    // A skirt on a concrete plinth.
    const QRectF plinth(body.left() - w * 0.06, floor - w * 0.12, w * 1.12, w * 0.12);
    const QRectF skirt(body.left() + w * 0.1, body.bottom(), w * 0.8, plinth.top() - body.bottom());
    painter.fillRect(skirt, RoundShade(skirt.topLeft(), skirt.topRight(), QColor(128, 138, 148)));
    painter.fillRect(plinth, RoundShade(plinth.topLeft(), plinth.bottomLeft(), palette::kConcrete));
  }
  DrawNozzle(painter, QPointF(body.center().x() + w * 0.18, body.top() - head * 0.75), QPointF(0, -1),
             std::max(2.0, w * 0.05), w * 0.2);
  DrawNozzle(painter, QPointF(body.right() - 1, body.bottom() - body.height() * 0.12), QPointF(1, 0),
             std::max(2.0, w * 0.05), w * 0.16);
  DrawCladCylinder(painter, body, cladding);
  painter.restore();
}

void DrawHorizontalTank(QPainter& painter, const QRectF& body, const QColor& cladding) {
  const double h = body.height();
  painter.save();
  painter.setPen(Qt::NoPen);
  const double ground = body.bottom() + h * 0.28;
  QPainterPath footprint;
  footprint.addEllipse(QPointF(body.center().x(), ground), body.width() * 0.62, h * 0.08);
  DrawSoftShadow(painter, footprint, QPointF(0, 0), 4, QColor(0, 0, 0, 70));
  const QColor steel(84, 94, 106);
  for (double x : {0.18, 0.82}) {
    const double sx = body.left() + body.width() * x;
    QPolygonF saddle({QPointF(sx - h * 0.3, ground), QPointF(sx - h * 0.22, body.center().y() + h * 0.3),
                      QPointF(sx + h * 0.22, body.center().y() + h * 0.3), QPointF(sx + h * 0.3, ground)});
    QPainterPath saddlePath;
    saddlePath.addPolygon(saddle);
    painter.fillPath(saddlePath, RoundShade(saddle[0], saddle[3], steel));
  }
  DrawNozzle(painter, QPointF(body.left() + body.width() * 0.7, body.top() + 1), QPointF(0, -1),
             std::max(2.0, h * 0.06), h * 0.22);
  DrawNozzle(painter, QPointF(body.left() + body.width() * 0.3, body.top() + 1), QPointF(0, -1),
             std::max(2.0, h * 0.06), h * 0.16);
  // The upright cylinder turned on its side: its lit left becomes the top.
  painter.translate(body.center());
  painter.rotate(90);
  DrawCladCylinder(painter, QRectF(-h / 2, -body.width() / 2, h, body.width()), cladding);
  painter.restore();
}

namespace {

// The faces of a box in oblique projection: front, the top and the right
// side seen along `depth`.
struct BoxColours {
  QColor Front;
  QColor Top;
  QColor Side;
};

QPainterPath Quad(QPointF a, QPointF b, QPointF c, QPointF d) {
  QPainterPath path;
  path.addPolygon(QPolygonF({a, b, c, d}));
  path.closeSubpath();
  return path;
}

void DrawBox(QPainter& painter, const QRectF& front, QPointF depth, const BoxColours& colours) {
  const QPainterPath top = Quad(front.topLeft(), front.topRight(), front.topRight() + depth, front.topLeft() + depth);
  const QPainterPath side =
      Quad(front.topRight(), front.bottomRight(), front.bottomRight() + depth, front.topRight() + depth);
  QLinearGradient frontShade(front.topLeft(), front.topRight());
  frontShade.setColorAt(0, colours.Front.lighter(112));
  frontShade.setColorAt(1, colours.Front.darker(108));
  painter.fillRect(front, frontShade);
  painter.fillPath(top, colours.Top);
  painter.fillPath(side, colours.Side);
  const QPen edge(colours.Side.darker(140), 0.8);
  painter.strokePath(top, edge);
  painter.strokePath(side, edge);
  painter.setPen(edge);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(front);
  painter.setPen(Qt::NoPen);
}

}  // namespace

void DrawRectDuct(QPainter& painter, const QRectF& front, double depth, bool vertical, const QColor& covering,
                  double foam) {
  painter.save();
  painter.setPen(Qt::NoPen);
  const QPointF recede(depth * 0.62, -depth * 0.48);
  const QPointF unitRecede = recede / depth;
  const BoxColours clad{covering, covering.lighter(112), covering.darker(122)};
  const BoxColours sheet{palette::kGalvanised, palette::kGalvanised.lighter(115), palette::kGalvanised.darker(125)};
  const double step = (vertical ? front.width() : front.height()) * 0.9;
  // Clad run, then the bare sheet standing out of the cut foam.
  QRectF cladFront = front;
  QRectF sheetFront = front.adjusted(foam, foam, -foam, -foam);
  if (vertical) {
    cladFront.setTop(front.top() + step);
    sheetFront.setTop(front.top());
    sheetFront.setBottom(cladFront.top());
  } else {
    cladFront.setRight(front.right() - step);
    sheetFront.setRight(front.right());
    sheetFront.setLeft(cladFront.right());
  }
  const QPointF sheetShift = unitRecede * foam;
  const double sheetDepth = depth - 2 * foam;
  DrawBox(painter, cladFront, recede, clad);
  // Joints of the covering sheets.
  const double pitch = (vertical ? front.width() : front.height()) * 1.3;
  painter.setPen(QPen(covering.darker(135), 0.9));
  if (vertical) {
    for (double y = cladFront.top() + pitch * 0.6; y < cladFront.bottom(); y += pitch)
      painter.drawPolyline(QPolygonF(
          {QPointF(cladFront.left(), y), QPointF(cladFront.right(), y), QPointF(cladFront.right(), y) + recede}));
  } else {
    for (double x = cladFront.right() - pitch * 0.6; x > cladFront.left(); x -= pitch)
      painter.drawPolyline(QPolygonF(
          {QPointF(x, cladFront.bottom()), QPointF(x, cladFront.top()), QPointF(x, cladFront.top()) + recede}));
  }
  painter.setPen(Qt::NoPen);
  // The cut face of the foam.
  const QPainterPath cut = vertical ? Quad(cladFront.topLeft(), cladFront.topRight(), cladFront.topRight() + recede,
                                           cladFront.topLeft() + recede)
                                    : Quad(cladFront.topRight(), cladFront.bottomRight(),
                                           cladFront.bottomRight() + recede, cladFront.topRight() + recede);
  painter.fillPath(cut, palette::kFoamSection);
  FoamGrain(painter, cut, palette::kFoamSection);
  painter.strokePath(cut, QPen(covering.darker(150), 0.8));
  DrawBox(painter, sheetFront.translated(sheetShift), unitRecede * sheetDepth, sheet);
  // The open end of the sheet duct.
  const QRectF open = sheetFront.translated(sheetShift);
  const QPointF rim = unitRecede * 1.6;
  const QPointF d = unitRecede * sheetDepth;
  const QPainterPath mouth =
      vertical ? Quad(open.topLeft() + QPointF(1.6, 0) + rim, open.topRight() - QPointF(1.6, 0) + rim,
                      open.topRight() - QPointF(1.6, 0) + d - rim, open.topLeft() + QPointF(1.6, 0) + d - rim)
               : Quad(open.topRight() + QPointF(0, 1.6) + rim, open.bottomRight() - QPointF(0, 1.6) + rim,
                      open.bottomRight() - QPointF(0, 1.6) + d - rim, open.topRight() + QPointF(0, 1.6) + d - rim);
  painter.fillPath(mouth, QColor(48, 56, 66));
  painter.restore();
}

}  // namespace pictures
