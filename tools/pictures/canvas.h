// Drawing basics shared by every picture: the palette, fonts, shading of
// round bodies, soft shadows and the section hatches of engineering drawings.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace pictures {

namespace palette {
inline const QColor kNavyDeep{9, 24, 41};
inline const QColor kNavy{16, 43, 71};
inline const QColor kSteelBlue{37, 82, 122};
inline const QColor kPaper{255, 255, 255};
inline const QColor kInk{38, 48, 60};
inline const QColor kLeader{120, 134, 150};
inline const QColor kSteel{104, 113, 123};
inline const QColor kGalvanised{168, 178, 186};
inline const QColor kFoam{150, 160, 170};  // foamed polyethylene
inline const QColor kFoamSection{178, 187, 195};
inline const QColor kFoil{212, 218, 224};  // aluminium-foil covering
inline const QColor kConcrete{196, 192, 184};
inline const QColor kHot{214, 64, 46};
inline const QColor kCold{36, 126, 204};
inline const QColor kAir{26, 150, 140};
inline const QColor kProcess{196, 138, 30};
}  // namespace palette

// The accent of each system: heating, water supply, ventilation, process.
QColor SystemAccent(int page);

QImage NewPicture(int width, int height, const QColor& fill);
// Antialiased painting for all pictures.
void PreparePainter(QPainter& painter);

QFont DrawingFont(double pixelSize, bool bold = false);
QColor Mix(const QColor& a, const QColor& b, double t);

// Light falls from the top left: the gradient runs across a round body from
// the edge at `from` to the edge at `to`.
QLinearGradient RoundShade(QPointF from, QPointF to, const QColor& base);
// The same profile bent around `centre`, from radius `inner` to `outer`.
QRadialGradient BentRoundShade(QPointF centre, double inner, double outer, const QColor& base);

// A shadow of `shape` blurred by `radius` pixels, offset by `offset`.
void DrawSoftShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, int radius, const QColor& colour);

// Parallel diagonal lines inside `area`, as drawings mark a cut or the ground.
void HatchArea(QPainter& painter, const QPainterPath& area, double spacing, const QColor& colour, double width = 1.0);

// Fine closed-cell grain of foamed insulation inside `area`; the same area
// always gets the same grain.
void FoamGrain(QPainter& painter, const QPainterPath& area, const QColor& base);

// A deterministic value 0..1 for the integer pair (a, b).
double Noise(int a, int b);

}  // namespace pictures
