#include "dos_date_time.h"

namespace unzip {

namespace {

struct DosFields {
  int year, month, day, hour, minute, second;
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<DosFields> Unpack(std::uint32_t dosDateTime) {
  DosFields f{};
  f.year = 1980 + static_cast<int>(dosDateTime >> 25);
  f.month = static_cast<int>((dosDateTime >> 21) & 0x0F);
  f.day = static_cast<int>((dosDateTime >> 16) & 0x1F);
  f.hour = static_cast<int>((dosDateTime >> 11) & 0x1F);
  f.minute = static_cast<int>((dosDateTime >> 5) & 0x3F);
  f.second = static_cast<int>(dosDateTime & 0x1F) * 2;
  if (f.month < 1 || f.month > 12 || f.day < 1 || f.day > DaysInMonth(f.year, f.month) || f.hour > 23 ||
      f.minute > 59 || f.second > 59) {
    return std::nullopt;
  }
  return f;
}

// Days from 1 January 1970 to a civil date (proleptic Gregorian).
long DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

}  // namespace

TDateTime DosDateToDateTime(std::uint32_t dosDateTime) {
  const std::optional<DosFields> f = dosDateTime == 0 ? std::nullopt : Unpack(dosDateTime);
  if (!f) return kDosEpochDateTime;
  constexpr long kDaysFrom1899To1970 = 25569;
  const double days = static_cast<double>(DaysFromCivil(f->year, f->month, f->day) + kDaysFrom1899To1970);
  return days + (f->hour * 3600 + f->minute * 60 + f->second) / 86400.0;
}

std::optional<std::time_t> DosDateTimeToUnixTime(std::uint32_t dosDateTime) {
  const std::optional<DosFields> f = Unpack(dosDateTime);
  if (!f) return std::nullopt;
  std::tm local{};
  local.tm_year = f->year - 1900;
  local.tm_mon = f->month - 1;
  local.tm_mday = f->day;
  local.tm_hour = f->hour;
  local.tm_min = f->minute;
  local.tm_sec = f->second;
  local.tm_isdst = -1;
  const std::time_t moment = std::mktime(&local);
  if (moment == static_cast<std::time_t>(-1)) return std::nullopt;
  return moment;
}

bool UnixTimeToDosDateTime(std::time_t moment, std::uint32_t& dosDateTime) {
  std::tm local{};
  if (localtime_r(&moment, &local) == nullptr) return false;
  const int year = local.tm_year + 1900;
  if (year < 1980 || year > 2107) return false;
  dosDateTime = (static_cast<std::uint32_t>(year - 1980) << 25) | (static_cast<std::uint32_t>(local.tm_mon + 1) << 21) |
                (static_cast<std::uint32_t>(local.tm_mday) << 16) | (static_cast<std::uint32_t>(local.tm_hour) << 11) |
                (static_cast<std::uint32_t>(local.tm_min) << 5) | static_cast<std::uint32_t>(local.tm_sec / 2);
  return true;
}

}  // namespace unzip
