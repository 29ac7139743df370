// The two marks of the parameter grid's caption column: the conductivity that
// follows from the insulation line, and the value the calculation seeks
// while the thickness is given.
#include "canvas.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int kMarkSize = 16;

QImage Mark(const QColor& disc, const QString& sign) {
  QImage image = NewPicture(kMarkSize, kMarkSize, palette::kPaper);
  QPainter painter(&image);
  PreparePainter(painter);
  painter.setPen(Qt::NoPen);
  painter.setBrush(disc);
  painter.drawEllipse(QRectF(0.5, 0.5, kMarkSize - 1, kMarkSize - 1));
  painter.setPen(palette::kPaper);
  painter.setFont(DrawingFont(11, true));
  painter.drawText(QRectF(0, 0, kMarkSize, kMarkSize), Qt::AlignCenter, sign);
  return image;
}

}  // namespace

QList<NamedPicture> DrawGridMarks() {
  return {
      {QStringLiteral("mark_derived.jpg"), Mark(palette::kProcess, QStringLiteral("λ"))},
      {QStringLiteral("mark_sought.jpg"), Mark(palette::kSteelBlue, QStringLiteral("="))},
  };
}

}  // namespace pictures
