#include "xlsx_reader.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

#include "tunzip.h"

namespace ovalto::testing {
namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Unescaped(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, plain] : entities) {
    for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
      text.replace(at, std::string(entity).size(), plain);
  }
  return text;
}

std::vector<std::string> SharedStrings(const std::string& xml) {
  std::vector<std::string> strings;
  const std::regex item("<si>([\\s\\S]*?)</si>");
  const std::regex run("<t[^>]*>([^<]*)</t>");
  for (auto it = std::sregex_iterator(xml.begin(), xml.end(), item); it != std::sregex_iterator(); ++it) {
    const std::string body = (*it)[1];
    std::string text;
    for (auto r = std::sregex_iterator(body.begin(), body.end(), run); r != std::sregex_iterator(); ++r)
      text += Unescaped((*r)[1]);
    strings.push_back(text);
  }
  return strings;
}

XlsxSheet ReadSheet(const std::string& xml, const std::vector<std::string>& strings) {
  XlsxSheet sheet;
  const std::regex cell("<c r=\"([A-Z]+[0-9]+)\"([^>]*?)(/>|>([\\s\\S]*?)</c>)");
  const std::regex value("<v>([^<]*)</v>");
  for (auto it = std::sregex_iterator(xml.begin(), xml.end(), cell); it != std::sregex_iterator(); ++it) {
    const std::string attributes = (*it)[2];
    const std::string body = (*it)[4];
    std::smatch found;
    if (!std::regex_search(body, found, value)) continue;
    const std::string raw = found[1];
    sheet.Cells[(*it)[1]] =
        attributes.find("t=\"s\"") != std::string::npos ? strings.at(std::stoul(raw)) : Unescaped(raw);
  }
  const std::regex merge("<mergeCell ref=\"([A-Z0-9:]+)\"/>");
  for (auto it = std::sregex_iterator(xml.begin(), xml.end(), merge); it != std::sregex_iterator(); ++it)
    sheet.Merges.push_back((*it)[1]);
  return sheet;
}

}  // namespace

std::vector<XlsxSheet> ReadXlsx(const std::string& path) {
  const fs::path folder = fs::temp_directory_path() / ("xlsx_read_" + std::to_string(std::random_device()()));
  fs::create_directories(folder);
  std::vector<XlsxSheet> sheets;
  try {
    unzip::TUnZIP zip;
    zip.SetArchiveFile(path);
    zip.SetFileSpec({"*.*"});
    zip.SetExtractDir(folder.string());
    zip.ExtractFiles();
    const std::vector<std::string> strings = SharedStrings(FileText(folder / "xl" / "sharedStrings.xml"));
    const std::string workbook = FileText(folder / "xl" / "workbook.xml");
    const std::regex sheetName("<sheet name=\"([^\"]*)\"");
    int number = 1;
    for (auto it = std::sregex_iterator(workbook.begin(), workbook.end(), sheetName); it != std::sregex_iterator();
         ++it, ++number) {
      XlsxSheet sheet =
          ReadSheet(FileText(folder / "xl" / "worksheets" / ("sheet" + std::to_string(number) + ".xml")), strings);
      sheet.Name = Unescaped((*it)[1]);
      sheets.push_back(std::move(sheet));
    }
  } catch (...) {
    sheets.clear();
  }
  fs::remove_all(folder);
  return sheets;
}

}  // namespace ovalto::testing
