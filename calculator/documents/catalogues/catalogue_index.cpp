#include "catalogues/catalogue_index.h"

#include <set>

#include "text_case.h"

namespace ovalto {

CatalogueIndex::CatalogueIndex(const Catalogues& catalogues) : source_(&catalogues) {
  insulationMarks_.reserve(catalogues.Insulation.size());
  for (const InsulationProduct& product : catalogues.Insulation) insulationMarks_.push_back(UpperCase(product.Mark));
  coveringKinds_.reserve(catalogues.Coverings.size());
  coveringRolls_.reserve(catalogues.Coverings.size());
  for (std::size_t row = 0; row < catalogues.Coverings.size(); ++row) {
    const CoveringItem& item = catalogues.Coverings[row];
    coveringKinds_.push_back(UpperCase(item.FittingKind));
    coveringRolls_.push_back(UpperCase(FirstChars(item.Name, 5)) == "РУЛОН");
    coveringRowsByMark_[UpperCase(item.Mark)].push_back(row);
  }
  for (const auto& [mark, rows] : coveringRowsByMark_) {
    std::set<std::string> kinds = {""};
    for (std::size_t row : rows) kinds.insert(coveringKinds_[row]);
    for (const std::string& kind : kinds) {
      std::vector<std::size_t>& fitting = coveringRowsByMarkAndKind_[mark + "\t" + kind];
      for (std::size_t row : rows) {
        if (coveringKinds_[row].empty() || coveringKinds_[row] == kind) fitting.push_back(row);
      }
    }
  }
}

const std::vector<std::size_t>& CatalogueIndex::CoveringRowsOf(std::string_view coveringType) const {
  static const std::vector<std::size_t> kNone;
  const auto found = coveringRowsByMark_.find(UpperCase(coveringType));
  return found == coveringRowsByMark_.end() ? kNone : found->second;
}

const std::vector<std::size_t>& CatalogueIndex::CoveringRowsFor(std::string_view coveringType,
                                                                const std::string& fittingKind) const {
  static const std::vector<std::size_t> kNone;
  const std::string mark = UpperCase(coveringType);
  auto found = coveringRowsByMarkAndKind_.find(mark + "\t" + fittingKind);
  if (found == coveringRowsByMarkAndKind_.end()) found = coveringRowsByMarkAndKind_.find(mark + "\t");
  return found == coveringRowsByMarkAndKind_.end() ? kNone : found->second;
}

}  // namespace ovalto
