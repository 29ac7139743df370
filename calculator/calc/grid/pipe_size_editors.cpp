// Pipe material, outer diameter and wall thickness: the three editors that
// describe the pipe (or the duct) itself.
#include <array>

#include "grid/grid_editors.h"
#include "grid/grid_exit.h"
#include "grid/input_editors.h"
#include "kinds/calc_kind_setup.h"
#include "kinds/calc_kinds.h"
#include "number_format.h"
#include "tables/reference_tables.h"

namespace ovalto {

namespace {

constexpr int kOtherMaterial = 5;  // "Другой": sizes typed, no table behind them
const std::string kWallNotKnown = "0";

// Wall conductivity of the materials in list order, W/(m·K).
constexpr std::array<double, 5> kWallConductivity = {45.4, 384, 0.22, 0.44, 0.45};

std::vector<std::string> Formatted(const std::vector<double>& values) {
  std::vector<std::string> texts;
  for (double value : values) texts.push_back(FormatGeneral(value));
  return texts;
}

std::vector<double> DuctDiameters() {
  std::vector<double> diameters;
  for (const DuctSizeRecord& duct : DuctSizeTable) diameters.push_back(duct.DiameterMm);
  return diameters;
}

// The diameter list of a material (of the ducts, for a duct kind) as the
// editor offers it; the lists are written once.
std::vector<std::string> DiameterItems(const CalcSession& session, const std::string& material) {
  static const std::vector<std::string> kDucts = Formatted(DuctDiameters());
  if (IsDuctKind(session.CalcKindCode)) return kDucts;
  static const std::vector<std::pair<std::string, std::vector<std::string>>> kPipes = [] {
    std::vector<std::pair<std::string, std::vector<std::string>>> lists;
    for (const std::string& each : PipeMaterialItems(0)) lists.emplace_back(each, Formatted(PipeDiameters(each)));
    return lists;
  }();
  for (const auto& [name, items] : kPipes) {
    if (name == material) return items;
  }
  return Formatted(PipeDiameters(material));
}

}  // namespace

std::vector<std::string> PipeMaterialItems(int calcKindCode) {
  if (IsDuctKind(calcKindCode)) return {"Сталь"};
  return {"Сталь", "Медь", "Полипропилен", "Полиэтилен", "Металлопластик", "Другой"};
}

void cbMSChange(CalcSession& session) {
  GridModel& grid = session.Grid;
  for (EditorState* editor : {&grid.cbVD, &grid.cbTS}) {
    editor->Items.clear();
    SelectItem(*editor, -1);
  }
  const int material = grid.cbMS.ItemIndex;
  if (material == kOtherMaterial) {
    grid.cbVD.HasList = grid.cbTS.HasList = false;
    grid.cbTS.Text = kWallNotKnown;
    session.Variables.SetVariable("Lst", "не учитывать", 0);
  } else {
    grid.cbVD.HasList = grid.cbTS.HasList = true;
    grid.cbVD.Items = DiameterItems(session, grid.cbMS.Text);
    // Without a chosen material there is no conductivity to tell; "Lst" keeps its value.
    if (material >= 0 && material < static_cast<int>(kWallConductivity.size())) {
      session.Variables.SetVariable("Lst", "!", kWallConductivity[static_cast<std::size_t>(material)]);
    }
  }
  session.Variables.SetVariable("Kdp", "!", ObjectShape(session) == kShapeTank ? 1.1 : 1.2);
  SGExit(session);
}

void cbVDChange(CalcSession& session) {
  GridModel& grid = session.Grid;
  // The lines that suit a conditioning pipe depend on its diameter; the exit
  // at the end offers them again for the new one.
  if (grid.cbTI.Visible) {
    grid.cbTI.Items = {std::string(InsulationTypeTable[0].LineName)};
    SelectTextOrFirst(grid.cbTI, session.Variables.Find("Ti_")->RememberedText);
  }
  if (!grid.cbMS.Visible || !grid.cbTS.Visible) return;

  const std::optional<double> diameter = ParseNumber(grid.cbVD.Text);
  if (!diameter) return;  // half typed: the wall list waits for a number
  const double d = *diameter;
  grid.cbTS.Items = Formatted(IsDuctKind(session.CalcKindCode) ? DuctSheets(d) : PipeWalls(grid.cbMS.Text, d));
  grid.cbTS.ItemIndex = -1;
  grid.cbTS.Text = grid.cbTS.Items.size() == 1 ? grid.cbTS.Items.front() : std::string();
  if (grid.cbVD.ItemIndex < 0) grid.cbTS.Text = kWallNotKnown;  // a size of no table

  // Metal pipes lose less through supports and fittings than plastic ones.
  double kdp = 1.7;
  if (grid.cbMS.ItemIndex == 0 || grid.cbMS.ItemIndex == 1) kdp = d < 159 ? 1.2 : 1.15;
  session.Variables.SetVariable("Kdp", "!", kdp);
  SGExit(session);
}

}  // namespace ovalto
