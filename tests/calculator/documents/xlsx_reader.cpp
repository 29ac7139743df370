#include "xlsx_reader.h"

#include <filesystem>
#include <fstream>
#include <random>
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

// The elements named `tag` in order, each as its attributes and its body
// (std::regex recurses per character and overflows the stack on long cells).
struct Element {
  std::string Attributes;
  std::string Body;
};

std::vector<Element> ElementsOf(const std::string& xml, const std::string& tag) {
  std::vector<Element> elements;
  const std::string open = "<" + tag;
  const std::string close = "</" + tag + ">";
  for (size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1)) {
    const char next = xml[at + open.size()];
    if (next != ' ' && next != '>' && next != '/') continue;  // a longer tag name
    const size_t endOfTag = xml.find('>', at);
    Element element{xml.substr(at + open.size(), endOfTag - at - open.size()), ""};
    if (xml[endOfTag - 1] != '/') {
      const size_t end = xml.find(close, endOfTag);
      element.Body = xml.substr(endOfTag + 1, end - endOfTag - 1);
    }
    elements.push_back(std::move(element));
  }
  return elements;
}

std::string AttributeOf(const std::string& attributes, const std::string& name) {
  const std::string key = " " + name + "=\"";
  const size_t at = attributes.find(key);
  if (at == std::string::npos) return "";
  const size_t start = at + key.size();
  return attributes.substr(start, attributes.find('"', start) - start);
}

std::vector<std::string> SharedStrings(const std::string& xml) {
  std::vector<std::string> strings;
  for (const Element& item : ElementsOf(xml, "si")) {
    std::string text;
    for (const Element& run : ElementsOf(item.Body, "t")) text += Unescaped(run.Body);
    strings.push_back(text);
  }
  return strings;
}

XlsxSheet ReadSheet(const std::string& xml, const std::vector<std::string>& strings) {
  XlsxSheet sheet;
  sheet.Xml = xml;
  for (const Element& cell : ElementsOf(xml, "c")) {
    const std::vector<Element> values = ElementsOf(cell.Body, "v");
    if (values.empty()) continue;
    const std::string& raw = values.front().Body;
    const std::string address = AttributeOf(cell.Attributes, "r");
    const std::string type = AttributeOf(cell.Attributes, "t");
    sheet.Cells[address] = type == "s" ? strings.at(std::stoul(raw)) : Unescaped(raw);
    if (type.empty() || type == "n") sheet.Numbers[address] = raw;
  }
  for (const Element& merge : ElementsOf(xml, "mergeCell"))
    sheet.Merges.push_back(AttributeOf(merge.Attributes, "ref"));
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
    int number = 1;
    for (const Element& element : ElementsOf(workbook, "sheet")) {
      XlsxSheet sheet =
          ReadSheet(FileText(folder / "xl" / "worksheets" / ("sheet" + std::to_string(number++) + ".xml")), strings);
      sheet.Name = Unescaped(AttributeOf(element.Attributes, "name"));
      sheets.push_back(std::move(sheet));
    }
  } catch (...) {
    sheets.clear();
  }
  fs::remove_all(folder);
  return sheets;
}

}  // namespace ovalto::testing
