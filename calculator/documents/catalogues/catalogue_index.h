// The catalogues as the bill of materials searches them: marks and fitting
// kinds upper-cased once, and each covering mark's rows listed in catalogue
// order, so a search compares numbers instead of texts.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogues/catalogues.h"

namespace ovalto {

class CatalogueIndex {
 public:
  explicit CatalogueIndex(const Catalogues& catalogues);

  const Catalogues& Source() const { return *source_; }

  // Upper-cased Mark of each insulation row.
  const std::vector<std::string>& InsulationMarks() const { return insulationMarks_; }

  // Rows of "Pellorit" whose Mark equals the text (any case), in order.
  const std::vector<std::size_t>& CoveringRowsOf(std::string_view coveringType) const;
  // Those of them made for the fitting kind (upper case) or for any kind.
  const std::vector<std::size_t>& CoveringRowsFor(std::string_view coveringType, const std::string& fittingKind) const;
  // Upper-cased FittingKind of a covering row.
  const std::string& CoveringKind(std::size_t row) const { return coveringKinds_[row]; }
  // The row's Name begins with "РУЛОН" (any case).
  bool IsCoveringRoll(std::size_t row) const { return coveringRolls_[row]; }

 private:
  const Catalogues* source_;
  std::vector<std::string> insulationMarks_;
  std::vector<std::string> coveringKinds_;
  std::vector<bool> coveringRolls_;
  std::unordered_map<std::string, std::vector<std::size_t>> coveringRowsByMark_;
  // Key: upper-cased mark, a TAB, the fitting kind; an empty kind holds the
  // rows for any kind alone.
  std::unordered_map<std::string, std::vector<std::size_t>> coveringRowsByMarkAndKind_;
};

}  // namespace ovalto
