// The four system pictures shown beside the kind picker while no kind is
// chosen, and the program logo of the chart panel.
#include <QPainterPath>
#include <QPolygonF>

#include "canvas.h"
#include "emblem.h"
#include "equipment.h"
#include "pictures.h"
#include "poster.h"

namespace pictures {

namespace {

constexpr double kCeilingTop = 96;
constexpr double kCeiling = 112;

void BeginPoster(QPainter& painter, QImage& image, int page, const QString& title, const QString& subtitle) {
  image = NewPicture(kPosterWidth, kPosterHeight, palette::kPaper);
  painter.begin(&image);
  PreparePainter(painter);
  DrawPosterFrame(painter, title, subtitle, SystemAccent(page));
}

// Plates clamped between two pressure plates, on feet.
void DrawPlateExchanger(QPainter& painter, const QRectF& pack, double floor) {
  const QColor frame(70, 84, 100);
  painter.fillRect(QRectF(pack.left() + 6, pack.bottom(), 6, floor - pack.bottom()), frame);
  painter.fillRect(QRectF(pack.right() - 12, pack.bottom(), 6, floor - pack.bottom()), frame);
  painter.fillRect(QRectF(pack.left() - 6, pack.top() - 8, pack.width() + 12, 8), frame.lighter(120));
  painter.fillRect(pack, RoundShade(pack.topLeft(), pack.bottomLeft(), palette::kGalvanised));
  painter.setPen(QPen(palette::kGalvanised.darker(140), 1));
  for (double x = pack.left() + 14; x < pack.right() - 12; x += 3.5)
    painter.drawLine(QPointF(x, pack.top() + 2), QPointF(x, pack.bottom() - 2));
  for (double x : {pack.left(), pack.right() - 12}) {
    const QRectF plate(x, pack.top() - 4, 12, pack.height() + 8);
    painter.fillRect(plate, RoundShade(plate.topLeft(), plate.topRight(), palette::kHot.darker(115)));
  }
}

QImage DrawHeating() {
  QPainter painter;
  QImage image;
  BeginPoster(painter, image, 1, QStringLiteral("Отопление"),
              QStringLiteral("Тепловая изоляция трубопроводов и ёмкостей"));
  const double floor = 652;
  DrawSlab(painter, kCeilingTop, kCeiling);
  DrawFloorSlab(painter, floor);
  for (double x : {250.0, 300.0}) DrawHanger(painter, QPointF(x, 238), kCeiling);
  for (double x : {190.0, 270.0, 340.0}) DrawHanger(painter, QPointF(x, 166), kCeiling);

  const double w = 110;
  DrawVerticalTank(painter, QRectF(34, 368, w, floor - 0.56 * w - 368), palette::kFoil, true);
  DrawPlateExchanger(painter, QRectF(326, 452, 90, 140), floor);
  const double returnY = floor - 0.56 * w - (floor - 0.56 * w - 368) * 0.12;
  DrawInsulatedRoute(painter, {{392, 446}, {392, 250}, {200, 250}, {200, returnY}, {150, returnY}}, 12, palette::kCold,
                     2);
  DrawInsulatedRoute(painter, {{109, 336}, {109, 180}, {352, 180}, {352, 446}}, 14, palette::kHot, 1);
  DrawGateValve(painter, QPointF(109, 270), true, 7, QColor(170, 60, 48));
  DrawGateValve(painter, QPointF(200, 400), true, 6, QColor(170, 60, 48));
  DrawGauge(painter, QPointF(300, 166), 16, palette::kHot);
  DrawGauge(painter, QPointF(250, 238), 14, palette::kCold);
  painter.end();
  return image;
}

QImage DrawWaterSupply() {
  QPainter painter;
  QImage image;
  BeginPoster(painter, image, 2, QStringLiteral("Водоснабжение"),
              QStringLiteral("Холодная и горячая вода, вводы и стояки"));
  const double floor = 640;
  DrawSlab(painter, kCeilingTop, kCeiling);
  DrawFloorSlab(painter, floor);
  for (double x : {290.0, 400.0}) DrawHanger(painter, QPointF(x, 140), kCeiling);
  for (double x : {410.0}) DrawHanger(painter, QPointF(x, 188), kCeiling);

  const double w = 100;
  const QRectF heater(300, 352, w, floor - 0.56 * w - 352);
  DrawVerticalTank(painter, heater, palette::kFoil, true);
  // The main comes up through the floor to the pump, which lifts it to the
  // cold riser and the water heater.
  DrawInsulatedRoute(painter, {{-20, 692}, {66, 692}, {66, 598}, {124, 598}}, 11, palette::kCold, -1);
  DrawInsulatedRoute(painter, {{139, 578}, {139, 500}, {230, 500}, {230, 150}, {450, 150}}, 11, palette::kCold, 3);
  DrawInsulatedRoute(painter, {{230, 440}, {300, 440}}, 8, palette::kCold, -1);
  DrawInsulatedRoute(painter, {{368, 318}, {368, 200}, {450, 200}}, 10, palette::kHot, 1);
  const QRectF plinth(112, 612, 86, floor - 612);
  painter.fillRect(plinth, RoundShade(plinth.topLeft(), plinth.bottomLeft(), palette::kConcrete));
  DrawPump(painter, QPointF(150, 592), 24, palette::kCold.darker(115));
  DrawGateValve(painter, QPointF(230, 330), true, 6, QColor(40, 96, 160));
  DrawGateValve(painter, QPointF(368, 262), true, 5, QColor(170, 60, 48));
  DrawGauge(painter, QPointF(290, 139), 12, palette::kCold);
  painter.end();
  return image;
}

// An air-handling unit: intake louvres, filter, coil and fan sections.
void DrawAirHandler(QPainter& painter, const QRectF& front, double depth, double floor) {
  const QPointF recede(depth * 0.62, -depth * 0.48);
  const QColor casing(214, 222, 230);
  painter.fillRect(QRectF(front.left() + 8, front.bottom(), 8, floor - front.bottom()), QColor(70, 80, 92));
  painter.fillRect(QRectF(front.right() - 16, front.bottom(), 8, floor - front.bottom()), QColor(70, 80, 92));
  painter.fillPath(
      [&] {
        QPainterPath top;
        top.addPolygon(
            QPolygonF({front.topLeft(), front.topRight(), front.topRight() + recede, front.topLeft() + recede}));
        return top;
      }(),
      casing.lighter(108));
  painter.fillPath(
      [&] {
        QPainterPath side;
        side.addPolygon(QPolygonF(
            {front.topRight(), front.bottomRight(), front.bottomRight() + recede, front.topRight() + recede}));
        return side;
      }(),
      casing.darker(118));
  painter.fillRect(front, RoundShade(front.topLeft(), front.bottomLeft(), casing));
  painter.setPen(QPen(casing.darker(150), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(front);
  const double section = front.width() / 4;
  for (int i = 1; i < 4; ++i)
    painter.drawLine(QPointF(front.left() + section * i, front.top()),
                     QPointF(front.left() + section * i, front.bottom()));
  // Louvres of the intake.
  const QRectF intake = QRectF(front.left() + 8, front.top() + 14, section - 16, front.height() - 28);
  painter.fillRect(intake, QColor(60, 70, 82));
  painter.setPen(QPen(casing.darker(120), 2.4));
  for (double y = intake.top() + 4; y < intake.bottom(); y += 7)
    painter.drawLine(QPointF(intake.left(), y), QPointF(intake.right(), y + 2));
  // Filter pleats and the coil fins.
  painter.setPen(QPen(QColor(200, 196, 170), 1.2));
  for (double x = front.left() + section + 8; x < front.left() + 2 * section - 6; x += 5)
    painter.drawLine(QPointF(x, front.top() + 14), QPointF(x + 2.5, front.bottom() - 14));
  painter.setPen(QPen(palette::kCold.lighter(140), 1));
  for (double y = front.top() + 14; y < front.bottom() - 12; y += 3)
    painter.drawLine(QPointF(front.left() + 2 * section + 8, y), QPointF(front.left() + 3 * section - 8, y));
  // Fan wheel.
  const QPointF hub(front.left() + 3.5 * section, front.center().y());
  const double r = std::min(section, front.height()) * 0.36;
  painter.setPen(QPen(casing.darker(160), 1.4));
  painter.setBrush(QColor(70, 82, 96));
  painter.drawEllipse(hub, r, r);
  painter.setPen(QPen(QColor(190, 200, 210), 2.2, Qt::SolidLine, Qt::RoundCap));
  for (int blade = 0; blade < 8; ++blade) {
    const double a = blade * M_PI / 4;
    painter.drawLine(hub + QPointF(std::cos(a), std::sin(a)) * r * 0.3,
                     hub + QPointF(std::cos(a + 0.5), std::sin(a + 0.5)) * r * 0.9);
  }
}

QImage DrawVentilation() {
  QPainter painter;
  QImage image;
  BeginPoster(painter, image, 3, QStringLiteral("Вентиляция и кондиционирование"),
              QStringLiteral("Воздуховоды и трубопроводы холодоснабжения"));
  const double floor = 660;
  DrawSlab(painter, kCeilingTop, kCeiling);
  DrawFloorSlab(painter, floor);
  for (double x : {260.0, 380.0}) DrawHanger(painter, QPointF(x, 176), kCeiling);
  DrawRoundDuct(painter, QPointF(318, 470), QPointF(318, 240), 22, palette::kFoil, 5);
  DrawRectDuct(painter, QRectF(160, 230, 56, 290), 34, true, palette::kFoil, 7);
  DrawRectDuct(painter, QRectF(160, 192, 240, 56), 34, false, palette::kFoil, 7);
  DrawAirHandler(painter, QRectF(24, 520, 236, 112), 34, floor);
  DrawInsulatedRoute(painter, {{450, 556}, {262, 556}}, 8, palette::kCold, 0);
  DrawInsulatedRoute(painter, {{450, 600}, {262, 600}}, 8, palette::kCold.lighter(125), 0);
  DrawGateValve(painter, QPointF(330, 556), false, 4.5, QColor(40, 96, 160));
  DrawGateValve(painter, QPointF(380, 600), false, 4.5, QColor(40, 96, 160));
  painter.end();
  return image;
}

QImage DrawProcess() {
  QPainter painter;
  QImage image;
  BeginPoster(painter, image, 4, QStringLiteral("Технология"),
              QStringLiteral("Технологические трубопроводы и оборудование"));
  const double floor = 660;
  DrawFloorSlab(painter, floor);
  const double w = 76;
  const QRectF column(34, 170, w, floor - 0.56 * w - 170);
  // Rack: two posts, two beams.
  const QColor steel(84, 96, 110);
  for (double x : {170.0, 410.0}) {
    const QRectF post(x - 5, 300, 10, floor - 300);
    painter.fillRect(post, RoundShade(post.topLeft(), post.topRight(), steel));
  }
  for (double y : {300.0, 400.0})
    painter.fillRect(QRectF(160, y, 262, 9), RoundShade(QPointF(0, y), QPointF(0, y + 9), steel));
  DrawVerticalTank(painter, column, palette::kFoil, false);
  const double h = 70;
  DrawHorizontalTank(painter, QRectF(196, floor - 0.28 * h - h, 196, h), palette::kFoil);
  DrawInsulatedRoute(painter, {{110, 232}, {150, 232}, {150, 287}, {450, 287}}, 13, palette::kHot, 2);
  DrawInsulatedRoute(painter, {{110, 352}, {210, 352}, {210, 390}, {450, 390}}, 10, palette::kProcess, 2);
  const double outlet = column.bottom() - column.height() * 0.12;
  DrawInsulatedRoute(painter, {{124, outlet}, {150, outlet}, {150, 612}, {180, 612}}, 7, palette::kProcess, -1);
  DrawGateValve(painter, QPointF(150, 590), true, 4.5, QColor(150, 110, 30));
  DrawGateValve(painter, QPointF(300, 287), false, 7, QColor(170, 60, 48));
  DrawGauge(painter, QPointF(360, 274), 14, palette::kHot);
  DrawGauge(painter, QPointF(340, 380), 12, palette::kProcess);
  painter.end();
  return image;
}

// The emblem over the program's name, on the white chart panel and in the
// printed report.
QImage DrawProgramLogo() {
  QImage image = NewPicture(92, 88, palette::kPaper);
  QPainter painter(&image);
  PreparePainter(painter);
  DrawEmblem(painter, QPointF(46, 34), 27);
  painter.setPen(palette::kNavy);
  painter.setFont(DrawingFont(15, true));
  painter.drawText(QRectF(0, 64, 92, 22), Qt::AlignCenter, QStringLiteral("Ovalto 4"));
  return image;
}

// The emblem alone on a clear ground: the icon of the program's window, its menu entries and
// its desktop shortcut.
QImage DrawProgramIcon() {
  QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PreparePainter(painter);
  DrawEmblem(painter, QPointF(32, 32), 31);
  return image;
}

}  // namespace

QList<NamedPicture> DrawSystemPictures() {
  return {{QStringLiteral("system_heating.jpg"), DrawHeating()},
          {QStringLiteral("system_water_supply.jpg"), DrawWaterSupply()},
          {QStringLiteral("system_ventilation.jpg"), DrawVentilation()},
          {QStringLiteral("system_process.jpg"), DrawProcess()},
          {QStringLiteral("program_logo.jpg"), DrawProgramLogo()},
          {QStringLiteral("program_icon.png"), DrawProgramIcon()}};
}

}  // namespace pictures
