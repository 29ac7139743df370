#include "materials/accessories.h"

#include "materials/fitting_area.h"
#include "text_case.h"

namespace ovalto {

namespace {

constexpr const char* kAluminium = "алюминевая";

std::string AccessoryLabel(const AccessoryOwner& owner, DocumentKind document) {
  if (document == DocumentKind::MaterialSchedule) return "Аксессуар";
  std::string label(DetailLabel(owner.DetailImage));
  if (!label.empty() && owner.DetailCount > 0) label.append("=").append(std::to_string(owner.DetailCount));
  return label;
}

}  // namespace

std::string TapeColour(const std::string& insulationType) {
  const std::string line = UpperCase(insulationType);
  if (Contains(line, "VARDO AL") || Contains(line, "DUCT AL")) return kAluminium;
  if (Contains(line, "HESTAN-S")) return "синяя";
  if (Contains(line, "HESTAN-K")) return "красная";
  if (Contains(line, "CORVANE")) return "чёрная";
  return "серая";
}

void AddAccessoryRows(std::vector<MaterialRow>& rows, AccessoryTotals totals, const AccessoryOwner& owner,
                      DocumentKind document) {
  const std::string label = AccessoryLabel(owner, document);
  const std::string colour = TapeColour(owner.InsulationType);
  const bool filmCovering = Contains(owner.CoveringType, " TK");
  // Foil-faced insulation under a film covering is taped with one
  // aluminium tape.
  if (totals.Tape > 0 && totals.CoveringTape > 0 && colour == kAluminium && filmCovering) {
    totals.Tape += totals.CoveringTape;
    totals.CoveringTape = 0;
  }
  auto add = [&](double total, const std::string& word, const char* unit) {
    if (!(total > 0)) return;
    MaterialRow row;
    row.GroupLabel = label;
    row.MakerLine = "KALDERON";
    row.Name = word + " \"KALDERON\"";
    row.Quantity = total;
    row.Unit = unit;
    row.NodeIndex = owner.NodeIndex;
    rows.push_back(std::move(row));
  };
  add(totals.Glue, "Клей", "л");
  add(totals.Tape, "Лента " + colour, "м");
  if (filmCovering) add(totals.CoveringTape, std::string("Лента ") + kAluminium, "м");
  add(totals.Cleaner, "Очиститель", "л");
  add(totals.Sealant, "Герметик", "л");
  add(totals.Screws, "Саморез", "шт.");
  add(totals.Clamps, "Зажим", "шт.");
}

}  // namespace ovalto
