// The start screen: its background, the two faces of its buttons and the
// maker's logo. The window lays its buttons, the about text, the credit and
// the links over the background at fixed places; the background keeps those
// places dark and quiet so that the white text stays readable.
#include <QPainterPath>

#include "canvas.h"
#include "emblem.h"
#include "equipment.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kButtonWidth = 250;
constexpr int kButtonHeight = 42;

// Flat fields: the button faces and the logo are rectangles, so their
// corners are painted in the colour of the field they stand on.
const QColor kMenuField(17, 44, 71);
const QColor kFooterField(7, 19, 33);
const QRectF kMenuPanel(24, 284, 290, 176);    // round the buttons at 44,300 / 350 / 400
const QRectF kAboutPanel(322, 292, 670, 384);  // round the about text at 338,306
const double kFooterTop = 678;                 // the credit at 437..700, 682..715

void DrawGrid(QPainter& painter, const QRectF& area) {
  painter.save();
  for (double x = area.left(); x < area.right(); x += 24) {
    const bool major = static_cast<int>(x - area.left()) % 120 == 0;
    painter.setPen(QPen(QColor(120, 170, 220, major ? 22 : 10), 1));
    painter.drawLine(QPointF(x + 0.5, area.top()), QPointF(x + 0.5, area.bottom()));
  }
  for (double y = area.top(); y < area.bottom(); y += 24) {
    const bool major = static_cast<int>(y - area.top()) % 120 == 0;
    painter.setPen(QPen(QColor(120, 170, 220, major ? 22 : 10), 1));
    painter.drawLine(QPointF(area.left(), y + 0.5), QPointF(area.right(), y + 0.5));
  }
  painter.restore();
}

// Three insulated lines and a clad tank, cut to show their layers.
void DrawHeroEquipment(QPainter& painter) {
  QPainterPath floorShadow;
  floorShadow.addEllipse(QPointF(720, 238), 300, 10);
  DrawSoftShadow(painter, floorShadow, QPointF(0, 0), 8, QColor(0, 0, 0, 120));
  DrawVerticalTank(painter, QRectF(878, 70, 96, 118), palette::kFoil, true);
  struct Line {
    double y;
    double foam;
    QColor flow;
  };
  for (const Line& line :
       {Line{96, 22, palette::kHot}, Line{152, 17, palette::kCold}, Line{196, 12, palette::kProcess}}) {
    PipeLook look;
    look.FoamRadius = line.foam;
    look.PipeRadius = line.foam * 0.48;
    look.Flow = line.flow;
    look.SteelShown = line.foam * 1.1;
    look.FoamShown = line.foam * 1.3;
    const QPointF start(470 + (22 - line.foam) * 3, line.y);
    const QPointF end(872, line.y);
    QPainterPath body;
    body.addRect(QRectF(start.x(), line.y - line.foam, end.x() - start.x(), 2 * line.foam));
    DrawSoftShadow(painter, body, QPointF(4, 8), 6, QColor(0, 0, 0, 110));
    DrawInsulatedPipe(painter, start, end, look);
    const double outer = line.foam + 1.3;
    const double clad = start.x() + look.SteelShown + look.FoamShown;
    DrawBands(painter, start, end, outer, {clad - start.x() + 40, clad - start.x() + 170, clad - start.x() + 300});
    painter.fillRect(QRectF(clad + 96, line.y - outer, 9, 2 * outer),
                     RoundShade(QPointF(0, line.y - outer), QPointF(0, line.y + outer), line.flow));
    DrawFlowArrow(painter, QPointF(clad + 125, line.y), 0, outer * 0.9, line.flow);
  }
}

// A faint drawing of the insulation in section with its two dimensions,
// under the buttons.
void DrawSectionSketch(QPainter& painter, QPointF centre) {
  painter.save();
  const QColor line(130, 180, 230, 120);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(line, 1.2));
  for (double r : {70.0, 66.0, 30.0, 24.0}) painter.drawEllipse(centre, r, r);
  QPainterPath foam;
  foam.addEllipse(centre, 66, 66);
  foam.addEllipse(centre, 30, 30);
  HatchArea(painter, foam, 6, QColor(130, 180, 230, 45));
  QPen axis(line, 0.8, Qt::DashDotLine);
  painter.setPen(axis);
  painter.drawLine(centre - QPointF(88, 0), centre + QPointF(88, 0));
  painter.drawLine(centre - QPointF(0, 88), centre + QPointF(0, 88));
  // Thickness of the insulation and outer diameter of the pipe.
  painter.setPen(QPen(line, 1));
  const QPointF a = centre + QPointF(30, -50);
  const QPointF b = centre + QPointF(66, -50);
  painter.drawLine(a - QPointF(0, 8), a + QPointF(0, 40));
  painter.drawLine(b - QPointF(0, 8), b + QPointF(0, 30));
  painter.drawLine(a, b);
  DrawFlowArrow(painter, a + QPointF(4, 0), 180, 8, line);
  DrawFlowArrow(painter, b - QPointF(4, 0), 0, 8, line);
  painter.drawLine(centre + QPointF(-30, 84), centre + QPointF(30, 84));
  painter.drawLine(centre + QPointF(-30, 20), centre + QPointF(-30, 90));
  painter.drawLine(centre + QPointF(30, 20), centre + QPointF(30, 90));
  DrawFlowArrow(painter, centre + QPointF(-26, 84), 180, 8, line);
  DrawFlowArrow(painter, centre + QPointF(26, 84), 0, 8, line);
  painter.setPen(QColor(150, 195, 240, 160));
  painter.setFont(DrawingFont(12, true));
  painter.drawText(centre + QPointF(36, -56), QStringLiteral("δиз"));
  painter.drawText(centre + QPointF(36, 88), QStringLiteral("Dн"));
  painter.restore();
}

void DrawTitle(QPainter& painter) {
  DrawEmblem(painter, QPointF(78, 92), 34);
  painter.setPen(Qt::white);
  painter.setFont(DrawingFont(54, true));
  painter.drawText(QPointF(126, 112), QStringLiteral("Ovalto 4"));
  painter.fillRect(QRectF(44, 146, 64, 3), palette::kHot);
  painter.setPen(QColor(196, 214, 232));
  painter.setFont(DrawingFont(19));
  painter.drawText(QPointF(44, 180), QStringLiteral("Расчёт тепловой изоляции"));
  painter.setPen(QColor(140, 166, 192));
  painter.setFont(DrawingFont(14));
  painter.drawText(QPointF(44, 204), QStringLiteral("трубопроводов, ёмкостей и воздуховодов"));
}

void DrawPanel(QPainter& painter, const QRectF& panel, const QColor& fill, const QColor& edge) {
  QPainterPath shape;
  shape.addRoundedRect(panel, 8, 8);
  DrawSoftShadow(painter, shape, QPointF(0, 6), 10, QColor(0, 0, 0, 110));
  painter.fillPath(shape, fill);
  painter.strokePath(shape, QPen(edge, 1));
}

QImage DrawBackground() {
  QImage image = NewPicture(kScreenWidth, kScreenHeight, palette::kNavyDeep);
  QPainter painter(&image);
  PreparePainter(painter);
  QLinearGradient depth(0, 0, 0, kScreenHeight);
  depth.setColorAt(0, QColor(20, 52, 84));
  depth.setColorAt(0.45, QColor(12, 33, 55));
  depth.setColorAt(1, QColor(8, 22, 38));
  painter.fillRect(image.rect(), depth);
  QRadialGradient glow(QPointF(760, 120), 420);
  glow.setColorAt(0, QColor(70, 130, 190, 70));
  glow.setColorAt(1, QColor(70, 130, 190, 0));
  painter.fillRect(image.rect(), glow);
  DrawGrid(painter, QRectF(0, 0, kScreenWidth, kFooterTop));
  DrawHeroEquipment(painter);
  DrawTitle(painter);
  // A thin rule between the picture and the working part, short of the
  // distributor's link at 420,264.
  QLinearGradient rule(QPointF(24, 0), QPointF(1000, 0));
  rule.setColorAt(0, QColor(214, 64, 46, 0));
  rule.setColorAt(0.2, QColor(214, 64, 46, 200));
  rule.setColorAt(1, QColor(214, 64, 46, 0));
  painter.fillRect(QRectF(24, 252, 380, 1.5), rule);

  DrawSectionSketch(painter, QPointF(150, 566));
  DrawPanel(painter, kMenuPanel, kMenuField, QColor(90, 140, 190, 90));
  DrawPanel(painter, kAboutPanel, QColor(6, 20, 36, 215), QColor(90, 140, 190, 70));
  painter.fillRect(QRectF(0, kFooterTop, kScreenWidth, kScreenHeight - kFooterTop), kFooterField);
  painter.fillRect(QRectF(0, kFooterTop, kScreenWidth, 1), QColor(90, 140, 190, 80));
  return image;
}

// The face of a start-screen button; its caption is laid over it from x 59.
QImage DrawButtonFace(bool highlighted) {
  QImage image = NewPicture(kButtonWidth, kButtonHeight, kMenuField);
  QPainter painter(&image);
  PreparePainter(painter);
  const QRectF face(0.5, 0.5, kButtonWidth - 1, kButtonHeight - 1);
  QPainterPath shape;
  shape.addRoundedRect(face, 5, 5);
  const QColor top = highlighted ? QColor(236, 122, 58) : QColor(38, 92, 140);
  const QColor bottom = highlighted ? QColor(196, 74, 30) : QColor(22, 60, 98);
  QLinearGradient fill(face.topLeft(), face.bottomLeft());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  painter.fillPath(shape, fill);
  QLinearGradient gloss(face.topLeft(), QPointF(0, face.center().y()));
  gloss.setColorAt(0, QColor(255, 255, 255, highlighted ? 70 : 45));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  QPainterPath upper;
  upper.addRoundedRect(QRectF(face.left() + 1, face.top() + 1, face.width() - 2, face.height() / 2), 4, 4);
  painter.fillPath(upper, gloss);
  // The sign block at the left, before the caption.
  QPainterPath block;
  block.addRoundedRect(QRectF(5, 5, 36, kButtonHeight - 10), 4, 4);
  painter.fillPath(block, highlighted ? QColor(255, 255, 255, 60) : QColor(214, 64, 46));
  painter.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPolyline(QPolygonF({QPointF(19, 14), QPointF(26, 21), QPointF(19, 28)}));
  painter.strokePath(shape, QPen(highlighted ? QColor(255, 190, 150) : QColor(90, 140, 190), 1));
  return image;
}

// The maker's logo, on the footer beside the credit line.
QImage DrawMakerLogo() {
  QImage image = NewPicture(48, 32, kFooterField);
  QPainter painter(&image);
  PreparePainter(painter);
  DrawEmblem(painter, QPointF(16, 16), 14);
  painter.setPen(Qt::NoPen);
  const QColor bars(120, 170, 220);
  for (int i = 0; i < 3; ++i) painter.fillRect(QRectF(35 + i * 4, 24 - i * 6 - 4, 2.5, i * 6 + 6), bars);
  return image;
}

}  // namespace

QList<NamedPicture> DrawStartScreenPictures() {
  return {{QStringLiteral("main_background.jpg"), DrawBackground()},
          {QStringLiteral("button_normal.jpg"), DrawButtonFace(false)},
          {QStringLiteral("button_highlighted.jpg"), DrawButtonFace(true)},
          {QStringLiteral("maker_logo.jpg"), DrawMakerLogo()}};
}

}  // namespace pictures
