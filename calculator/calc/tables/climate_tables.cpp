#include "tables/climate_tables.h"

namespace ovalto {

namespace {

template <typename Record>
const Record* FindSettlement(std::span<const Record> table, std::string_view region, std::string_view settlement) {
  for (const Record& row : table) {
    if (row.Region == region && row.Settlement == settlement) return &row;
  }
  return nullptr;
}

}  // namespace

std::vector<const ClimateRecord*> ClimateRowsOfRegion(std::string_view region) {
  std::vector<const ClimateRecord*> rows;
  for (const ClimateRecord& row : ClimateTable()) {
    if (row.Region == region) rows.push_back(&row);
  }
  return rows;
}

const ClimateRecord* FindClimateRow(std::string_view region, std::string_view settlement) {
  return FindSettlement(ClimateTable(), region, settlement);
}

const WindRecord* FindWindRow(std::string_view region, std::string_view settlement) {
  return FindSettlement(WindTable(), region, settlement);
}

}  // namespace ovalto
