// Turns the climate data files into the calculator's built-in climate and wind
// tables, so that no number of the standard is ever typed in by hand.
//
//   generate_climate_tables regions.tsv region_map.tsv climate.tsv wind.tsv out.cpp
//
// regions.tsv holds the program's region list in its order; region_map.tsv
// renames the data's regions onto it (an empty name leaves a region out).
// Rows are ordered by that list, settlements in file order inside a region.
// Any inconsistency in the data stops the build instead of shipping a table
// that quietly lacks or doubles a settlement.
#include <algorithm>
#include <charconv>
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

namespace {

struct TsvRow {
  int line;
  std::vector<std::string> fields;
};

struct TsvFile {
  std::string path;
  std::vector<TsvRow> rows;  // without the header line

  [[noreturn]] void Fail(int line, const std::string& what) const {
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
  }
};

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

TsvFile ReadTsv(const std::string& path, std::size_t columns) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot open");
  TsvFile file{path, {}};
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1 || line.empty()) continue;
    std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() != columns) {
      file.Fail(number, "expected " + std::to_string(columns) + " fields, found " + std::to_string(fields.size()));
    }
    file.rows.push_back({number, std::move(fields)});
  }
  return file;
}

// Names go into string literals as they are, so anything that would need
// escaping is refused rather than mangled.
std::string CheckedName(const TsvFile& file, const TsvRow& row, std::size_t column) {
  const std::string& text = row.fields[column];
  if (text.empty()) file.Fail(row.line, "empty name");
  for (unsigned char c : text) {
    if (c < 0x20 || c == '"' || c == '\\') file.Fail(row.line, "unexpected character in name");
  }
  return text;
}

// A number of the source as written (an optional minus, digits, an optional
// fraction), kept as text so the literal carries exactly the source's value.
struct SourceNumber {
  double value;
  std::string literal;
};

std::optional<SourceNumber> CheckedNumber(const TsvFile& file, const TsvRow& row, std::size_t column) {
  const std::string& text = row.fields[column];
  if (text.empty()) return std::nullopt;
  const std::size_t digitsStart = text[0] == '-' ? 1 : 0;
  const std::size_t point = text.find('.');
  const bool wellFormed = digitsStart < text.size() && text[digitsStart] != '.' && text.back() != '.' &&
                          text.find_first_not_of("0123456789.", digitsStart) == std::string::npos &&
                          (point == std::string::npos || text.find('.', point + 1) == std::string::npos);
  if (!wellFormed) file.Fail(row.line, "not a number: " + text);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return SourceNumber{value, point == std::string::npos ? text + ".0" : text};
}

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
  if (argc != 6) {
    std::cerr << "usage: generate_climate_tables regions.tsv region_map.tsv climate.tsv "
                 "wind.tsv out.cpp\n";
    return 2;
  }
  try {
    const Regions regions = ReadRegions(argv[1], argv[2]);
    const std::vector<Settlement> climate = ReadSettlements(ReadTsv(argv[3], 8), regions, std::nullopt);
    const std::vector<Settlement> wind = ReadSettlements(ReadTsv(argv[4], 4), regions, kWindSpeed2Column);
    CheckEveryRegionHasRows(climate, regions);
    CheckWindHasClimate(wind, climate);
    WriteFile(argv[5], Generate(regions, climate, wind));
  } catch (const std::exception& error) {
    std::cerr << "generate_climate_tables: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
