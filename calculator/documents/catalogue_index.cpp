#include "catalogue_index.h"

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
}

const std::vector<std::size_t>& CatalogueIndex::CoveringRowsOf(std::string_view coveringType) const {
  static const std::vector<std::size_t> kNone;
  const auto found = coveringRowsByMark_.find(UpperCase(coveringType));
  return found == coveringRowsByMark_.end() ? kNone : found->second;
}

}  // namespace ovalto
