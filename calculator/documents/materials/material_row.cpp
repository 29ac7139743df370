#include "materials/material_row.h"

#include <unordered_map>

#include "materials/decimal_rounding.h"

namespace ovalto {

std::vector<MaterialRow> MergeByName(const std::vector<MaterialRow>& rows) {
  std::vector<MaterialRow> merged;
  std::unordered_map<std::string, std::size_t> firstOfName;
  for (const MaterialRow& row : rows) {
    if (!(row.Quantity > 0)) continue;
    const auto [it, isNew] = firstOfName.emplace(row.Name, merged.size());
    if (isNew) {
      merged.push_back(row);
    } else {
      merged[it->second].Quantity += row.Quantity;
    }
  }
  return merged;
}

double RoundQuantity(double quantity) { return RoundHundredths(quantity); }

void RaiseSmallLitres(std::vector<MaterialRow>& rows) {
  for (MaterialRow& row : rows) {
    if (row.Unit == "л" && row.Quantity < 0.01) row.Quantity = 0.01;
  }
}

}  // namespace ovalto
