#include "tsv_file.h"

#include <charconv>
#include <fstream>
#include <stdexcept>
#include <utility>

namespace climate_data {

namespace {

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

}  // namespace

void TsvFile::Fail(int line, const std::string& what) const {
  throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}

TsvFile ReadTsv(const std::string& path, std::size_t columns) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot open");
  TsvFile file{path, {}, {}};
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number > 1 && line.empty()) continue;
    std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() != columns) {
      file.Fail(number, "expected " + std::to_string(columns) + " fields, found " + std::to_string(fields.size()));
    }
    if (number == 1) {
      file.header = std::move(fields);
    } else {
      file.rows.push_back({number, std::move(fields)});
    }
  }
  return file;
}

std::string CheckedName(const TsvFile& file, const TsvRow& row, std::size_t column) {
  const std::string& text = row.fields[column];
  if (text.empty()) file.Fail(row.line, "empty name");
  for (unsigned char c : text) {
    if (c < 0x20 || c == '"' || c == '\\') file.Fail(row.line, "unexpected character in name");
  }
  return text;
}

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

}  // namespace climate_data
