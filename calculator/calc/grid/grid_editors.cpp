// The small editors: zone, substance and the thickness mode.
#include "grid/grid_editors.h"

#include <cstdlib>

#include "kinds/calc_kinds.h"
#include "state/variable_list.h"
#include "tables/reference_tables.h"

namespace ovalto {

void cbZNChange(CalcSession& session) {
  // The permitted surface temperature of the zone, kept as text until the
  // input check reads the cell.
  switch (session.Grid.cbZN.ItemIndex) {
    case 1:
      session.Variables.SetVariable("Tp", "!35", 0);
      break;
    case 2:
      session.Variables.SetVariable("Tp", "!75", 0);
      break;
    default:
      break;
  }
}

std::vector<std::string> SubstanceItems(const CalcSession& session) {
  // Ducts carry air; freeze protection is about water.
  if (IsDuctKind(session.CalcKindCode)) return {std::string(SubstanceTable[0].SubstanceName)};
  if (ListHasVariable(session.VariableList, "Zt")) return {std::string(SubstanceTable[1].SubstanceName)};
  std::vector<std::string> items;
  for (std::size_t row = 1; row < SubstanceTable.size(); ++row) items.emplace_back(SubstanceTable[row].SubstanceName);
  return items;
}

void cbVVChange(CalcSession& session) {
  const SubstanceRecord* substance = FindSubstance(session.Grid.cbVV.Text);
  if (!substance) return;
  VariableTable& variables = session.Variables;
  const std::pair<const char*, double> properties[] = {
      {"Pb", substance->Density},
      {"Cp", substance->HeatCapacity},
      {"Rb", substance->FreezingHeat},
      {"Tz", substance->FreezingPoint},
  };
  for (const auto& [name, value] : properties) {
    if (variables.VariableRow(name) > 0) variables.SetVariable(name, "!", value);
  }
}

void cbWIChange(CalcSession& session) {
  // Negative while the thickness is calculated: the mark shows only on a
  // given thickness.
  EditorState& cbWI = session.Grid.cbWI;
  cbWI.Tag = cbWI.ItemIndex == 0 ? -std::abs(cbWI.Tag) : std::abs(cbWI.Tag);
}

}  // namespace ovalto
