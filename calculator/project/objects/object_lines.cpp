#include "objects/object_lines.h"

#include <algorithm>
#include <functional>

#include "number_format.h"
#include "objects/object_numbers.h"
#include "text_case.h"

namespace ovalto {

namespace {

using LineBuilder = std::function<std::string(const ObjectParams&)>;

// A line of the object: the prefix that finds it again on a re-edit and how
// its text is made.
struct HandLine {
  std::string_view Prefix;
  LineBuilder Build;
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

LineBuilder SizeLine(std::string_view caption, double ObjectParams::*field, std::string_view unit) {
  return [caption, field, unit](const ObjectParams& params) {
    return std::string(caption) + " = " + FormatGeneral(params.*field) + " " + std::string(unit);
  };
}

const std::vector<HandLine>& KindLines(int kind) {
  static const std::vector<HandLine> kPipeline = {{"Диаметр", SizeLine("Диаметр трубы", &ObjectParams::SizeMm, "мм")},
                                                  {"Длина", SizeLine("Длина трубы", &ObjectParams::LengthM, "м")}};
  static const std::vector<HandLine> kTank = {{"Наружний", SizeLine("Наружний диаметр", &ObjectParams::SizeMm, "мм")},
                                              {"Высота", SizeLine("Высота ёмкости", &ObjectParams::HeightMm, "мм")}};
  static const std::vector<HandLine> kRectangularDuct = {
      {"Ширина", SizeLine("Ширина", &ObjectParams::SizeMm, "мм")},
      {"Высота", SizeLine("Высота", &ObjectParams::HeightMm, "мм")},
      {"Длина", SizeLine("Длина трубопровода", &ObjectParams::LengthM, "м")}};
  static const std::vector<HandLine> kCylindricalDuct = {
      {"Диаметр", SizeLine("Диаметр", &ObjectParams::SizeMm, "мм")},
      {"Длина", SizeLine("Длина трубопровода", &ObjectParams::LengthM, "м")}};
  switch (kind) {
    case kPipelineObject:
      return kPipeline;
    case kTankObject:
      return kTank;
    case kRectangularDuctObject:
      return kRectangularDuct;
    default:
      return kCylindricalDuct;
  }
}

const std::vector<HandLine>& CommonLines() {
  static const std::vector<HandLine> kCommon = {
      {"Толщина", SizeLine("Толщина изоляции", &ObjectParams::ThicknessMm, "мм")},
      {"Тип изоляции", [](const ObjectParams& p) { return "Тип изоляции : " + Quoted(p.InsulationType); }},
      {"Тип покрытия", [](const ObjectParams& p) { return "Тип покрытия : " + Quoted(p.CoveringType); }},
      {"Назначение", [](const ObjectParams& p) { return "Назначение и расположение : " + Quoted(p.Purpose); }}};
  return kCommon;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string NumberAfterEquals(std::string_view line) {
  const std::size_t equals = line.find('=');
  return ExtractNumberText(equals == std::string_view::npos ? line : line.substr(equals + 1));
}

// The text between the line's first double quote and its last character.
std::string QuotedValue(const std::string& line) {
  const std::size_t quote = line.find('"');
  const std::string rest = quote == std::string::npos ? line : line.substr(quote + 1);
  return rest.empty() ? rest : rest.substr(0, rest.size() - 1);
}

bool Listed(const std::vector<std::string>& items, const std::string& text) {
  return std::find(items.begin(), items.end(), text) != items.end();
}

}  // namespace

std::vector<NodeSpec> HandObjectLines(const ObjectParams& params) {
  std::vector<NodeSpec> lines;
  for (const auto* set : {&KindLines(params.Kind), &CommonLines()}) {
    for (const HandLine& line : *set) lines.push_back({kImageEnteredLine, line.Build(params), {}});
  }
  if (params.Kind == kPipelineObject) lines.push_back(DetailsBranch(params.LengthM));
  return lines;
}

NodeSpec DetailsBranch(double lengthM) {
  return {kImageDetails, "ДЕТАЛИ", {{kImagePipeLength, "Труба [ " + FormatGeneral(lengthM) + " м ]", {}}}};
}

std::string RewrittenHandLine(const std::string& line, const ObjectParams& params) {
  for (const auto* set : {&KindLines(params.Kind), &CommonLines()}) {
    for (const HandLine& hand : *set) {
      if (StartsWith(line, hand.Prefix)) return hand.Build(params);
    }
  }
  return line;
}

ObjectEntry EntryFromHandLines(int kind, const std::string& name, const std::vector<std::string>& lines) {
  ObjectEntry entry;
  entry.Kind = kind;
  entry.Name = name;
  entry.Calculate = false;
  for (const std::string& line : lines) {
    const std::string upper = UpperCase(line);
    if (StartsWith(upper, "ДЛИНА")) {
      entry.LengthText = NumberAfterEquals(upper);
    } else if (upper.find("ДИАМЕТР") != std::string::npos || StartsWith(upper, "ШИРИНА")) {
      entry.SizeText = NumberAfterEquals(upper);
    } else if (StartsWith(upper, "ВЫСОТА")) {
      entry.HeightText = NumberAfterEquals(upper);
    } else if (StartsWith(upper, "ТОЛЩИНА")) {
      entry.ThicknessText = NumberAfterEquals(upper);
    } else {
      const std::string value = QuotedValue(line);
      if (StartsWith(upper, "ТИП ИЗОЛЯЦИИ")) {
        const bool listed = Listed(InsulationTypesFor(kind, entry.SizeText, entry.ThicknessText), value);
        entry.InsulationType = listed ? value : std::string();
      } else if (StartsWith(upper, "ТИП ПОКРЫТИЯ")) {
        entry.CoveringType = Listed(CoveringTypeNames(), value) ? value : std::string();
      } else if (StartsWith(upper, "НАЗНАЧЕНИЕ И")) {
        entry.PurposeItem = PurposeItemOf(value);
        entry.LocationItem = LocationItemOf(value);
      }
    }
  }
  return entry;
}

}  // namespace ovalto
