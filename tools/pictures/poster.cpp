#include "poster.h"

#include <QLineF>
#include <QPainterPath>
#include <cmath>

#include "canvas.h"
#include "emblem.h"
#include "equipment.h"

namespace pictures {

namespace {

constexpr double kTitleHeight = 96;
constexpr double kHintTop = 722;

}  // namespace

void DrawPosterFrame(QPainter& painter, const QString& title, const QString& subtitle, const QColor& accent) {
  QLinearGradient sheet(0, kTitleHeight, 0, kPosterHeight);
  sheet.setColorAt(0, QColor(243, 247, 250));
  sheet.setColorAt(1, QColor(226, 234, 241));
  painter.fillRect(QRectF(0, 0, kPosterWidth, kPosterHeight), sheet);
  for (double x = 0.5; x < kPosterWidth; x += 24) {
    painter.setPen(QPen(QColor(120, 150, 180, static_cast<int>(x) % 120 == 0 ? 40 : 20), 1));
    painter.drawLine(QPointF(x, kTitleHeight), QPointF(x, kHintTop));
  }
  for (double y = kTitleHeight + 0.5; y < kHintTop; y += 24) {
    painter.setPen(QPen(QColor(120, 150, 180, static_cast<int>(y - kTitleHeight) % 120 == 0 ? 40 : 20), 1));
    painter.drawLine(QPointF(0, y), QPointF(kPosterWidth, y));
  }

  QLinearGradient band(0, 0, 0, kTitleHeight);
  band.setColorAt(0, palette::kSteelBlue);
  band.setColorAt(1, palette::kNavy);
  painter.fillRect(QRectF(0, 0, kPosterWidth, kTitleHeight), band);
  painter.fillRect(QRectF(0, kTitleHeight - 4, kPosterWidth, 4), accent);
  DrawEmblem(painter, QPointF(38, 46), 20);
  painter.setPen(Qt::white);
  painter.setFont(DrawingFont(title.size() > 16 ? 17 : 22, true));
  painter.drawText(QRectF(70, 14, kPosterWidth - 84, 44), Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, title);
  painter.setPen(QColor(184, 204, 224));
  painter.setFont(DrawingFont(12));
  painter.drawText(QRectF(70, 60, kPosterWidth - 84, 24), Qt::AlignLeft | Qt::AlignVCenter, subtitle);

  painter.fillRect(QRectF(0, kHintTop, kPosterWidth, kPosterHeight - kHintTop), QColor(214, 224, 233));
  painter.fillRect(QRectF(0, kHintTop, kPosterWidth, 1), QColor(180, 194, 208));
  DrawFlowArrow(painter, QPointF(34, kHintTop + 23), 180, 16, accent);
  painter.setPen(palette::kInk);
  painter.setFont(DrawingFont(13));
  painter.drawText(QRectF(52, kHintTop, kPosterWidth - 60, 46), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Выберите вид расчёта на схеме слева"));
}

void DrawFloorSlab(QPainter& painter, double y) { DrawSlab(painter, y, kHintTop); }

void DrawSlab(QPainter& painter, double top, double bottom) {
  const QRectF slab(0, top, kPosterWidth, bottom - top);
  QLinearGradient shade(slab.topLeft(), slab.bottomLeft());
  shade.setColorAt(0, palette::kConcrete);
  shade.setColorAt(1, palette::kConcrete.darker(112));
  painter.fillRect(slab, shade);
  QPainterPath area;
  area.addRect(slab);
  HatchArea(painter, area, 7, palette::kConcrete.darker(135), 0.9);
  painter.fillRect(QRectF(0, top, kPosterWidth, 1.5), palette::kConcrete.darker(150));
  painter.fillRect(QRectF(0, bottom - 1.5, kPosterWidth, 1.5), palette::kConcrete.darker(150));
}

void DrawGauge(QPainter& painter, QPointF base, double stem, const QColor& accent) {
  painter.save();
  painter.setPen(QPen(palette::kSteel, 2));
  painter.drawLine(base, base - QPointF(0, stem));
  const QPointF dial = base - QPointF(0, stem + 8);
  painter.setPen(QPen(palette::kSteel.darker(130), 2));
  painter.setBrush(Qt::white);
  painter.drawEllipse(dial, 8, 8);
  painter.setPen(QPen(accent, 1.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(dial, dial + QPointF(4.5, -3.5));
  painter.setPen(QPen(palette::kInk, 0.8));
  for (int i = 0; i < 5; ++i) {
    const double a = (210 - i * 60.0) * M_PI / 180;
    const QPointF dir(std::cos(a), -std::sin(a));
    painter.drawLine(dial + dir * 5.5, dial + dir * 7);
  }
  painter.restore();
}

void DrawInsulatedRoute(QPainter& painter, const QList<QPointF>& corners, double radius, const QColor& medium,
                        int markedRun) {
  DrawTubeRoute(painter, corners, radius, radius * 1.6, palette::kFoil);
  // Bands on every straight run, clear of the bends.
  for (int i = 0; i + 1 < corners.size(); ++i) {
    const QPointF a = corners[i];
    const QPointF b = corners[i + 1];
    const double length = QLineF(a, b).length();
    QList<double> at;
    for (double t = radius * 3; t < length - radius * 2.5; t += 70) at.append(t);
    DrawBands(painter, a, b, radius, at);
  }
  if (markedRun < 0 || markedRun + 1 >= corners.size()) return;
  const QPointF a = corners[markedRun];
  const QPointF b = corners[markedRun + 1];
  const QPointF middle = (a + b) / 2;
  const QPointF along = (b - a) / QLineF(a, b).length();
  const bool horizontal = std::abs(along.x()) > 0.5;
  const QRectF ring = horizontal ? QRectF(middle.x() - 4, middle.y() - radius, 8, 2 * radius)
                                 : QRectF(middle.x() - radius, middle.y() - 4, 2 * radius, 8);
  const QPointF side = horizontal ? QPointF(0, radius) : QPointF(radius, 0);
  painter.fillRect(ring, RoundShade(middle - side, middle + side, medium));
  DrawFlowArrow(painter, middle + along * (radius * 2.4), std::atan2(along.y(), along.x()) * 180 / M_PI, radius * 1.4,
                medium);
}

void DrawHanger(QPainter& painter, QPointF lineTop, double ceilingY) {
  painter.save();
  const QColor steel(92, 102, 114);
  painter.setPen(QPen(steel, 1.6));
  painter.drawLine(QPointF(lineTop.x(), ceilingY), QPointF(lineTop.x(), lineTop.y()));
  painter.fillRect(QRectF(lineTop.x() - 7, ceilingY, 14, 3), steel.darker(120));
  painter.restore();
}

}  // namespace pictures
