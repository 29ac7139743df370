#include "objects/sizing_lines.h"

#include <algorithm>

#include "kinds/calc_kind_setup.h"
#include "number_format.h"
#include "state/variable_list.h"

namespace ovalto {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string NumberLine(const char* caption, double value, const char* unit) {
  return std::string(caption) + " = " + FormatGeneral(value) + " " + unit;
}

}  // namespace

std::string SizedPurposeCode(const std::string& variableList, bool indoor) {
  static constexpr std::pair<const char*, const char*> kPriority[] = {
      {"Be", "ЭЭ"}, {"QL", "СН"}, {"Qf", "СН"}, {"T2", "СТ"}, {"Tr", "ПК"}, {"Trv", "ПК"}, {"Kz", "З"}, {"Tp", "ТВ"}};
  const std::string letter = indoor ? "П" : "О";
  for (const auto& [name, code] : kPriority) {
    if (ListHasVariable(variableList, name)) return std::string(code) + " " + letter;
  }
  return letter;
}

std::optional<SizedObject> SizedObjectFrom(CalcSession& session, int kind, const std::string& name) {
  VariableTable& variables = session.Variables;
  const double thickness = variables.GetVariable("Wiz");
  if (!(thickness > 0)) return std::nullopt;

  SizedObject object;
  ObjectParams& params = object.Params;
  params.Kind = kind;
  params.ObjectName = name;
  params.ThicknessMm = thickness;
  const std::string& list = session.VariableList;
  switch (kind) {
    case kPipelineObject:
      params.SizeMm = variables.GetVariable("Dn");
      params.LengthM = variables.GetVariable("L");
      break;
    case kTankObject:
      params.SizeMm = variables.GetVariable("De");
      params.HeightMm = variables.GetVariable("He");
      break;
    case kRectangularDuctObject:
      params.SizeMm = variables.GetVariable("Lv");
      params.HeightMm = variables.GetVariable("Hv");
      params.LengthM = variables.GetVariable("L");
      break;
    default:
      params.SizeMm = variables.GetVariable(ListHasVariable(list, "De")   ? "De"
                                            : ListHasVariable(list, "Dn") ? "Dn"
                                                                          : "Dv");
      params.LengthM = variables.GetVariable("L");
      break;
  }
  params.InsulationType = session.Grid.cbTI.SelectedText();
  params.CoveringType = session.Grid.cbTP.SelectedText();
  params.Purpose = SizedPurposeCode(list, IsIndoorKind(session) == 1);
  object.TemperatureC = ListHasVariable(list, "Tb")
                            ? variables.GetVariable("Tb")
                            : std::max(variables.GetVariable("T2"), variables.GetVariable("T1"));
  return object;
}

std::vector<NodeSpec> SizedObjectLines(const SizedObject& object) {
  const ObjectParams& p = object.Params;
  std::vector<std::string> texts;
  switch (p.Kind) {
    case kPipelineObject:
      texts = {NumberLine("Диаметр", p.SizeMm, "мм"), NumberLine("Длина трубы", p.LengthM, "м")};
      break;
    case kTankObject:
      texts = {NumberLine("Диаметр", p.SizeMm, "мм"), NumberLine("Высота", p.HeightMm, "мм")};
      break;
    case kRectangularDuctObject:
      texts = {NumberLine("Ширина", p.SizeMm, "мм"), NumberLine("Высота", p.HeightMm, "мм"),
               NumberLine("Длина воздуховода", p.LengthM, "м")};
      break;
    default:
      texts = {NumberLine("Диаметр", p.SizeMm, "мм"), NumberLine("Длина воздуховода", p.LengthM, "м")};
      break;
  }
  texts.push_back("Тип изоляции : " + Quoted(p.InsulationType));
  texts.push_back("Тип покрытия : " + Quoted(p.CoveringType));
  texts.push_back(NumberLine("Толщина изоляции", p.ThicknessMm, "мм"));
  texts.push_back("Назначение и расположение : " + Quoted(p.Purpose));
  texts.push_back(NumberLine("Температура вещества", object.TemperatureC, "°C"));

  std::vector<NodeSpec> lines;
  for (std::string& text : texts) lines.push_back({kImageCalculatedLine, std::move(text), {}});
  if (p.Kind == kPipelineObject) lines.push_back(DetailsBranch(p.LengthM));
  return lines;
}

}  // namespace ovalto
