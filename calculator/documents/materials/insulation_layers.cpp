#include "materials/insulation_layers.h"

#include <optional>

#include "text_case.h"
#include "tree/project_tree.h"

namespace ovalto {

namespace {

constexpr double kTubeBound = 100000;
constexpr double kRollBound = 10000;

struct Search {
  const CatalogueIndex& Index;
  const std::string& Line;  // upper case
  double D;
  double Remaining;
  bool PrefixMode;

  const InsulationProduct& Row(std::size_t i) const { return Index.Source().Insulation[i]; }
  bool OwnLine(std::size_t i) const { return Index.InsulationMarks()[i] == Line; }

  // With the prefix mode on, a mark matches when one name begins the other.
  bool SameTextOrPrefix(std::size_t i) const {
    const std::string& mark = Index.InsulationMarks()[i];
    if (!PrefixMode) return mark == Line;
    const std::size_t shorter = std::min(CharCount(mark), CharCount(Line));
    return FirstChars(mark, shorter) == FirstChars(Line, shorter);
  }
  bool IsRoll(std::size_t i) const { return Row(i).InnerDiameterMm == 0; }
  std::size_t Count() const { return Index.Source().Insulation.size(); }

  // The tube of least excess over the pipe that is thick enough.
  std::optional<std::size_t> TubeReachingThickness() const {
    std::optional<std::size_t> best;
    double bestWidth = kTubeBound, bestThickness = kTubeBound;
    for (std::size_t i = 0; i < Count(); ++i) {
      const InsulationProduct& p = Row(i);
      if (!OwnLine(i) || p.InnerDiameterMm < D || p.ThicknessMm < Remaining) continue;
      const double width = p.InnerDiameterMm - D, thickness = p.ThicknessMm - Remaining;
      if (width < bestWidth || (width == bestWidth && thickness < bestThickness)) {
        best = i;
        bestWidth = width;
        bestThickness = thickness;
      }
    }
    return best;
  }
  // The tube of least excess over the pipe, the thickest among equals.
  std::optional<std::size_t> ThickestTube() const {
    std::optional<std::size_t> best;
    double bestWidth = kTubeBound, bestThickness = 0;
    for (std::size_t i = 0; i < Count(); ++i) {
      const InsulationProduct& p = Row(i);
      if (!OwnLine(i) || p.InnerDiameterMm < D) continue;
      const double width = p.InnerDiameterMm - D;
      if (width < bestWidth || (width == bestWidth && p.ThicknessMm > bestThickness)) {
        best = i;
        bestWidth = width;
        bestThickness = p.ThicknessMm;
      }
    }
    return best;
  }
  std::optional<std::size_t> RollReachingThickness() const {
    std::optional<std::size_t> best;
    double bestExcess = kRollBound;
    for (std::size_t i = 0; i < Count(); ++i) {
      if (!IsRoll(i) || !SameTextOrPrefix(i) || Row(i).ThicknessMm < Remaining) continue;
      const double excess = Row(i).ThicknessMm - Remaining;
      if (excess < bestExcess) {
        best = i;
        bestExcess = excess;
      }
    }
    return best;
  }
  std::optional<std::size_t> ThickestRoll() const {
    std::optional<std::size_t> best;
    double bestThickness = 0;
    for (std::size_t i = 0; i < Count(); ++i) {
      if (!IsRoll(i) || !SameTextOrPrefix(i)) continue;
      if (Row(i).ThicknessMm > bestThickness) {
        best = i;
        bestThickness = Row(i).ThicknessMm;
      }
    }
    return best;
  }
};

}  // namespace

LayerChoice ChooseInsulationLayers(const CatalogueIndex& index, const ObjectReading& object, std::size_t maxLayers) {
  LayerChoice choice;
  double d = object.SizeMm;
  double h = object.HeightMm;
  double remaining = object.ThicknessMm;
  bool prefixMode = false;
  int pass = 0;
  do {
    ++pass;
    const Search search{index, object.InsulationType, d, remaining, prefixMode};
    std::optional<std::size_t> product;
    if (pass == 1 && object.Kind == kImagePipeline) {
      product = search.TubeReachingThickness();
      if (!product) product = search.ThickestTube();
    }
    if (!product) product = search.RollReachingThickness();
    if (!product) product = search.ThickestRoll();
    if (!product) {
      if (prefixMode) break;
      prefixMode = true;
      continue;
    }
    if (choice.Layers.size() >= maxLayers) {
      choice.TooMany = true;
      break;
    }
    const InsulationProduct& p = index.Source().Insulation[*product];
    InsulationLayer layer;
    layer.Product = *product;
    layer.InnerDiameterMm = p.InnerDiameterMm > 0 ? p.InnerDiameterMm : d;
    d = layer.InnerDiameterMm + 2 * p.ThicknessMm;
    h += 2 * p.ThicknessMm;
    layer.OuterDiameterMm = d;
    layer.OuterHeightMm = h;
    choice.Layers.push_back(layer);
    remaining -= p.ThicknessMm;
  } while (remaining > 0);
  choice.RemainingMm = remaining;
  return choice;
}

}  // namespace ovalto
