// The pipeline's fittings: their labels in the documents and the area of
// insulation or cover each one takes.
#pragma once

#include <string>
#include <string_view>

#include "tree/project_tree.h"

namespace ovalto {

// The detail lines' tree images one by one, in the order the project tree
// gives them.
enum DetailImage { kBend = kImageFirstDetail, kFlange, kValve, kTee, kConcentricReducer, kEccentricReducer, kEndCap };
static_assert(static_cast<int>(kEndCap) == static_cast<int>(kImageLastDetail));

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
