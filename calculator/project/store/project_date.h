// A project's date as the file keeps it, dd.MM.yyyy, whatever the desktop's
// locale, so a file reads the same on every machine.
#pragma once

#include <optional>
#include <string>

namespace ovalto {

struct CivilDate {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  bool operator==(const CivilDate&) const = default;
};

std::string FormatDateText(CivilDate date);

// A real calendar date written as day.month.year (one or two digits for day
// and month, four for the year); nothing for anything else.
std::optional<CivilDate> ParseDateText(const std::string& text);

}  // namespace ovalto
