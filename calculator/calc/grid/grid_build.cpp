#include "grid/grid_build.h"

#include <array>
#include <string>
#include <string_view>

#include "grid/grid_editors.h"
#include "grid/input_editors.h"
#include "kinds/calc_kinds.h"

namespace ovalto {

namespace {

constexpr int kRowHeight = GridModel::kRowHeight;

// Ducts name their sizes in their own words. A rectangular duct's norm is
// met by the heat flux of its side, per square metre like a tank's wall.
std::string DuctCaption(const VariableTable& variables, const std::string& name, int code) {
  if (name == "L") return "Длина воздуховода, м";
  if (name == "Ms_") return "Материал стенки воздуховода";
  if (name == "Dn") return "Диаметр воздуховода, мм";
  if (name == "De") return IsRoundDuctKind(code) ? "Диаметр воздуховода, мм" : "Ширина воздуховода, мм";
  if (name == "He") return "Высота воздуховода, мм";
  if (name == "QL" && IsRectangularDuctKind(code)) return std::string(variables.Find("Qf")->Caption);
  return {};
}

EditorState* EditorOfVariable(GridModel& grid, const VariableRecord& record) {
  const std::uint32_t key = PackedName(record.Name);
  if (key == PackedName("An")) return &grid.bbGetKT;
  if (key == PackedName("Wiz")) return &grid.cbWI;
  return EditorOfInputKind(grid, record.InputKind);
}

// Presets the variable's editor from its remembered text t. No change
// handler runs here; the build derives what it needs at its end.
void PresetEditor(CalcSession& session, const VariableRecord& record, EditorState& editor) {
  const std::string& t = record.RememberedText;
  GridModel& grid = session.Grid;
  const std::uint32_t name = PackedName(record.Name);
  // A remembered item that this kind's list lacks (the duct's "воздух" on a
  // water pipe) gives way to the list's first item; the build's handlers
  // then derive for the item the user sees.
  if (name == PackedName("Zn_")) {
    grid.cbZN.Items = {"не учитывается", "рабочая и обслуживаемая", "вне рабочей зоны"};
    SelectTextOrFirst(grid.cbZN, t);
  } else if (name == PackedName("Ms_")) {
    grid.cbMS.Items = PipeMaterialItems(session.CalcKindCode);
    SelectTextOrFirst(grid.cbMS, t);
  } else if (name == PackedName("Vv_")) {
    grid.cbVV.Items = SubstanceItems(session);
    SelectTextOrFirst(grid.cbVV, t);
  } else if (name == PackedName("Dn") || name == PackedName("Wst")) {
    if (!t.empty()) editor.Text = t;
  } else if (name == PackedName("Gm")) {
    grid.cbGW.Items = {"кг/ч", "м/с"};
  } else if (name == PackedName("Wiz")) {
    grid.cbWI.Items = {"рассчитывается", "указывается"};
    SelectItem(grid.cbWI, 0);
  } else if (name == PackedName("An")) {
    editor.Top += 1;
  } else if (!t.empty()) {  // Ti_, Tp_, Rg_, Np_: chosen from the lists they hold
    editor.SelectText(t);
  }
}

// Rows needed: one a shown variable, one more for each group's header.
int CountRows(CalcSession& session) {
  auto& groups = session.Variables.GroupHeaders();
  int rows = 0;
  int group = 0;
  for (const VariableRecord& record : session.Variables.Records()) {
    if (record.GridRow < 0) continue;
    if (record.Group != group) {
      group = record.Group;
      groups[static_cast<std::size_t>(group - 1)].HeaderRow = static_cast<std::int16_t>(rows);
      ++rows;
    }
    ++rows;
  }
  return rows;
}

// Fills the rows; the grid's tag counts them meanwhile.
void LayOutRows(CalcSession& session) {
  GridModel& grid = session.Grid;
  const int code = session.CalcKindCode;
  int group = 0;
  grid.Tag = 0;
  for (VariableRecord& record : session.Variables.Records()) {
    if (record.GridRow < 0) continue;
    if (record.Group > group) {
      group = record.Group;
      EditorState& caption = grid.GroupCaptions[static_cast<std::size_t>(group - 1)];
      caption.Top = grid.Tag * kRowHeight + 2;
      caption.Visible = true;
      ++grid.Tag;
    }
    const int row = grid.Tag;
    record.GridRow = static_cast<std::int16_t>(row);
    grid.Captions[static_cast<std::size_t>(row)] = record.Caption;
    grid.SetCell(row, record.RememberedText);
    if (IsDuctKind(code)) {
      const std::string caption = DuctCaption(session.Variables, record.Name, code);
      if (!caption.empty()) grid.Captions[static_cast<std::size_t>(row)] = caption;
    }
    // Heating works through the heating season only; other systems all year.
    if (PackedName(record.Name) == PackedName("Z")) grid.SetCell(row, session.PageTag == 1 ? "4560" : "8760");
    ++grid.Tag;

    if (EditorState* editor = EditorOfVariable(grid, record)) {
      editor->Top = row * kRowHeight;
      editor->Visible = true;
      PresetEditor(session, record, *editor);
    }
  }
}

}  // namespace

void BuildInputGrid(CalcSession& session) {
  GridModel& grid = session.Grid;
  grid.HideInputEditors();
  for (GroupHeaderRecord& group : session.Variables.GroupHeaders()) group.HeaderRow = -1;
  // The kind's list read once: a variable is shown when the list names it.
  std::array<bool, kVariableCount> listed{};
  for (std::string_view list = session.VariableList; !list.empty();) {
    const std::size_t comma = list.find(',');
    const int index = VariableIndex(list.substr(0, comma));
    if (index >= 0) listed[static_cast<std::size_t>(index)] = true;
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
  }
  auto& records = session.Variables.Records();
  for (std::size_t i = 0; i < records.size(); ++i) {
    records[i].Value = 0;
    records[i].Text.clear();
    records[i].GridRow = listed[i] ? 0 : -1;
  }

  const int rows = CountRows(session);
  grid.Resize(rows);
  if (grid.CurrentRow >= rows) grid.CurrentRow = rows > 0 ? rows - 1 : 0;
  session.CalkEnabled = rows > 0;
  LayOutRows(session);

  // The material decides the diameter and wall lists, which must not lose
  // the remembered sizes.
  if (grid.cbMS.Visible) {
    const std::string diameter = grid.cbVD.Visible ? grid.cbVD.Text : std::string();
    const std::string wall = grid.cbTS.Visible ? grid.cbTS.Text : std::string();
    cbMSChange(session);
    grid.cbVD.Text = diameter;
    grid.cbTS.Text = wall;
  }
  grid.Tag = 0;
  cbTIChange(session);
  if (grid.cbVV.Visible) cbVVChange(session);
  if (grid.cbGW.Visible && grid.cbGW.ItemIndex < 0) SelectItem(grid.cbGW, IsDuctKind(session.CalcKindCode) ? 1 : 0);
}

}  // namespace ovalto
