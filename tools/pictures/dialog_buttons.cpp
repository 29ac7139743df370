// The two buttons of the user-data dialog: apply and cancel. JPEG keeps no
// transparency, so they are drawn on the tool bar's own grey.
#include "canvas.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int kButtonSize = 24;
const QColor kToolBarGrey(239, 239, 239);

QImage ButtonPicture(const QColor& disc, const QPainterPath& sign) {
  QImage image = NewPicture(kButtonSize, kButtonSize, kToolBarGrey);
  QPainter painter(&image);
  PreparePainter(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(RoundShade(QPointF(2, 2), QPointF(22, 22), disc));
  painter.drawEllipse(QRectF(1.5, 1.5, kButtonSize - 3, kButtonSize - 3));
  painter.setPen(QPen(palette::kPaper, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(sign);
  return image;
}

QPainterPath Tick() {
  QPainterPath path;
  path.moveTo(7, 12.5);
  path.lineTo(10.5, 16);
  path.lineTo(17, 8.5);
  return path;
}

QPainterPath Cross() {
  QPainterPath path;
  path.moveTo(8, 8);
  path.lineTo(16, 16);
  path.moveTo(16, 8);
  path.lineTo(8, 16);
  return path;
}

}  // namespace

QList<NamedPicture> DrawDialogButtons() {
  return {
      {QStringLiteral("button_apply.jpg"), ButtonPicture(QColor(46, 150, 70), Tick())},
      {QStringLiteral("button_cancel.jpg"), ButtonPicture(palette::kHot, Cross())},
  };
}

}  // namespace pictures
