#include "materials/tree_lines.h"

#include <array>

#include "number_format.h"
#include "objects/object_numbers.h"
#include "text_case.h"

namespace ovalto {

namespace {

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

LineReading ReadNumber(std::string_view text, double& number) {
  const std::optional<double> value = ParseNumber(ExtractNumberText(text));
  if (!value) return LineReading::BadNumber;
  if (*value > kLargestLineNumber) return LineReading::TooLarge;
  number = *value;
  return LineReading::Read;
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
    if (number) return ReadNumber(AfterFirst(upper, '='), *number);
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
  if (const LineReading count = ReadNumber(rest.substr(0, semicolon), detail.Count); count != LineReading::Read) {
    return count;
  }
  detail.SmallMm = 0;
  if (semicolon == std::string_view::npos) return LineReading::Read;
  return ReadNumber(rest.substr(semicolon + 1), detail.SmallMm);
}

}  // namespace ovalto
