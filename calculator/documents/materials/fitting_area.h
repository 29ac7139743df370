// The pipeline's fittings: their labels in the documents and the area of
// insulation or cover each one takes.
#pragma once

#include <string>
#include <string_view>

namespace ovalto {

// Tree images of the detail lines.
enum DetailImage {
  kBend = 2,
  kFlange = 3,
  kValve = 4,
  kTee = 5,
  kConcentricReducer = 6,
  kEccentricReducer = 7,
  kEndCap = 8
};

// The detail's label in the documents, beginning with a blank (" Отвод");
// empty for any other image.
std::string_view DetailLabel(int image);

struct FittingGeometry {
  double PipeSizeMm = 0;   // the object's size
  double ThicknessMm = 0;  // the object's whole insulation thickness
  double SmallMm = 0;      // a reducer's smaller end
};

// Area in m² of one fitting of the kind over diameter x (mm), or 1 for a
// cover counted in pieces ("шт.") of a bend, reducer or end cap; 0 for a
// flange or valve larger than the table's largest.
double FittingInsulationArea(int image, double x, const FittingGeometry& fitting, std::string_view unit);

}  // namespace ovalto
