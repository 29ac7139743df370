// Choosing an object's insulation layers from the "Kalderon" catalogue: on a
// pipeline a tube first when the line has one wide enough, then rolls until
// the thickness is reached; a line without rolls borrows those of the lines
// whose names it shares.
#pragma once

#include <cstddef>
#include <vector>

#include "catalogues/catalogue_index.h"
#include "materials/tree_lines.h"

namespace ovalto {

struct InsulationLayer {
  std::size_t Product = 0;     // row of the insulation catalogue
  double InnerDiameterMm = 0;  // the ring this layer makes: a tube's bore, or what it wraps
  double OuterDiameterMm = 0;  // the object's diameter (or width) over this layer
  double OuterHeightMm = 0;    // the object's height over this layer
};

struct LayerChoice {
  std::vector<InsulationLayer> Layers;
  double RemainingMm = 0;  // above 0 when the line's products could not reach the thickness
  bool TooMany = false;    // stopped at the layer limit
};

LayerChoice ChooseInsulationLayers(const CatalogueIndex& index, const ObjectReading& object, std::size_t maxLayers);

}  // namespace ovalto
