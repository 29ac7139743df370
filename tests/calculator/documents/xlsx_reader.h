// Reads a written workbook back for the tests: unpacks the .xlsx with the
// installer's zip component and picks the sheet names, the cells' values and
// the merged ranges out of its XML.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace ovalto::testing {

struct XlsxSheet {
  std::string Name;
  std::map<std::string, std::string> Cells;    // "B7" → the text, or the number as written ("57", "0.01")
  std::vector<std::string> Merges;             // "A7:S7"
  std::map<std::string, std::string> Numbers;  // the cells that hold a number, as written
  std::string Xml;                             // the whole sheet as written
};

// Empty when the file does not unpack.
std::vector<XlsxSheet> ReadXlsx(const std::string& path);

}  // namespace ovalto::testing
