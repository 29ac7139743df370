// Reading an object's parameter lines and its detail lines back out of the
// project tree. The lines are written in two wordings (entered by hand and
// sized by a calculation); both are read by their upper-cased keys.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ovalto {

// An object as the bill of materials reads it from its lines. The texts are
// held in upper case, as they are compared.
struct ObjectReading {
  int Kind = 0;  // 10 pipeline, 11 tank, 12 rectangular duct, 13 cylindrical duct
  double LengthM = 0;
  double SizeMm = 0;
  double HeightMm = 0;
  double ThicknessMm = 0;
  std::string InsulationType;
  std::string CoveringType;
  std::string Purpose;
};

enum class LineReading { Read, Skipped, BadNumber, TooLarge };

// Numbers beyond this are no size, length or count of anything real; they
// could only turn quantities into infinities.
inline constexpr double kLargestLineNumber = 1e9;

// Takes one parameter line into the object; a line with no known key is
// skipped; a key whose number does not read is BadNumber, one above
// kLargestLineNumber TooLarge.
LineReading ReadObjectLine(std::string_view line, ObjectReading& object);

// One fitting line under "ДЕТАЛИ": Отвод  [ 4 шт] or
// Переход концентрический  [ 2 шт; на 57 мм].
struct DetailReading {
  std::string KindText;  // upper case, as the covers' fitting kinds are compared
  double Count = 0;
  double SmallMm = 0;  // a reducer's smaller end; 0 for the others
};

// Skipped for a line without "[", BadNumber when the count or size does
// not read, TooLarge when one lies above kLargestLineNumber.
LineReading ReadDetailLine(std::string_view line, DetailReading& detail);

}  // namespace ovalto
