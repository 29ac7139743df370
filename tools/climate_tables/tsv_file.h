// The data files of the climate tables: TAB-separated UTF-8 text with one
// header line, read whole and checked field by field, so that a fault in the
// data stops the build with its file and line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace climate_data {

struct TsvRow {
  int line;
  std::vector<std::string> fields;
};

struct TsvFile {
  std::string path;
  std::vector<std::string> header;
  std::vector<TsvRow> rows;  // without the header line

  [[noreturn]] void Fail(int line, const std::string& what) const;
};

TsvFile ReadTsv(const std::string& path, std::size_t columns);

// A name as it goes into a string literal; anything that would need escaping
// is refused rather than mangled.
std::string CheckedName(const TsvFile& file, const TsvRow& row, std::size_t column);

// A number of the source as written (an optional minus, digits, an optional
// fraction), kept as text so the literal carries exactly the source's value.
struct SourceNumber {
  double value;
  std::string literal;
};

// Empty when the field is empty.
std::optional<SourceNumber> CheckedNumber(const TsvFile& file, const TsvRow& row, std::size_t column);

}  // namespace climate_data
