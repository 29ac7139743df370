// Insulation line and covering: which lines and coverings a kind offers and
// what choosing them derives.
#include <array>
#include <span>

#include "grid/grid_editors.h"
#include "grid/input_editors.h"
#include "kinds/calc_kind_setup.h"
#include "state/scheme_engine.h"
#include "state/variable_list.h"
#include "tables/reference_tables.h"

namespace ovalto {

namespace {

// Up to this outer diameter a conditioning pipe takes the Corvane tubes.
constexpr double kLargestCorvanePipeMm = 28;
constexpr double kFixedLambda = 0.035;  // conductivity of every line below 20 °C

// Covering rules of a line: the foil-faced lines take no covering, lines
// exposed outdoors must be covered, the others may be.
constexpr int kNoCovering = -1;
constexpr int kCoveringOptional = 0;
constexpr int kCoveringRequired = 1;

bool IsConditioningPipeKind(int code) { return code >= 31111 && code <= 31121; }

bool IsOffered(int line, int shape, int page, int code, double dn) {
  const bool pipeOrTank = shape == kShapePipe || shape == kShapeTank;
  const bool notVentilation = page == 1 || page == 2 || page == 4;
  switch (line) {
    case 1:
      return (pipeOrTank && notVentilation) || (IsConditioningPipeKind(code) && dn > kLargestCorvanePipeMm);
    case 4:
      return pipeOrTank && notVentilation;
    case 5:
      return shape == kShapePipe && page == 3 && (!IsConditioningPipeKind(code) || dn <= kLargestCorvanePipeMm);
    case 6:
    case 7:
      return (shape == kShapeRoundDuct || shape == kShapeRectangularDuct) && page == 3;
    default:  // the Hestan lines are not offered
      return false;
  }
}

int CoveringRule(int line, bool indoor) {
  if (line == 4 || line == 7) return kNoCovering;
  if (!indoor && (line == 1 || line == 5 || line == 6)) return kCoveringRequired;
  return kCoveringOptional;
}

// The coverings a line takes, into the covering list.
void OfferCoverings(EditorState& cbTP, int rule, bool indoor, int shape, int page) {
  std::array<std::string_view, CoveringTypeTable.size()> coverings;
  std::size_t count = 0;
  const std::string_view none = CoveringTypeTable[0].CoveringName;
  if (rule == kNoCovering) {
    coverings[count++] = none;
  } else {
    if (rule == kCoveringOptional && indoor) coverings[count++] = none;
    coverings[count++] = CoveringTypeTable[1].CoveringName;
    // The rigid coverings come in pipe sizes only.
    if (shape == kShapePipe && page != 3) {
      for (std::size_t row = 2; row < CoveringTypeTable.size(); ++row)
        coverings[count++] = CoveringTypeTable[row].CoveringName;
    }
  }
  AssignItems(cbTP, std::span(coverings.data(), count));
}

}  // namespace

void FillInsulationLines(CalcSession& session) {
  const int shape = ObjectShape(session);
  const int code = session.CalcKindCode;
  const double dn = IsConditioningPipeKind(code) ? session.Variables.GetVariable("Dn") : 0;
  std::array<std::string_view, InsulationTypeTable.size()> lines;
  std::size_t count = 0;
  for (std::size_t row = 0; row < InsulationTypeTable.size(); ++row) {
    if (IsOffered(static_cast<int>(row) + 1, shape, session.PageTag, code, dn)) {
      lines[count++] = InsulationTypeTable[row].LineName;
    }
  }
  AssignItems(session.Grid.cbTI, std::span(lines.data(), count));
}

bool TakeInsulationLine(CalcSession& session) {
  GridModel& grid = session.Grid;
  VariableTable& variables = session.Variables;
  const double t = variables.GetVariable(ListHasVariable(session.VariableList, "Tb") ? "Tb" : "T1");

  int line = 0;
  for (std::size_t row = 0; row < InsulationTypeTable.size() && line == 0; ++row) {
    if (InsulationTypeTable[row].LineName == grid.cbTI.Text) line = static_cast<int>(row) + 1;
  }
  if (line == 0) {
    grid.cbTP.Items.clear();
    SelectItem(grid.cbTP, -1);
    return false;
  }

  const InsulationTypeRecord& record = InsulationTypeTable[static_cast<std::size_t>(line - 1)];
  variables.SetVariable("Liz", "!", t >= 20 ? record.LambdaSlope * t + record.Lambda0 : kFixedLambda);

  const bool indoor = IsIndoorKind(session) == 1;
  grid.cbTP.Tag = CoveringRule(line, indoor);
  OfferCoverings(grid.cbTP, grid.cbTP.Tag, indoor, ObjectShape(session), session.PageTag);
  SelectItem(grid.cbTP, -1);
  // The covering to show is chosen before its handler runs, so the outer
  // coefficient belongs to the covering the user sees.
  SelectTextOrFirst(grid.cbTP, variables.Find("Tp_")->RememberedText);
  return true;
}

void cbTIChange(CalcSession& session) {
  if (TakeInsulationLine(session)) cbTPChange(session);
}

void cbTPChange(CalcSession& session) {
  // Above 400: every group up to the results is valid, so "An" can be derived.
  if (session.Engine->ValidateInputs(false) > 400) session.Engine->CalculateScheme("An");
}

}  // namespace ovalto
