#include "engine/input_validation.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "grid/place_climate.h"
#include "number_format.h"
#include "state/scheme_engine.h"
#include "tables/climate_tables.h"

namespace ovalto {

namespace {

// The input check runs on every row the user leaves: which checks look at a
// variable is worked out once, by its place in the table.
enum CheckFlag : std::uint16_t {
  kDimension = 1 << 0,
  kHumidity = 1 << 1,
  kSubstanceTemperature = 1 << 2,  // "Tb"
  kSurfaceTemperature = 1 << 3,    // "Tp"
  kEndTemperature = 1 << 4,        // "T2"
  kAmbient = 1 << 5,               // "Tn"
  kFreezingPoint = 1 << 6,         // "Tz"
  // Not below 0 in the schemes of each group.
  kPositiveForHeatFlow = 1 << 7,
  kPositiveForSurface = 1 << 8,
  kPositiveForTemperatureChange = 1 << 9,
  kPositiveForFreezing = 1 << 10,
};

constexpr std::array<std::uint16_t, kVariableCount> kCheckFlags = [] {
  std::array<std::uint16_t, kVariableCount> flags{};
  const auto mark = [&](std::initializer_list<std::string_view> names, std::uint16_t flag) {
    for (const std::string_view name : names) flags[static_cast<std::size_t>(VariableIndex(name))] |= flag;
  };
  mark({"Dn", "De", "Dv", "Lv", "He", "Hv", "L"}, kDimension);
  mark({"Vla", "Vlv"}, kHumidity);
  mark({"Tb"}, kSubstanceTemperature);
  mark({"Tp"}, kSurfaceTemperature);
  mark({"T2"}, kEndTemperature);
  mark({"Tn"}, kAmbient);
  mark({"Tz"}, kFreezingPoint);
  mark({"Dn", "Wst", "Kdp", "Liz", "An", "W", "De", "He", "Z"}, kPositiveForHeatFlow);
  mark({"Dn", "Wst", "Kdp", "Liz", "An"}, kPositiveForSurface);
  mark({"Dn", "Wst", "Kdp", "Liz", "An", "W", "Pb", "Cp"}, kPositiveForTemperatureChange);
  mark({"Dn", "Wst", "Kdp", "Liz", "An", "Zt", "Pb", "Cp", "Rb", "W"}, kPositiveForFreezing);
  return flags;
}();

bool IsOneOf(int code, std::initializer_list<int> codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The variable the chosen kind seeks is not an input, nor is the thickness
// while it is calculated: the index of the one or two skipped, -1 for none.
std::array<int, 2> SoughtIndices(const CalcSession& session) {
  static constexpr std::array<int, 7> kTaskResults = {VariableIndex("Egod"), VariableIndex("QL"), VariableIndex("Tp"),
                                                      VariableIndex("Vla"),  VariableIndex("T2"), VariableIndex("Zt"),
                                                      VariableIndex("Vlv")};
  const int task = session.CalcKindCode % 10;
  switch (session.Grid.cbWI.ItemIndex) {
    case 0:
      return {VariableIndex("Wiz"), task == 0 ? VariableIndex("Egod") : -1};
    case 1:
      return {task >= 0 && task < 7 ? kTaskResults[static_cast<std::size_t>(task)] : -1, -1};
    default:
      return {-1, -1};
  }
}

// Cold water, conditioning and cold process kinds carry substances below 20 °C.
bool IsColdKind(int code) {
  return (code >= 21121 && code <= 21215) || (code >= 31111 && code <= 31326) || (code >= 51121 && code <= 51124) ||
         (code >= 52121 && code <= 52124) || (code >= 52211 && code <= 52214);
}

enum class Problem {
  None,
  NotANumber,
  Dimension,
  TooColdForKind,
  Senseless,
  AboveInsulationLimit,
  HotSurface,
  AmbientAtFreezing,
  Temperatures
};

// The groups of schemes whose inputs have checks of their own.
enum class SchemeChecks { HeatFlowAndEfficiency, SurfaceTemperature, TemperatureChange, FreezeProtection, None };

SchemeChecks ChecksOf(int scheme) {
  if (IsOneOf(scheme, {11110, 11111, 11120, 11121, 11210, 11211, 11220, 11221})) {
    return SchemeChecks::HeatFlowAndEfficiency;
  }
  if (scheme == 11112) return SchemeChecks::SurfaceTemperature;
  if (IsOneOf(scheme, {11114, 11124, 11224})) return SchemeChecks::TemperatureChange;
  if (scheme == 11125) return SchemeChecks::FreezeProtection;
  return SchemeChecks::None;
}

// The checks of a number in their order; a later failing check replaces the
// problem an earlier one found.
Problem CheckNumber(CalcSession& session, SchemeChecks checks, std::uint16_t flags, double v) {
  VariableTable& variables = session.Variables;
  Problem problem = Problem::None;
  if ((flags & kDimension) && v <= 0) problem = Problem::Dimension;
  if ((flags & kSubstanceTemperature) && !IsColdKind(session.CalcKindCode) && v < 20) {
    problem = Problem::TooColdForKind;
  }
  // Above saturation the air holds no more vapour: such a number is no humidity.
  if ((flags & kHumidity) && v > 100) problem = Problem::NotANumber;

  if (checks == SchemeChecks::HeatFlowAndEfficiency) {
    if (v < 0 && (flags & kPositiveForHeatFlow)) problem = Problem::Senseless;
    if ((flags & kSubstanceTemperature) && v > 100) problem = Problem::AboveInsulationLimit;
  } else if (checks == SchemeChecks::SurfaceTemperature) {
    if (v < 0 && (flags & kPositiveForSurface)) problem = Problem::Senseless;
    if ((flags & kSubstanceTemperature) && v > 100) problem = Problem::AboveInsulationLimit;
    if ((flags & kSurfaceTemperature) && v > 35) problem = Problem::HotSurface;
  } else if (checks == SchemeChecks::TemperatureChange) {
    if (v < 0 && (flags & kPositiveForTemperatureChange)) problem = Problem::Senseless;
    if ((flags & kEndTemperature) && v > 100) problem = Problem::AboveInsulationLimit;
  } else if (checks == SchemeChecks::FreezeProtection) {
    if (v < 0 && (flags & kPositiveForFreezing)) problem = Problem::Senseless;
    if ((flags & kAmbient) && variables.GetVariable("Tz") <= v) problem = Problem::AmbientAtFreezing;
    // The freezing time divides by this sum; "Tn" comes later in the walk,
    // so its number is the one stored before.
    if ((flags & kFreezingPoint) &&
        variables.GetVariable("Tb") + variables.GetVariable("Tz") - 2 * variables.GetVariable("Tn") == 0) {
      problem = Problem::Temperatures;
    }
  }
  return problem;
}

std::string MessageOf(Problem problem, std::string_view caption) {
  switch (problem) {
    case Problem::NotANumber:
      return "Укажите корректное значение '" + std::string(caption) + "' !";
    case Problem::Dimension:
      return "Укажите положительные значения всех габаритов !";
    case Problem::TooColdForKind:
      return "Пожалуйста, выполните расчёт для холодного\rводоснабжения или кондиционирования !";
    case Problem::Senseless:
      return "Пожалуйста, введите значение, имеющее смысл !";
    case Problem::AboveInsulationLimit:
      return "Заданная температура вещества\rвыше рабочей температуры изоляции !";
    case Problem::HotSurface:
      return "Обратите внимание, что температура поверхности выше безопасной !";
    case Problem::AmbientAtFreezing:
      return "Расчет не может быть выполнен.\r\rУкажите корректное значение температуры окружающей среды !";
    case Problem::Temperatures:
      return "Расчет не может быть выполнен.\r\rУкажите корректные значение всех температур !";
    case Problem::None:
      break;
  }
  return {};
}

void ShowWarning(CalcSession& session, const std::string& text) {
  session.Messages.Show(MessageType::Warning, text, kButtonCancel);
}

void Focus(CalcSession& session, const EditorState* editor) {
  session.FocusedEditor = editor;
  if (session.FocusRequested) session.FocusRequested(editor);
}

// The typed text of a number variable: the grid cell, or the edit part of
// the diameter and wall combos. A wall not taken into account counts as 0;
// an empty text is a blank, which is no number.
std::string_view NumberText(const CalcSession& session, const VariableRecord& record) {
  const std::string& text = record.InputKind == 12   ? session.Grid.cbVD.Text
                            : record.InputKind == 13 ? session.Grid.cbTS.Text
                                                     : session.Grid.Values[static_cast<std::size_t>(record.GridRow)];
  if (text == std::string_view("не учитывать")) return "0";
  return text.empty() ? std::string_view(" ") : std::string_view(text);
}

// Texts of numbers are short: compared here in place.
bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

std::optional<double> ReadNumber(CalcSession& session, std::size_t index, const VariableRecord& record) {
  const std::string_view text = NumberText(session, record);
  CalcSession::ReadNumber& read = session.ReadNumbers[index];
  if (!SameText(read.Text, text)) {
    read.Text.assign(text);
    read.Number = ParseNumber(read.Text);
  }
  return read.Number;
}

// The region's own values: transport costs and wages are the same for the
// whole region. The ambient and the wind are the chosen settlement's,
// taken as choosing it takes them.
void TakeRegionCosts(CalcSession& session, const ClimateRecord& row) {
  VariableTable& variables = session.Variables;
  variables.SetVariable("Ktr", "!", row.TransportPercent);
  variables.SetVariable("Zpl", "!", row.Wages);
  variables.SetVariable("Rg_", "!" + session.Grid.cbRG.SelectedText(), 0);
  variables.SetVariable("Np_", "!" + session.Grid.cbNP.SelectedText(), 0);
}

void TakeRegion(CalcSession& session) {
  VariableTable& variables = session.Variables;
  if (session.Grid.cbRG.ItemIndex <= 0) {
    variables.SetVariable("Ktr", "!", 5);
    variables.SetVariable("Rg_", "!-", 0);
    variables.SetVariable("Zpl", "!", 30000);
    variables.SetVariable("Np_", "!-", 0);
  } else if (const auto rows = ClimateRowsOfRegion(session.Grid.cbRG.SelectedText()); !rows.empty()) {
    TakeRegionCosts(session, *rows.front());
  }
  TakePlaceClimate(session);
}

void TakeSettlement(CalcSession& session) {
  const GridModel& grid = session.Grid;
  if (grid.cbNP.ItemIndex >= 0) {
    if (const ClimateRecord* row = FindClimateRow(grid.cbRG.SelectedText(), grid.cbNP.SelectedText())) {
      TakeRegionCosts(session, *row);
    }
  }
  TakePlaceClimate(session);
}

// A list variable passes when its combo has a choice; the region and the
// settlement, while their combo has the focus, also bring their climate.
bool CheckList(CalcSession& session, const VariableRecord& record) {
  GridModel& grid = session.Grid;
  const EditorState* editor = nullptr;
  switch (record.InputKind) {
    case 10:
      editor = &grid.cbZN;
      break;
    case 11:
      editor = &grid.cbMS;
      break;
    case 21:
      editor = &grid.cbVV;
      break;
    case 41:
      editor = &grid.cbTI;
      break;
    case 51:
      editor = &grid.cbTP;
      break;
    case 31:
      if (session.FocusedEditor == &grid.cbRG) TakeRegion(session);
      return true;
    case 32:
      if (session.FocusedEditor == &grid.cbNP) TakeSettlement(session);
      return true;
    default:
      return true;
  }
  if (editor->ItemIndex < 0) return false;
  // The choice is stored as the variable's text; the check runs on every
  // row the user leaves, and mostly finds it stored already.
  const std::string& chosen = editor->SelectedText();
  const auto row = static_cast<std::size_t>(record.GridRow);
  if (record.Text != chosen || row >= grid.Values.size() || grid.Values[row] != chosen) {
    session.Variables.SetVariable(record.Name, "!" + chosen, 0);
  }
  return true;
}

// The caption the user reads on the variable's row; ducts name some rows
// in their own words.
std::string_view ShownCaption(const CalcSession& session, const VariableRecord& record) {
  const auto row = static_cast<std::size_t>(record.GridRow);
  return row < session.Grid.Captions.size() && !session.Grid.Captions[row].empty() ? session.Grid.Captions[row]
                                                                                   : record.Caption;
}

}  // namespace

int ValidateInputs(CalcSession& session, OutputControls& outputs, bool showMessages) {
  outputs.ChartButton = false;
  outputs.Print = false;
  outputs.Excel = false;
  const SchemeChecks checks = ChecksOf(session.CalcSchemeCode);
  const std::array<int, 2> sought = SoughtIndices(session);
  auto& records = session.Variables.Records();
  for (std::size_t index = 0; index < records.size(); ++index) {
    VariableRecord& record = records[index];
    const auto at = static_cast<int>(index);
    if (record.GridRow < 0 || at == sought[0] || at == sought[1]) continue;
    if (record.ValueType == 'S') {
      if (CheckList(session, record)) continue;
      if (showMessages)
        ShowWarning(session, "Выберите значение '" + std::string(ShownCaption(session, record)) + "' из списка !");
      return record.Group;
    }

    const std::optional<double> number = ReadNumber(session, index, record);
    const Problem problem = number ? CheckNumber(session, checks, kCheckFlags[index], *number) : Problem::NotANumber;
    if (problem == Problem::None) {
      record.Value = *number;
      continue;
    }
    if (showMessages) {
      if (record.InputKind == 0) {
        // The user is taken to the row to mend it: leaving it again derives
        // what lies below it, as after any row the user moved to.
        session.Grid.CurrentRow = session.Grid.Tag = record.GridRow;
        Focus(session, nullptr);
      } else if (record.InputKind == 12) {
        Focus(session, &session.Grid.cbVD);
      } else if (record.InputKind == 13) {
        Focus(session, &session.Grid.cbTS);
      }
      ShowWarning(session, MessageOf(problem, ShownCaption(session, record)));
    }
    return record.Group;
  }
  return kAllInputsValid;
}

}  // namespace ovalto
