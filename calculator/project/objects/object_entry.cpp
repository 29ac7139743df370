#include "objects/object_entry.h"

#include "number_format.h"
#include "objects/object_numbers.h"
#include "tables/reference_tables.h"
#include "tree/field_text.h"

namespace ovalto {

namespace {

// Built by appending: a concatenation of temporaries sets off a false
// overlap warning of g++ 12 in optimised builds.
std::string Quoted(std::string_view caption) { return std::string("\"").append(caption).append("\""); }

// A dimension above 0 and within its range, or the message that refuses it.
std::string RangeMessage(double value, std::string_view caption, double most, std::string_view unit) {
  if (value <= 0) return "Укажите параметр " + Quoted(caption) + " !";
  if (value > most) {
    return "Параметр " + Quoted(caption) + " не может превышать " + FormatGeneral(most) + " " + std::string(unit) +
           " !";
  }
  return {};
}

std::string_view LineName(std::size_t row) { return InsulationTypeTable[row - 1].LineName; }

}  // namespace

ObjectEntryOutcome ApplyObjectEntry(const ObjectEntry& entry, ObjectParams& params, MessageBoxes& messages) {
  const auto refuse = [&messages](const std::string& text, ObjectField field) {
    messages.ShowRaisedError(text);
    return ObjectEntryOutcome{false, field};
  };
  // As a rename in the tree: what the tree shows is what the projects file
  // gives back after a restart.
  const std::string name = TrimBlanks(StorableText(entry.Name));
  if (name.empty()) return refuse("Укажите название !", ObjectField::Name);

  if (entry.Calculate) {
    params.ThicknessMm = 0;
    params.LengthM = params.SizeMm = params.HeightMm = 0;
    params.ObjectName = name;
    return {true, ObjectField::None};
  }

  if (entry.PurposeItem < 0) return refuse("Укажите Назначение  !", ObjectField::None);
  if (entry.LocationItem < 0) return refuse("Укажите Расположение  !", ObjectField::None);

  const ObjectKindTexts& texts = TextsOfKind(entry.Kind);
  double size = ReadNumberOrZero(entry.SizeText);
  if (std::string m = RangeMessage(size, texts.SizeCaption, kMaxSizeMm, "мм"); !m.empty()) {
    return refuse(m, ObjectField::Size);
  }
  double length = 0;
  if (!texts.LengthCaption.empty()) {
    length = ReadNumberOrZero(entry.LengthText);
    if (std::string m = RangeMessage(length, texts.LengthCaption, kMaxLengthM, "м"); !m.empty()) {
      return refuse(m, ObjectField::Length);
    }
  }
  double height = 0;
  if (texts.HasHeight) {
    height = ReadNumberOrZero(entry.HeightText);
    if (std::string m = RangeMessage(height, "Высота", kMaxSizeMm, "мм"); !m.empty()) {
      return refuse(m, ObjectField::Height);
    }
  }
  const double thickness = ReadNumberOrZero(entry.ThicknessText);
  if (thickness <= 0) return refuse("Укажите толщину изоляции !", ObjectField::Thickness);
  if (thickness > kMaxThicknessMm) {
    return refuse("Толщина изоляции не может превышать " + FormatGeneral(kMaxThicknessMm) + " мм !",
                  ObjectField::Thickness);
  }
  if (entry.InsulationType.empty()) return refuse("Укажите параметр \"Тип изоляции\" !", ObjectField::None);
  if (entry.CoveringType.empty()) return refuse("Укажите параметр \"Тип покрытия\" !", ObjectField::None);

  if (entry.Kind == kPipelineObject) {
    if (const std::optional<double> standard = NearStandardPipeDiameter(size)) {
      switch (messages.Show(MessageType::Confirmation, StandardDiameterQuestion(*standard),
                            kButtonYes | kButtonNo | kButtonCancel)) {
        case kButtonYes:
          size = *standard;
          break;
        case kButtonNo:
          break;
        default:
          return {false, ObjectField::None};
      }
    }
  }

  params.SizeMm = size;
  params.LengthM = length;
  params.HeightMm = height;
  params.ThicknessMm = thickness;
  params.InsulationType = entry.InsulationType;
  params.CoveringType = entry.CoveringType;
  params.Purpose = PurposeCode(entry.PurposeItem, entry.LocationItem);
  params.ObjectName = name;
  return {true, ObjectField::None};
}

std::vector<std::string> InsulationTypesFor(int kind, const std::string& sizeText, const std::string& thicknessText) {
  std::vector<std::size_t> rows;
  switch (kind) {
    case kPipelineObject: {
      const double d = ParseNumber(sizeText).value_or(64);
      const double t = ParseNumber(thicknessText).value_or(64);
      rows.push_back(1);
      if (d <= 35 && t <= 9) rows.insert(rows.end(), {2, 3});
      rows.push_back(4);
      if (d <= 28 && t <= 9) rows.push_back(5);
      break;
    }
    case kTankObject:
      rows = {1, 4};
      break;
    default:
      rows = {6, 7};
      break;
  }
  std::vector<std::string> names;
  for (std::size_t row : rows) names.emplace_back(LineName(row));
  return names;
}

std::vector<std::string> CoveringTypeNames() {
  std::vector<std::string> names;
  for (const CoveringTypeRecord& row : CoveringTypeTable) names.emplace_back(row.CoveringName);
  return names;
}

std::vector<double> ListedSizes(int kind) {
  std::vector<double> sizes;
  if (kind == kPipelineObject) {
    for (const PipeSizeRecord& row : PipeSizeTable) sizes.push_back(row.OuterDiameterMm);
  } else if (kind == kCylindricalDuctObject) {
    for (const DuctSizeRecord& row : DuctSizeTable) sizes.push_back(row.DiameterMm);
  }
  return sizes;
}

}  // namespace ovalto
