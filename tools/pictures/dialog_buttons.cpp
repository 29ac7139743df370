// The faces of the tool buttons "Применить" and "Отменить" of the object and
// details dialogs: a tick and a cross, each on a round badge.
#include "canvas.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int kButtonPictureSize = 24;
const QColor kApply{46, 140, 72};

QImage Badge(const QColor& colour, const QPainterPath& sign) {
  QImage image = NewPicture(kButtonPictureSize, kButtonPictureSize, palette::kPaper);
  QPainter painter(&image);
  PreparePainter(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(QRectF(1, 1, kButtonPictureSize - 2, kButtonPictureSize - 2));
  painter.setPen(QPen(palette::kPaper, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(sign);
  return image;
}

QPainterPath Tick() {
  QPainterPath path(QPointF(6.5, 12.5));
  path.lineTo(10.5, 16.5);
  path.lineTo(17.5, 8);
  return path;
}

QPainterPath Cross() {
  QPainterPath path(QPointF(8, 8));
  path.lineTo(16, 16);
  path.moveTo(16, 8);
  path.lineTo(8, 16);
  return path;
}

}  // namespace

QList<NamedPicture> DrawDialogButtons() {
  return {
      {QStringLiteral("button_apply.jpg"), Badge(kApply, Tick())},
      {QStringLiteral("button_cancel.jpg"), Badge(palette::kHot, Cross())},
  };
}

}  // namespace pictures
