#include "materials/tree_lines.h"

#include <array>

#include "number_format.h"
#include "objects/object_numbers.h"
#include "text_case.h"

namespace ovalto {

namespace {

// Numbers beyond this are no size, length or count of anything real; they
// could only turn quantities into infinities.
constexpr double kLargestNumber = 1e9;

enum class Target { Size, Height, Length, Thickness, Insulation, Covering, Purpose };

struct Key {
  std::string_view Text;
  Target Field;
};

// Tested in this order; the first key the line contains decides.
constexpr std::array<Key, 8> kKeys = {{
    {"ДИАМЕТР", Target::Size},
    {"ШИРИНА", Target::Size},
    {"ВЫСОТА", Target::Height},
    {"ДЛИНА", Target::Length},
    {"ТОЛЩИНА", Target::Thickness},
    {"ТИП ИЗОЛЯЦИИ", Target::Insulation},
    {"ТИП ПОКРЫТИЯ", Target::Covering},
    {"НАЗНАЧЕНИЕ", Target::Purpose},
}};
constexpr std::size_t kPurposeChars = 8;

std::optional<double> ReadNumber(std::string_view text) {
  const std::optional<double> value = ParseNumber(ExtractNumberText(text));
  if (!value || *value > kLargestNumber) return std::nullopt;
  return value;
}

std::string_view AfterFirst(std::string_view text, char mark) {
  const std::size_t at = text.find(mark);
  return at == std::string_view::npos ? text : text.substr(at + 1);
}

}  // namespace

LineReading ReadObjectLine(std::string_view line, ObjectReading& object) {
  const std::string upper = UpperCase(line);
  for (const Key& key : kKeys) {
    if (upper.find(key.Text) == std::string::npos) continue;
    double* number = nullptr;
    std::string* text = nullptr;
    switch (key.Field) {
      case Target::Size:
        number = &object.SizeMm;
        break;
      case Target::Height:
        number = &object.HeightMm;
        break;
      case Target::Length:
        number = &object.LengthM;
        break;
      case Target::Thickness:
        number = &object.ThicknessMm;
        break;
      case Target::Insulation:
        text = &object.InsulationType;
        break;
      case Target::Covering:
        text = &object.CoveringType;
        break;
      case Target::Purpose:
        text = &object.Purpose;
        break;
    }
    if (number) {
      const std::optional<double> value = ReadNumber(AfterFirst(upper, '='));
      if (!value) return LineReading::BadNumber;
      *number = *value;
      return LineReading::Read;
    }
    // The quoted value: after the first double quote, without the closing one.
    const std::size_t quote = upper.find('"');
    if (quote == std::string::npos || quote + 1 >= upper.size()) return LineReading::Skipped;
    std::string_view value = std::string_view(upper).substr(quote + 1);
    value.remove_suffix(1);
    *text = key.Field == Target::Purpose ? std::string(FirstChars(value, kPurposeChars)) : std::string(value);
    return LineReading::Read;
  }
  return LineReading::Skipped;
}

LineReading ReadDetailLine(std::string_view line, DetailReading& detail) {
  const std::string upper = UpperCase(line);
  const std::size_t bracket = upper.find('[');
  if (bracket == std::string::npos) return LineReading::Skipped;
  std::string_view rest = std::string_view(upper).substr(bracket + 1);
  if (!rest.empty()) rest.remove_suffix(1);  // the closing bracket
  detail.KindText = std::string(Trimmed(std::string_view(upper).substr(0, bracket)));
  const std::size_t semicolon = rest.find(';');
  const std::optional<double> count = ReadNumber(rest.substr(0, semicolon));
  if (!count) return LineReading::BadNumber;
  detail.Count = *count;
  detail.SmallMm = 0;
  if (semicolon != std::string_view::npos) {
    const std::optional<double> small = ReadNumber(rest.substr(semicolon + 1));
    if (!small) return LineReading::BadNumber;
    detail.SmallMm = *small;
  }
  return LineReading::Read;
}

}  // namespace ovalto
