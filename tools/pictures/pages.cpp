// The pictures of the kind picker's pages: each object indoors and in the
// open air, with the markers of its calculation kinds where the kind labels
// expect them.
#include <QList>
#include <algorithm>

#include "canvas.h"
#include "equipment.h"
#include "kinds/kind_markers.h"
#include "markers.h"
#include "pictures.h"
#include "scenes.h"

namespace pictures {

namespace {

enum class Place { Indoors, Outdoors };
enum class Object { Pipe, Tank, Column, RoundDuct, RectDuct };

// One object in its scene and the kinds whose markers lead to it.
struct Group {
  QRectF Frame;
  Place Where;
  Object What;
  QColor Flow;  // the marking ring and bore of a pipe
  QList<int> Codes;
  bool WaterTower = false;  // a far water tower fills a tall scene
};

// A column heading: the rule under it and the sign of its object.
struct Heading {
  double Left;
  double Right;
  Object What;
};

struct PageLayout {
  QList<Heading> Headings;
  QList<Group> Groups;
};

const QColor kHotFlow = palette::kHot;
const QColor kColdFlow = palette::kCold;

QPointF MarkerCentre(int code) {
  for (const auto& label : ovalto::kKindLabelPlaces) {
    if (label.Code == code) {
      const auto marker = ovalto::MarkerOf(label);
      return QPointF(marker.X, marker.Y);
    }
  }
  return {};
}

double MeanY(const QList<QPointF>& points) {
  double sum = 0;
  for (const QPointF& point : points) sum += point.y();
  return points.isEmpty() ? 0 : sum / points.size();
}

// Draws the object and gives the point of it where the leader starts.
QPointF DrawObject(QPainter& painter, const Scene& scene, const Group& group, double leaderY, bool markersRight) {
  const QRectF& frame = scene.Frame;
  // A backdrop pushes the object aside.
  const double cx = frame.left() + frame.width() * (group.WaterTower ? 0.66 : 0.5);
  const double side = markersRight ? 1 : -1;
  switch (group.What) {
    case Object::Pipe: {
      PipeLook look;
      look.FoamRadius = std::min(14.0, frame.width() * 0.24);
      look.PipeRadius = look.FoamRadius * 0.46;
      look.Flow = group.Flow;
      look.SteelShown = look.FoamRadius * 0.9;
      look.FoamShown = look.FoamRadius;
      const QPointF top(cx, frame.top() + (group.WaterTower ? 150 : 14));
      const QPointF bottom(cx, frame.bottom() + 2);
      DrawInsulatedPipe(painter, top, bottom, look);
      const double outer = look.FoamRadius + 1;
      const double bands = look.SteelShown + look.FoamShown;
      DrawBands(painter, top, bottom, outer, {bands + 30, scene.Floor - top.y() - 26});
      // Identification ring of the carried medium.
      const double ring = std::clamp(leaderY + 24, top.y() + bands + 40, scene.Floor - 44);
      painter.fillRect(QRectF(cx - outer, ring, 2 * outer, 7),
                       RoundShade(QPointF(cx - outer, 0), QPointF(cx + outer, 0), group.Flow));
      return QPointF(cx + side * outer, std::clamp(leaderY, top.y() + bands + 6, scene.Floor - 8));
    }
    case Object::Tank:
    case Object::Column: {
      const bool column = group.What == Object::Column;
      const double w = frame.width() * (column ? 0.56 : 0.62);
      const double head = w * 0.24;
      const double floor = scene.Floor;
      const double bodyBottom = floor - head - w * 0.32;
      const double bodyTop = frame.top() + head + w * 0.2 + 14;
      const QRectF body(cx - w / 2, bodyTop, w, bodyBottom - bodyTop);
      DrawVerticalTank(painter, body, palette::kFoil, group.Where == Place::Indoors && !column);
      return QPointF(cx + side * w / 2, std::clamp(leaderY, body.top() + 4, body.bottom() - 4));
    }
    case Object::RoundDuct: {
      const double radius = frame.width() * 0.27;
      const double foam = radius * 0.2;
      DrawRoundDuct(painter, QPointF(cx, frame.top() + 16), QPointF(cx, frame.bottom() + 2), radius, palette::kFoil,
                    foam);
      return QPointF(cx + side * (radius + foam + 1), std::clamp(leaderY, frame.top() + 60, scene.Floor - 8));
    }
    case Object::RectDuct: {
      const double width = frame.width() * 0.44;
      const double depth = frame.width() * 0.3;
      const QRectF front(cx - width * 0.72, frame.top() + 20 + depth * 0.48, width, frame.height());
      DrawRectDuct(painter, front, depth, true, palette::kFoil, 6);
      const double edge = markersRight ? front.right() + depth * 0.62 : front.left();
      return QPointF(edge, std::clamp(leaderY, front.top() + width + 10, scene.Floor - 8));
    }
  }
  return frame.center();
}

// A small section of the column's object, beside the heading caption.
void DrawObjectSign(QPainter& painter, QPointF centre, Object what, const QColor& accent) {
  painter.save();
  painter.setPen(QPen(accent.darker(130), 1));
  auto ring = [&](double r, const QColor& fill) {
    painter.setBrush(fill);
    painter.drawEllipse(centre, r, r);
  };
  switch (what) {
    case Object::Pipe:
      ring(9, palette::kFoil);
      ring(7.5, palette::kFoamSection);
      ring(3.8, palette::kSteel.lighter(140));
      ring(2.6, accent);
      break;
    case Object::RoundDuct:
      ring(9, palette::kFoil);
      ring(8, palette::kFoamSection);
      ring(6.2, palette::kGalvanised);
      ring(5.4, QColor(70, 80, 92));
      break;
    case Object::RectDuct:
      painter.setBrush(palette::kFoamSection);
      painter.drawRect(QRectF(centre.x() - 9, centre.y() - 7, 18, 14));
      painter.setBrush(QColor(70, 80, 92));
      painter.drawRect(QRectF(centre.x() - 6, centre.y() - 4, 12, 8));
      break;
    case Object::Tank:
    case Object::Column: {
      QPainterPath vessel;
      vessel.addRoundedRect(QRectF(centre.x() - 6, centre.y() - 9, 12, 16), 5, 4);
      painter.fillPath(vessel, RoundShade(centre - QPointF(6, 0), centre + QPointF(6, 0), accent));
      painter.setPen(QPen(accent.darker(140), 1.4));
      painter.drawLine(centre + QPointF(-4, 7), centre + QPointF(-5, 10));
      painter.drawLine(centre + QPointF(4, 7), centre + QPointF(5, 10));
      break;
    }
  }
  painter.restore();
}

void DrawHeading(QPainter& painter, int page, const Heading& heading, const QColor& accent) {
  DrawHeadingRule(painter, heading.Left, heading.Right, 33, accent);
  for (const auto& caption : ovalto::kPageCaptions) {
    if (caption.Page == page && caption.Top < 20 && caption.Left > heading.Left && caption.Left < heading.Right)
      DrawObjectSign(painter, QPointF(caption.Left - 15, 17), heading.What, accent);
  }
}

void DrawGroup(QPainter& painter, const Group& group) {
  QList<QPointF> markers;
  for (int code : group.Codes) markers.append(MarkerCentre(code));
  const bool markersRight = markers.isEmpty() || markers.front().x() > group.Frame.center().x();
  const Scene scene =
      group.Where == Place::Indoors ? DrawIndoorScene(painter, group.Frame) : DrawOutdoorScene(painter, group.Frame);
  if (group.WaterTower) DrawWaterTower(painter, scene, scene.Frame.left() + scene.Frame.width() * 0.36, 230);
  painter.save();
  ClipToScene(painter, scene);
  const QPointF anchor = DrawObject(painter, scene, group, MeanY(markers), markersRight);
  painter.restore();
  FrameScene(painter, scene);
  DrawLeaders(painter, anchor, markers);
}

QImage DrawPage(const ovalto::PagePicture& picture, const PageLayout& layout) {
  QImage image = NewPicture(picture.Width, picture.Height, palette::kPaper);
  QPainter painter(&image);
  PreparePainter(painter);
  // Drawn in page coordinates, like the labels and markers.
  painter.translate(-picture.Left, -picture.Top);
  const QColor accent = SystemAccent(picture.Page);
  for (const Heading& heading : layout.Headings) DrawHeading(painter, picture.Page, heading, accent);
  for (const Group& group : layout.Groups) DrawGroup(painter, group);
  const QRectF area(picture.Left, picture.Top, picture.Width, picture.Height);
  for (const auto& label : ovalto::kKindLabelPlaces) {
    const auto marker = ovalto::MarkerOf(label);
    if (label.Page == picture.Page && area.contains(marker.X, marker.Y))
      DrawKindMarker(painter, QPointF(marker.X, marker.Y), label.Code, accent);
  }
  return image;
}

PageLayout HeatingPipesLayout() {
  return {{{3, 119, Object::Pipe}},
          {{QRectF(6, 72, 74, 170), Place::Indoors, Object::Pipe, kHotFlow, {11110, 11111, 11114, 11112}},
           {QRectF(6, 272, 74, 174), Place::Outdoors, Object::Pipe, kHotFlow, {11120, 11121, 11124, 11125}}}};
}

PageLayout HeatingTanksLayout() {
  return {{{202, 318, Object::Tank}},
          {{QRectF(205, 72, 74, 170), Place::Indoors, Object::Tank, {}, {11210, 11211, 11214, 11212}},
           {QRectF(205, 272, 74, 134), Place::Outdoors, Object::Tank, {}, {11220, 11221, 11224}}}};
}

PageLayout WaterSupplyLayout() {
  return {{{3, 318, Object::Pipe}},
          {{QRectF(6, 100, 72, 180), Place::Indoors, Object::Pipe, kHotFlow, {21111, 21114, 21112}},
           {QRectF(6, 300, 72, 146), Place::Indoors, Object::Pipe, kColdFlow, {21121, 21124, 21123}},
           {QRectF(200, 96, 76, 350), Place::Outdoors, Object::Pipe, kColdFlow, {21211, 21214, 21215}, true}}};
}

PageLayout VentilationLayout() {
  return {{{3, 186, Object::Pipe}, {192, 374, Object::RoundDuct}, {378, 489, Object::RectDuct}},
          {{QRectF(6, 100, 74, 138), Place::Indoors, Object::Pipe, kColdFlow, {31111, 31113}},
           {QRectF(6, 272, 74, 174), Place::Outdoors, Object::Pipe, kColdFlow, {31121}},
           {QRectF(192, 100, 78, 138), Place::Indoors, Object::RoundDuct, {}, {31211, 31213}},
           {QRectF(192, 272, 78, 174), Place::Outdoors, Object::RoundDuct, {}, {31221, 31224, 31226}},
           {QRectF(378, 100, 78, 138), Place::Indoors, Object::RectDuct, {}, {31311, 31313}},
           {QRectF(378, 272, 78, 174), Place::Outdoors, Object::RectDuct, {}, {31321, 31324, 31326}}}};
}

PageLayout ProcessLayout() {
  return {{{3, 344, Object::Pipe}, {350, 582, Object::Tank}},
          {{QRectF(6, 92, 72, 180), Place::Indoors, Object::Pipe, kHotFlow, {51111, 51114, 51112}},
           {QRectF(6, 330, 72, 166), Place::Indoors, Object::Pipe, kColdFlow, {51121, 51124, 51123}},
           {QRectF(192, 92, 38, 180), Place::Outdoors, Object::Pipe, palette::kProcess, {51211, 51214, 51215}},
           {QRectF(352, 92, 78, 180), Place::Indoors, Object::Tank, {}, {52111, 52114, 52112}},
           {QRectF(322, 352, 104, 144), Place::Indoors, Object::Tank, {}, {52121, 52124, 52123}},
           {QRectF(543, 350, 40, 146), Place::Outdoors, Object::Column, {}, {52211, 52214}}}};
}

}  // namespace

QList<NamedPicture> DrawPagePictures() {
  const QList<PageLayout> layouts = {HeatingPipesLayout(), HeatingTanksLayout(), WaterSupplyLayout(),
                                     VentilationLayout(), ProcessLayout()};
  QList<NamedPicture> pictures;
  for (std::size_t i = 0; i < ovalto::kPagePictures.size(); ++i) {
    const auto& picture = ovalto::kPagePictures[i];
    pictures.append({QString::fromUtf8(picture.FileName), DrawPage(picture, layouts[static_cast<int>(i)])});
  }
  return pictures;
}

}  // namespace pictures
