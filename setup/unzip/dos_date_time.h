// Packed DOS date-times (the zip records' dates) and the day counts the component's events use.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>

namespace unzip {

// Days since 30 December 1899 with the time of day as the fraction: the date-time of events.
using TDateTime = double;

// 1 January 1980, 00:00: what an absent or impossible DOS date-time stands for.
inline constexpr TDateTime kDosEpochDateTime = 29221.0;

// The date-time of a packed DOS date-time; 0 and impossible dates give 1 January 1980.
TDateTime DosDateToDateTime(std::uint32_t dosDateTime);

// The moment (local time, as DOS dates are) of a packed DOS date-time; nothing when impossible.
std::optional<std::time_t> DosDateTimeToUnixTime(std::uint32_t dosDateTime);

// A moment as a packed DOS date-time in local time; false outside 1980..2107.
bool UnixTimeToDosDateTime(std::time_t moment, std::uint32_t& dosDateTime);

}  // namespace unzip
