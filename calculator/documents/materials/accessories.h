// The accessories an object or a fitting needs (glue, tapes, cleaner,
// sealant, screws, clamps), summed while its materials are chosen and
// written as rows after them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "materials/material_row.h"

namespace ovalto {

struct AccessoryTotals {
  double Glue = 0;          // л
  double Tape = 0;          // м
  double CoveringTape = 0;  // м, aluminium tape of the film coverings
  double Cleaner = 0;       // л
  double Sealant = 0;       // л
  double Screws = 0;        // шт.
  double Clamps = 0;        // шт.
};

struct AccessoryOwner {
  int NodeIndex = 0;
  int DetailImage = 0;           // 0 for the object's own accessories
  std::int64_t DetailCount = 0;  // the fitting's count, rounded
  std::string InsulationType;    // upper case
  std::string CoveringType;      // upper case
};

// The tape's colour follows the insulation line ("алюминевая" for the
// foil-faced lines, as the maker spells it).
std::string TapeColour(const std::string& insulationType);

// Appends one row for each total above 0.
void AddAccessoryRows(std::vector<MaterialRow>& rows, AccessoryTotals totals, const AccessoryOwner& owner,
                      DocumentKind document);

}  // namespace ovalto
