// The 17 node pictures of the project tree, 38 × 38: the root, the pipe
// length and the seven kinds of details, a system, the four kinds of
// objects, the calculated and the hand-entered parameter lines and the
// details branch. Each is a small engineering symbol on white, so the
// tree's levels read at a glance.
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "canvas.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int kSize = 38;
const QColor kPipe = palette::kSteel;
const QColor kOutline = palette::kInk;

struct Icon {
  QImage Image = NewPicture(kSize, kSize, palette::kPaper);
  QPainter Painter{&Image};
  Icon() {
    PreparePainter(Painter);
    Painter.setPen(QPen(kOutline, 1.2));
  }
};

// A horizontal pipe piece, shaded as a round body.
void PipePiece(QPainter& painter, const QRectF& piece, const QColor& base = kPipe) {
  painter.setBrush(RoundShade(piece.topLeft(), piece.bottomLeft(), base));
  painter.drawRect(piece);
}

QImage Root() {
  Icon icon;
  QPainter& p = icon.Painter;
  // Three systems hanging from one collector.
  p.setPen(QPen(palette::kNavy, 2.4));
  p.drawLine(QPointF(8, 9), QPointF(30, 9));
  for (double x : {10.0, 19.0, 28.0}) p.drawLine(QPointF(x, 9), QPointF(x, 20));
  const QColor colours[3] = {palette::kHot, palette::kCold, palette::kAir};
  p.setPen(QPen(kOutline, 1));
  for (int i = 0; i < 3; ++i) {
    const QRectF box(5 + i * 9, 20, 9, 12);
    p.setBrush(RoundShade(box.topLeft(), box.topRight(), colours[i]));
    p.drawRoundedRect(box.adjusted(0.5, 0, -0.5, 0), 2, 2);
  }
  return icon.Image;
}

QImage PipeLength() {
  Icon icon;
  QPainter& p = icon.Painter;
  PipePiece(p, QRectF(4, 14, 30, 10));
  // The length as a drawing marks it.
  p.setPen(QPen(palette::kLeader, 1));
  p.drawLine(QPointF(4, 30), QPointF(34, 30));
  p.drawLine(QPointF(4, 27), QPointF(4, 33));
  p.drawLine(QPointF(34, 27), QPointF(34, 33));
  p.setBrush(palette::kLeader);
  p.drawPolygon(QPolygonF({{5, 30}, {9, 28}, {9, 32}}));
  p.drawPolygon(QPolygonF({{33, 30}, {29, 28}, {29, 32}}));
  return icon.Image;
}

QImage Bend() {
  Icon icon;
  QPainter& p = icon.Painter;
  // A 90° elbow: the centre line bent round (15, 25), drawn as a round body.
  QPainterPath centre;
  centre.moveTo(2, 13);
  centre.lineTo(15, 13);
  centre.arcTo(QRectF(3, 13, 24, 24), 90, -90);
  centre.lineTo(27, 36);
  QPainterPathStroker stroker;
  stroker.setWidth(10);
  stroker.setCapStyle(Qt::FlatCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  p.setBrush(BentRoundShade(QPointF(15, 25), 7, 17, kPipe));
  p.drawPath(stroker.createStroke(centre).simplified());
  return icon.Image;
}

QImage Flange() {
  Icon icon;
  QPainter& p = icon.Painter;
  PipePiece(p, QRectF(3, 14, 32, 10));
  for (double x : {15.0, 20.0}) {
    const QRectF disc(x, 6, 4, 26);
    p.setBrush(RoundShade(disc.topLeft(), disc.bottomLeft(), palette::kGalvanised));
    p.drawRect(disc);
  }
  p.setBrush(palette::kInk);
  for (double y : {8.5, 27.5}) p.drawRect(QRectF(13, y, 12, 2));
  return icon.Image;
}

QImage Valve() {
  Icon icon;
  QPainter& p = icon.Painter;
  PipePiece(p, QRectF(2, 19, 8, 8));
  PipePiece(p, QRectF(28, 19, 8, 8));
  // The valve symbol: two triangles meeting at the stem.
  p.setBrush(QColor(170, 60, 48));
  p.drawPolygon(QPolygonF({{10, 15}, {19, 23}, {10, 31}}));
  p.drawPolygon(QPolygonF({{28, 15}, {19, 23}, {28, 31}}));
  p.setPen(QPen(kOutline, 1.6));
  p.drawLine(QPointF(19, 23), QPointF(19, 9));
  p.drawLine(QPointF(12, 8), QPointF(26, 8));
  return icon.Image;
}

QImage Tee() {
  Icon icon;
  QPainter& p = icon.Painter;
  const QRectF branch(14, 4, 10, 16);
  p.setBrush(RoundShade(branch.topLeft(), branch.topRight(), kPipe));
  p.drawRect(branch);
  PipePiece(p, QRectF(3, 18, 32, 11));
  return icon.Image;
}

QImage Reducer(bool eccentric) {
  Icon icon;
  QPainter& p = icon.Painter;
  const double wideTop = 8, wideBottom = 30;
  const double narrowTop = eccentric ? 18 : 13.5, narrowBottom = eccentric ? 30 : 24.5;
  PipePiece(p, QRectF(3, wideTop, 9, wideBottom - wideTop));
  PipePiece(p, QRectF(26, narrowTop, 9, narrowBottom - narrowTop));
  const QPolygonF cone({{12, wideTop}, {26, narrowTop}, {26, narrowBottom}, {12, wideBottom}});
  p.setBrush(RoundShade(QPointF(0, wideTop), QPointF(0, wideBottom), palette::kGalvanised));
  p.drawPolygon(cone);
  return icon.Image;
}

QImage EndCap() {
  Icon icon;
  QPainter& p = icon.Painter;
  PipePiece(p, QRectF(3, 13, 22, 12));
  QPainterPath cap;
  cap.moveTo(25, 11);
  cap.cubicTo(37, 11, 37, 27, 25, 27);
  cap.closeSubpath();
  p.setBrush(RoundShade(QPointF(0, 11), QPointF(0, 27), palette::kGalvanised));
  p.drawPath(cap);
  return icon.Image;
}

QImage System() {
  Icon icon;
  QPainter& p = icon.Painter;
  // A supply and a return line with two consumers between them.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::kHot, 3));
  p.drawPolyline(QPolygonF({{4, 8}, {34, 8}}));
  p.setPen(QPen(palette::kCold, 3));
  p.drawPolyline(QPolygonF({{4, 31}, {34, 31}}));
  p.setPen(QPen(kOutline, 1.2));
  for (double x : {10.0, 24.0}) {
    const QRectF radiator(x, 14, 8, 11);
    p.setBrush(RoundShade(radiator.topLeft(), radiator.topRight(), palette::kGalvanised));
    p.drawRect(radiator);
    p.drawLine(QPointF(x + 4, 8), QPointF(x + 4, 14));
    p.drawLine(QPointF(x + 4, 25), QPointF(x + 4, 31));
  }
  return icon.Image;
}

QImage Pipeline() {
  Icon icon;
  QPainter& p = icon.Painter;
  // An insulated pipe cut open at its end: steel inside the foam.
  const QRectF foam(3, 9, 28, 20);
  p.setBrush(RoundShade(foam.topLeft(), foam.bottomLeft(), palette::kFoam));
  p.drawRect(foam);
  const QRectF face(25, 9, 10, 20);
  p.setBrush(palette::kFoamSection);
  p.drawEllipse(face);
  p.setBrush(RoundShade(QPointF(0, 14), QPointF(0, 24), kPipe));
  p.drawEllipse(QRectF(27.5, 14, 5, 10));
  return icon.Image;
}

QImage Tank() {
  Icon icon;
  QPainter& p = icon.Painter;
  const QRectF body(9, 8, 20, 24);
  p.setBrush(RoundShade(body.topLeft(), body.topRight(), palette::kFoil));
  p.drawRect(body);
  p.setBrush(palette::kFoil.lighter(105));
  p.drawEllipse(QRectF(9, 4, 20, 8));
  p.setBrush(kOutline);
  for (double x : {11.0, 25.0}) p.drawRect(QRectF(x, 32, 2, 4));
  return icon.Image;
}

QImage RectangularDuct() {
  Icon icon;
  QPainter& p = icon.Painter;
  // A box duct in a cabinet projection.
  const QPolygonF front({{4, 14}, {24, 14}, {24, 32}, {4, 32}});
  const QPolygonF top({{4, 14}, {14, 6}, {34, 6}, {24, 14}});
  const QPolygonF side({{24, 14}, {34, 6}, {34, 24}, {24, 32}});
  p.setBrush(palette::kGalvanised.lighter(115));
  p.drawPolygon(top);
  p.setBrush(palette::kGalvanised.darker(115));
  p.drawPolygon(side);
  p.setBrush(palette::kAir.lighter(160));
  p.drawPolygon(front);
  p.setBrush(palette::kPaper);
  p.drawRect(QRectF(8, 18, 12, 10));
  return icon.Image;
}

QImage CylindricalDuct() {
  Icon icon;
  QPainter& p = icon.Painter;
  const QRectF body(3, 11, 28, 16);
  p.setBrush(RoundShade(body.topLeft(), body.bottomLeft(), palette::kGalvanised));
  p.drawRect(body);
  // The spiral seams of a round duct.
  p.setPen(QPen(palette::kGalvanised.darker(150), 1));
  for (double x = 7; x < 30; x += 6) p.drawLine(QPointF(x, 11), QPointF(x + 3, 27));
  p.setPen(QPen(kOutline, 1.2));
  p.setBrush(palette::kAir.lighter(160));
  p.drawEllipse(QRectF(26, 11, 9, 16));
  return icon.Image;
}

// A parameter line: a sheet with lines and a mark of where it came from.
QImage ParameterLine(bool calculated) {
  Icon icon;
  QPainter& p = icon.Painter;
  p.setBrush(palette::kPaper);
  p.drawRect(QRectF(6, 4, 20, 28));
  p.setPen(QPen(palette::kLeader, 1.4));
  for (double y : {10.0, 15.0, 20.0, 25.0}) p.drawLine(QPointF(9, y), QPointF(23, y));
  p.setPen(QPen(kOutline, 1));
  if (calculated) {
    // The calculator's "=" in a blue disc.
    p.setBrush(palette::kSteelBlue);
    p.drawEllipse(QRectF(19, 19, 16, 16));
    p.setPen(QPen(palette::kPaper, 2));
    p.drawLine(QPointF(23, 25), QPointF(31, 25));
    p.drawLine(QPointF(23, 29), QPointF(31, 29));
  } else {
    // A pencil: entered by hand.
    QPolygonF pencil({{20, 34}, {22, 27}, {33, 16}, {37, 20}, {26, 31}});
    p.setBrush(palette::kProcess);
    p.drawPolygon(pencil);
    p.setBrush(palette::kInk);
    p.drawPolygon(QPolygonF({{20, 34}, {21, 30.5}, {23.5, 33}}));
  }
  return icon.Image;
}

QImage DetailsBranch() {
  Icon icon;
  QPainter& p = icon.Painter;
  // A nut: the fittings that come with a pipeline.
  QPolygonF hexagon;
  for (int i = 0; i < 6; ++i) {
    const double angle = M_PI / 3 * i;
    hexagon << QPointF(19 + 15 * std::cos(angle), 19 + 15 * std::sin(angle));
  }
  p.setBrush(RoundShade(QPointF(4, 4), QPointF(34, 34), palette::kGalvanised));
  p.drawPolygon(hexagon);
  p.setBrush(palette::kPaper);
  p.drawEllipse(QPointF(19, 19), 6.5, 6.5);
  return icon.Image;
}

}  // namespace

QList<NamedPicture> DrawTreeImages() {
  const QImage images[] = {Root(),
                           PipeLength(),
                           Bend(),
                           Flange(),
                           Valve(),
                           Tee(),
                           Reducer(false),
                           Reducer(true),
                           EndCap(),
                           System(),
                           Pipeline(),
                           Tank(),
                           RectangularDuct(),
                           CylindricalDuct(),
                           ParameterLine(true),
                           DetailsBranch(),
                           ParameterLine(false)};
  QList<NamedPicture> all;
  for (int i = 0; i < 17; ++i)
    all.push_back({QStringLiteral("tree_%1.jpg").arg(i, 2, 10, QLatin1Char('0')), images[i]});
  return all;
}

}  // namespace pictures
