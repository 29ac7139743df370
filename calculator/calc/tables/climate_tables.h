// Climate and wind data of the settlements, grouped by region in the order of
// the region list. The rows are generated at build time from the data files
// in resources/climate (see the README there). A value the source does not
// give is an empty optional, never a number of our own: whoever shows it
// clears the cell instead.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ovalto {

struct ClimateRecord {
  std::string_view Region;
  std::string_view Settlement;
  std::optional<double> AnnualMeanTemp;    // °C
  std::optional<double> HeatingMeanTemp;   // °C, mean of the heating period
  std::optional<double> WinterDesignTemp;  // °C, coldest five days, 0.92
  std::optional<double> SummerTemp;        // °C, warm season
  std::optional<double> AbsMinTemp;        // °C
  std::optional<double> AbsMaxTemp;        // °C
  double TransportPercent;                 // 5, 10, 15, 20 or 25; the same for a whole region
  double Wages;                            // roubles, 30000 or 50000; the same for a whole region
};

// Only settlements with a WindSpeed2 have a row: the calculation uses no
// other speed, and a settlement without a row leaves the wind speed as it is.
struct WindRecord {
  std::string_view Region;
  std::string_view Settlement;
  std::optional<double> WindSpeed1;  // m/s, January
  double WindSpeed2;                 // m/s, heating period
};

// Generated: all rows in table order, and the distinct regions in that order.
std::span<const ClimateRecord> ClimateTable();
std::span<const WindRecord> WindTable();
std::span<const std::string_view> ClimateRegions();

// The items of the region list on the screen: an empty item first, then each
// region once in table order, names that differ only in case counting as one.
const std::vector<std::string>& RegionListItems();

// The region's rows in table order; empty for an unknown region.
std::vector<const ClimateRecord*> ClimateRowsOfRegion(std::string_view region);
// The first row of that region and settlement, or null.
const ClimateRecord* FindClimateRow(std::string_view region, std::string_view settlement);
const WindRecord* FindWindRow(std::string_view region, std::string_view settlement);

}  // namespace ovalto
