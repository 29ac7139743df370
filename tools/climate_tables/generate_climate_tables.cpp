// Turns the climate data files into the calculator's built-in climate and wind
// tables, so that no number of the standard is ever typed in by hand.
//
//   generate_climate_tables regions.tsv region_map.tsv climate.tsv climate-extra.tsv
//                           climate-extra2.tsv SOURCES-extra2.md wind.tsv out.cpp
//
// regions.tsv holds the program's region list in its order; region_map.tsv
// renames the data's regions onto it (an empty name leaves a region out).
// Rows are ordered by that list, settlements in file order inside a region.
// climate-extra.tsv (the edition of climate.tsv) and then climate-extra2.tsv
// (a later edition, without the rows that its record SOURCES-extra2.md holds
// in doubt) fill only what climate.tsv leaves empty.
// Any inconsistency in the data stops the build instead of shipping a table
// that quietly lacks or doubles a settlement.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "climate_supplements.h"
#include "tsv_file.h"

namespace {

using climate_data::CheckedName;
using climate_data::CheckedNumber;
using climate_data::ReadTsv;
using climate_data::SourceNumber;
using climate_data::TsvFile;
using climate_data::TsvRow;

std::string Literal(const std::optional<SourceNumber>& number) { return number ? number->literal : "std::nullopt"; }

struct Regions {
  std::vector<std::string> order;          // the program's list
  std::map<std::string, std::string> map;  // data name -> program name ("" left out)

  // The program's name of a data row's region; empty when it is left out.
  std::string ProgramName(const TsvFile& file, const TsvRow& row) const {
    std::string name = CheckedName(file, row, 0);
    if (const auto renamed = map.find(name); renamed != map.end()) name = renamed->second;
    if (!name.empty() && std::find(order.begin(), order.end(), name) == order.end()) {
      file.Fail(row.line, "region not in the region list: " + name);
    }
    return name;
  }
};

Regions ReadRegions(const std::string& listPath, const std::string& mapPath) {
  Regions regions;
  const TsvFile list = ReadTsv(listPath, 1);
  for (const TsvRow& row : list.rows) {
    std::string name = CheckedName(list, row, 0);
    if (std::find(regions.order.begin(), regions.order.end(), name) != regions.order.end()) {
      list.Fail(row.line, "region listed twice: " + name);
    }
    regions.order.push_back(std::move(name));
  }
  const TsvFile map = ReadTsv(mapPath, 2);
  for (const TsvRow& row : map.rows) {
    regions.map[CheckedName(map, row, 0)] = row.fields[1].empty() ? std::string() : CheckedName(map, row, 1);
  }
  return regions;
}

struct Settlement {
  std::string region;
  std::string name;
  std::vector<std::optional<SourceNumber>> values;
};

// Rows of the program's regions, ordered by the region list and by file
// order inside a region. Rows without the required value column are dropped.
std::vector<Settlement> ReadSettlements(const TsvFile& file, const Regions& regions,
                                        std::optional<std::size_t> requiredValue) {
  std::map<std::string, std::vector<Settlement>> byRegion;
  std::set<std::pair<std::string, std::string>> seen;
  for (const TsvRow& row : file.rows) {
    Settlement settlement{regions.ProgramName(file, row), CheckedName(file, row, 1), {}};
    if (settlement.region.empty()) continue;
    if (!seen.emplace(settlement.region, settlement.name).second) {
      file.Fail(row.line, "settlement listed twice in its region: " + settlement.name);
    }
    for (std::size_t column = 2; column < row.fields.size(); ++column) {
      settlement.values.push_back(CheckedNumber(file, row, column));
    }
    if (requiredValue && !settlement.values[*requiredValue]) continue;
    byRegion[settlement.region].push_back(std::move(settlement));
  }
  std::vector<Settlement> ordered;
  for (const std::string& region : regions.order) {
    for (Settlement& settlement : byRegion[region]) ordered.push_back(std::move(settlement));
  }
  return ordered;
}

constexpr std::size_t kWinterDesignColumn = 2;  // of the climate values
constexpr std::size_t kWindSpeed2Column = 1;    // of the wind values

// Transport share and wages follow how harsh and remote a region is, judged
// by its coldest winter design temperature; see resources/climate/README.md.
std::pair<const char*, const char*> TransportAndWages(double coldestWinterDesign) {
  if (coldestWinterDesign >= -30) return {"5.0", "30000.0"};
  if (coldestWinterDesign >= -35) return {"10.0", "30000.0"};
  if (coldestWinterDesign >= -40) return {"15.0", "30000.0"};
  if (coldestWinterDesign >= -45) return {"20.0", "50000.0"};
  return {"25.0", "50000.0"};
}

std::map<std::string, std::pair<const char*, const char*>> RegionCosts(const std::vector<Settlement>& climate,
                                                                       const Regions& regions) {
  std::map<std::string, double> coldest;
  for (const Settlement& row : climate) {
    const std::optional<SourceNumber>& winter = row.values[kWinterDesignColumn];
    if (!winter) continue;
    const auto [it, added] = coldest.emplace(row.region, winter->value);
    if (!added) it->second = std::min(it->second, winter->value);
  }
  std::map<std::string, std::pair<const char*, const char*>> costs;
  for (const std::string& region : regions.order) {
    const auto it = coldest.find(region);
    if (it == coldest.end()) {
      throw std::runtime_error("no winter design temperature in region " + region);
    }
    costs[region] = TransportAndWages(it->second);
  }
  return costs;
}

void CheckEveryRegionHasRows(const std::vector<Settlement>& climate, const Regions& regions) {
  for (const std::string& region : regions.order) {
    const bool present =
        std::any_of(climate.begin(), climate.end(), [&](const Settlement& row) { return row.region == region; });
    if (!present) throw std::runtime_error("no settlement in region " + region);
  }
}

void CheckWindHasClimate(const std::vector<Settlement>& wind, const std::vector<Settlement>& climate) {
  for (const Settlement& row : wind) {
    const bool found = std::any_of(climate.begin(), climate.end(),
                                   [&](const Settlement& c) { return c.region == row.region && c.name == row.name; });
    if (!found) throw std::runtime_error("wind row without climate row: " + row.name);
  }
}

std::string Generate(const Regions& regions, const std::vector<Settlement>& climate,
                     const std::vector<Settlement>& wind) {
  const auto costs = RegionCosts(climate, regions);
  std::ostringstream out;
  out << "// Generated by generate_climate_tables from resources/climate. Do not edit.\n"
         "#include <array>\n\n#include \"tables/climate_tables.h\"\n\nnamespace ovalto {\n\n"
         "namespace {\n\n";
  out << "constexpr std::array<std::string_view, " << regions.order.size() << "> kRegions = {{\n";
  for (const std::string& region : regions.order) out << "    \"" << region << "\",\n";
  out << "}};\n\n";
  out << "constexpr std::array<ClimateRecord, " << climate.size() << "> kClimateRows = {{\n";
  for (const Settlement& row : climate) {
    out << "    {\"" << row.region << "\", \"" << row.name << "\"";
    for (const auto& value : row.values) out << ", " << Literal(value);
    const auto& [transport, wages] = costs.at(row.region);
    out << ", " << transport << ", " << wages << "},\n";
  }
  out << "}};\n\n";
  out << "constexpr std::array<WindRecord, " << wind.size() << "> kWindRows = {{\n";
  for (const Settlement& row : wind) {
    out << "    {\"" << row.region << "\", \"" << row.name << "\", " << Literal(row.values[0]) << ", "
        << Literal(row.values[kWindSpeed2Column]) << "},\n";
  }
  out << "}};\n\n}  // namespace\n\n"
         "std::span<const ClimateRecord> ClimateTable() { return kClimateRows; }\n"
         "std::span<const WindRecord> WindTable() { return kWindRows; }\n"
         "std::span<const std::string_view> ClimateRegions() { return kRegions; }\n\n"
         "}  // namespace ovalto\n";
  return out.str();
}

// Written beside the target and renamed, so a failed run leaves no half file
// that the build would take as up to date.
void WriteFile(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error(temporary + ": cannot write");
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    throw std::runtime_error(path + ": cannot replace");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 9) {
    std::cerr << "usage: generate_climate_tables regions.tsv region_map.tsv climate.tsv climate-extra.tsv "
                 "climate-extra2.tsv SOURCES-extra2.md wind.tsv out.cpp\n";
    return 2;
  }
  try {
    const Regions regions = ReadRegions(argv[1], argv[2]);
    TsvFile climateFile = ReadTsv(argv[3], 8);
    climate_data::FillGaps(climateFile, ReadTsv(argv[4], 6), {});
    const TsvFile laterEdition = ReadTsv(argv[5], 6);
    climate_data::FillGaps(climateFile, laterEdition, climate_data::DoubtfulSettlements(argv[6], laterEdition));
    const std::vector<Settlement> climate = ReadSettlements(climateFile, regions, std::nullopt);
    const std::vector<Settlement> wind = ReadSettlements(ReadTsv(argv[7], 4), regions, kWindSpeed2Column);
    CheckEveryRegionHasRows(climate, regions);
    CheckWindHasClimate(wind, climate);
    WriteFile(argv[8], Generate(regions, climate, wind));
  } catch (const std::exception& error) {
    std::cerr << "generate_climate_tables: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
