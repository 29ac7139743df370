#include "tables/climate_tables.h"

#include <algorithm>

namespace ovalto {

namespace {

template <typename Record>
const Record* FindSettlement(std::span<const Record> table, std::string_view region, std::string_view settlement) {
  for (const Record& row : table) {
    if (row.Region == region && row.Settlement == settlement) return &row;
  }
  return nullptr;
}

// Lower case of the Latin and Cyrillic letters of a UTF-8 text, which is
// all the region names hold.
std::string FoldedCase(std::string_view text) {
  std::string folded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (c == 0xD0 && next >= 0x90 && next <= 0x9F) {  // А..П
      folded += {'\xD0', static_cast<char>(next + 0x20)};
    } else if (c == 0xD0 && next >= 0xA0 && next <= 0xAF) {  // Р..Я
      folded += {'\xD1', static_cast<char>(next - 0x20)};
    } else if (c == 0xD0 && next == 0x81) {  // Ё
      folded += "\xD1\x91";
    } else if (c >= 0x80 && next) {
      folded += {static_cast<char>(c), static_cast<char>(next)};
    } else {
      folded += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
      continue;
    }
    ++i;
  }
  return folded;
}

}  // namespace

const std::vector<std::string>& RegionListItems() {
  static const std::vector<std::string> kItems = [] {
    std::vector<std::string> items{std::string()};
    std::vector<std::string> seen;
    for (const ClimateRecord& row : ClimateTable()) {
      std::string folded = FoldedCase(row.Region);
      if (std::find(seen.begin(), seen.end(), folded) != seen.end()) continue;
      seen.push_back(std::move(folded));
      items.emplace_back(row.Region);
    }
    return items;
  }();
  return kItems;
}

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
