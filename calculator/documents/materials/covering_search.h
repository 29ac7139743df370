// Picking the "Pellorit" row that covers an object or one of its fittings.
#pragma once

#include <optional>
#include <string>

#include "catalogues/catalogue_index.h"

namespace ovalto {

struct ObjectCovering {
  std::size_t Row = 0;
  bool PipeCover = false;  // a rigid pipe cover counted in pieces, else a roll
};

// A pipeline takes the pipe cover of least excess over its insulated
// diameter; any object without one takes the covering's first roll.
std::optional<ObjectCovering> FindObjectCovering(const CatalogueIndex& index, int objectKind,
                                                 const std::string& coveringType, double outerDiameterMm);

struct FittingToCover {
  std::string KindText;    // upper case, as in the detail line
  double DiameterMm = 0;   // the pipe's size plus twice the insulation
  double SmallMm = 0;      // a reducer's smaller end
  double ThicknessMm = 0;  // the insulation's whole thickness
};

// The cover of the fitting's kind (or of any kind) that fits it closest; a
// row without sizes fits everything and ends the search.
std::optional<std::size_t> FindFittingCover(const CatalogueIndex& index, const std::string& coveringType,
                                            const FittingToCover& fitting);

}  // namespace ovalto
