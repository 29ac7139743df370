#include "objects/object_numbers.h"

#include "number_format.h"
#include "tables/reference_tables.h"

namespace ovalto {

std::string ExtractNumberText(std::string_view text) {
  std::string number;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || c == ',') {
      number += c;
    } else if (!number.empty()) {
      break;
    }
  }
  return number;
}

double ReadNumberOrZero(const std::string& text) { return ParseNumber(text).value_or(0); }

std::optional<char> FilterNumberKey(char key, std::string_view fieldText) {
  if (key == '.') key = ',';
  if (key == ',') {
    if (fieldText.find(',') != std::string_view::npos) return std::nullopt;
    return key;
  }
  if ((key >= '0' && key <= '9') || key == '\b') return key;
  return std::nullopt;
}

bool CountKeyAccepted(char key) { return (key >= '0' && key <= '9') || key == '\b'; }

std::optional<double> NearStandardPipeDiameter(double sizeMm) {
  double least = 10000;
  double diameter = 0;
  for (const PipeSizeRecord& row : PipeSizeTable) {
    const double difference = row.OuterDiameterMm - sizeMm;
    if (difference >= 0 && difference < least) {
      least = difference;
      diameter = row.OuterDiameterMm;
    }
  }
  if (least > 0 && least <= 2) return diameter;
  return std::nullopt;
}

std::string StandardDiameterQuestion(double diameterMm) {
  return "В стандартном ряду типоразмеров имеются трубы с наружным\r"
         "диаметром, отличающимся от введенного менее, чем на 2 мм.\r\r"
         "Принять значение диаметра трубы равным " +
         FormatGeneral(diameterMm) + " мм ?";
}

}  // namespace ovalto
