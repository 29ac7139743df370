#include "store/project_date.h"

#include <cstdio>
#include <regex>

namespace ovalto {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::string FormatDateText(CivilDate date) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.Day, date.Month, date.Year);
  return text;
}

std::optional<CivilDate> ParseDateText(const std::string& text) {
  static const std::regex kShape(R"(\s*(\d{1,2})\.(\d{1,2})\.(\d{4})\s*)");
  std::smatch parts;
  if (!std::regex_match(text, parts, kShape)) return std::nullopt;
  const CivilDate date{std::stoi(parts[3]), std::stoi(parts[2]), std::stoi(parts[1])};
  if (date.Year < 1 || date.Month < 1 || date.Month > 12 || date.Day < 1 ||
      date.Day > DaysInMonth(date.Year, date.Month)) {
    return std::nullopt;
  }
  return date;
}

}  // namespace ovalto
