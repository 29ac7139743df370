#include "climate_supplements.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <stdexcept>

namespace climate_data {

namespace {

// Names of settlements are Cyrillic and Latin letters, digits and hyphens; a
// name stands as a word where none of these touches it. In UTF-8 a Cyrillic
// letter is the lead byte D0 or D1 and one continuation byte.
bool IsCyrillicLead(unsigned char c) { return c == 0xD0 || c == 0xD1; }
bool IsAsciiNameChar(unsigned char c) { return c < 0x80 && (std::isalnum(c) || c == '-'); }

bool NameCharBefore(const std::string& text, std::size_t at) {
  if (at == 0) return false;
  const auto last = static_cast<unsigned char>(text[at - 1]);
  return IsAsciiNameChar(last) || (at >= 2 && IsCyrillicLead(static_cast<unsigned char>(text[at - 2])));
}

bool NameCharAt(const std::string& text, std::size_t at) {
  if (at >= text.size()) return false;
  const auto next = static_cast<unsigned char>(text[at]);
  return IsAsciiNameChar(next) || IsCyrillicLead(next);
}

bool StandsAsWord(const std::string& text, const std::string& name) {
  for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
    if (!NameCharBefore(text, at) && !NameCharAt(text, at + name.size())) return true;
  }
  return false;
}

bool IsHeading(const std::string& line) { return line.starts_with("#"); }
bool StartsListItem(const std::string& line) { return line.starts_with("- "); }

// The text of the record that casts doubt: the section under the heading and
// every list item that says "doubtful" of itself.
std::string DoubtfulText(const std::string& recordPath) {
  std::ifstream in(recordPath, std::ios::binary);
  if (!in) throw std::runtime_error(recordPath + ": cannot open");
  std::string doubtful, item, line;
  bool inDoubtfulSection = false, sectionFound = false;
  const auto endItem = [&] {
    if (!inDoubtfulSection && item.find("(doubtful") != std::string::npos) doubtful += item;
    item.clear();
  };
  while (std::getline(in, line)) {
    if (IsHeading(line)) {
      endItem();
      inDoubtfulSection = line.find("Doubtful rows") != std::string::npos;
      sectionFound = sectionFound || inDoubtfulSection;
      continue;
    }
    if (inDoubtfulSection) {
      doubtful += line + '\n';
    } else if (line.empty() || StartsListItem(line)) {
      endItem();
      if (!line.empty()) item = line + '\n';
    } else if (!item.empty()) {
      item += line + '\n';
    }
  }
  endItem();
  if (!sectionFound) throw std::runtime_error(recordPath + ": no section \"Doubtful rows\"");
  return doubtful;
}

std::size_t Column(const TsvFile& file, const std::string& name) {
  const auto it = std::find(file.header.begin(), file.header.end(), name);
  return static_cast<std::size_t>(it - file.header.begin());
}

constexpr std::size_t kRegionColumn = 0;
constexpr std::size_t kSettlementColumn = 1;
constexpr std::size_t kFirstValueColumn = 2;

}  // namespace

std::set<std::string> DoubtfulSettlements(const std::string& recordPath, const TsvFile& supplement) {
  const std::string text = DoubtfulText(recordPath);
  std::set<std::string> doubtful;
  for (const TsvRow& row : supplement.rows) {
    const std::string name = CheckedName(supplement, row, kSettlementColumn);
    if (StandsAsWord(text, name)) doubtful.insert(name);
  }
  if (doubtful.empty()) throw std::runtime_error(recordPath + ": no settlement of the doubtful rows found");
  return doubtful;
}

void FillGaps(TsvFile& climate, const TsvFile& supplement, const std::set<std::string>& leftOut) {
  for (const TsvRow& row : supplement.rows) {
    const std::string region = CheckedName(supplement, row, kRegionColumn);
    const std::string name = CheckedName(supplement, row, kSettlementColumn);
    const auto target = std::find_if(climate.rows.begin(), climate.rows.end(), [&](const TsvRow& candidate) {
      return candidate.fields[kRegionColumn] == region && candidate.fields[kSettlementColumn] == name;
    });
    if (target == climate.rows.end()) supplement.Fail(row.line, "settlement not in the climate file: " + name);
    if (leftOut.contains(name)) continue;
    for (std::size_t column = kFirstValueColumn; column < supplement.header.size(); ++column) {
      const std::size_t climateColumn = Column(climate, supplement.header[column]);
      if (climateColumn < kFirstValueColumn || climateColumn >= climate.header.size()) continue;
      CheckedNumber(supplement, row, column);
      std::string& field = target->fields[climateColumn];
      if (field.empty()) field = row.fields[column];
    }
  }
}

}  // namespace climate_data
