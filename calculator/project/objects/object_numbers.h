// Numbers of objects and details as the dialogs take them and the tree
// lines hold them: always with the program's decimal comma, whatever the
// desktop's locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ovalto {

// The first run of digits and commas in a text ("Длина трубы = 12,5 м" gives
// "12,5"; "12.5" gives "12"); empty when the text has neither.
std::string ExtractNumberText(std::string_view text);

// A field's text as a number; a text that is not a number reads as 0.
double ReadNumberOrZero(const std::string& text);

// The number fields of the object dialog: the character the field takes for
// a typed key, or nothing when the key is refused. A full stop becomes a
// comma, a second comma is refused; digits and backspace pass.
std::optional<char> FilterNumberKey(char key, std::string_view fieldText);

// The count fields of the details dialog take digits and backspace only.
bool CountKeyAccepted(char key);

// The outer diameter of the standard pipe series that lies above the size
// by more than 0 and at most 2 mm (the nearest, the first in table order on
// a tie); nothing when the size is a standard one or none lies that close.
std::optional<double> NearStandardPipeDiameter(double sizeMm);

// The question that offers that diameter ("\r" is a line break).
std::string StandardDiameterQuestion(double diameterMm);

// The sane ranges of what the dialogs take: a larger value would only be a
// typing slip, and would make the bill of materials build thousands of
// layers or overflow its counts.
constexpr double kMaxSizeMm = 100000;      // diameters (a reducer's too), widths, heights
constexpr double kMaxLengthM = 100000;     // pipeline and duct lengths
constexpr double kMaxThicknessMm = 1000;   // a metre of insulation
constexpr double kMaxDetailCount = 10000;  // fittings of one kind

}  // namespace ovalto
