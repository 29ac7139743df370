#include "materials/covering_search.h"

#include "tree/project_tree.h"

namespace ovalto {

namespace {

constexpr double kCoverBound = 10000;

}  // namespace

std::optional<ObjectCovering> FindObjectCovering(const CatalogueIndex& index, int objectKind,
                                                 const std::string& coveringType, double outerDiameterMm) {
  const std::vector<std::size_t>& rows = index.CoveringRowsOf(coveringType);
  const std::vector<CoveringItem>& items = index.Source().Coverings;
  if (objectKind == kImagePipeline) {
    std::optional<std::size_t> best;
    double bestExcess = kCoverBound;
    for (std::size_t row : rows) {
      const double outer = items[row].OuterDiameterMm;
      if (index.CoveringKind(row) != "ТРУБА" || outer < outerDiameterMm) continue;
      if (outer - outerDiameterMm < bestExcess) {
        best = row;
        bestExcess = outer - outerDiameterMm;
      }
    }
    if (best) return ObjectCovering{*best, true};
  }
  for (std::size_t row : rows) {
    if (index.CoveringKind(row).empty() && index.IsCoveringRoll(row)) return ObjectCovering{row, false};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindFittingCover(const CatalogueIndex& index, const std::string& coveringType,
                                            const FittingToCover& fitting) {
  const std::vector<CoveringItem>& items = index.Source().Coverings;
  std::optional<std::size_t> best;
  double bestFirst = kCoverBound, bestSecond = kCoverBound;
  auto offer = [&](std::size_t row, double first, double second) {
    if (first < bestFirst || (first == bestFirst && second < bestSecond)) {
      best = row;
      bestFirst = first;
      bestSecond = second;
    }
  };
  for (std::size_t row : index.CoveringRowsFor(coveringType, fitting.KindText)) {
    const CoveringItem& c = items[row];
    const double d = fitting.DiameterMm;
    if (c.OuterDiameterMm == 0 && c.SmallDiameterMm == 0 && c.BendDiameterMm == 0) return row;
    if (c.OuterDiameterMm > 0 && c.SmallDiameterMm == 0) {
      if (c.OuterDiameterMm >= d && c.OuterDiameterMm - d < bestFirst) {
        best = row;
        bestFirst = c.OuterDiameterMm - d;
      }
    } else if (c.OuterDiameterMm > 0) {
      if (c.OuterDiameterMm >= d && c.SmallDiameterMm >= fitting.SmallMm) {
        offer(row, c.OuterDiameterMm - d, c.SmallDiameterMm - fitting.SmallMm);
      }
    } else if (c.BendDiameterMm > 0 && c.BendThicknessMm > 0 && c.BendDiameterMm >= d &&
               c.BendThicknessMm >= fitting.ThicknessMm) {
      offer(row, c.BendDiameterMm - d, c.BendThicknessMm - fitting.ThicknessMm);
    }
  }
  return best;
}

}  // namespace ovalto
