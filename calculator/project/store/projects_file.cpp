#include "store/projects_file.h"

#include <cstdio>

#include "cp1251.h"
#include "files.h"
#include "tree/field_text.h"
#include "tree/tree_text.h"

namespace ovalto {

namespace {

constexpr int kCutFields = 5;  // Number, DateText, ProjectName, Developer, Note

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    size_t next = end;
    while (next < bytes.size() && bytes[next] == '\r') ++next;
    if (next < bytes.size() && bytes[next] == '\n') ++next;
    start = next;
  }
  return lines;
}

// Bytes no saved project holds: control characters other than TAB, and the
// one byte the code page leaves unassigned.
bool HasBadBytes(const std::string& line) {
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 32 && byte != '\t') || byte == 0x98) return true;
  }
  return false;
}

// Control characters become blanks; TABs too unless the field may hold them.
std::string BlankControls(std::string text, bool keepTabs) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 32 && !(keepTabs && c == '\t')) c = ' ';
  }
  return text;
}

ProjectRecord ParseLine(std::string rest, std::string& problem) {
  ProjectRecord record;
  std::string* const cut[kCutFields] = {&record.Number, &record.DateText, &record.ProjectName, &record.Developer,
                                        &record.Note};
  for (std::string* field : cut) {
    const size_t tab = rest.find('\t');
    if (tab == std::string::npos) {
      problem = "не хватает полей";
      break;
    }
    *field = Cp1251ToUtf8(rest.substr(0, tab));
    rest.erase(0, tab + 1);
  }
  // A cut loses what the file held, so it is reported like any other loss.
  const struct {
    std::string* Field;
    size_t Length;
    const char* Name;
  } bounded[] = {{&record.Number, kNumberLength, "номер"},
                 {&record.DateText, kDateTextLength, "дата"},
                 {&record.Developer, kDeveloperLength, "разработчик"}};
  for (const auto& [field, length, name] : bounded) {
    std::string cut = CutToLength(*field, length);
    if (cut.size() != field->size() && problem.empty()) {
      problem = std::string(name) + " длиннее " + std::to_string(length) + " знаков";
    }
    *field = std::move(cut);
  }
  record.TreeText = Cp1251ToUtf8(rest);
  return record;
}

}  // namespace

ProjectsFileContents ParseProjectsFile(const std::string& bytes) {
  ProjectsFileContents contents;
  const std::vector<std::string> lines = SplitLines(bytes);
  // Every save ends each line, the last one too: a last line without its end
  // is what a write cut short leaves, its record shortened whatever it reads
  // like. A last line end without its LF lost nothing of the record.
  const bool lastLineCut = !bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n';
  int lineNumber = 0;
  for (const std::string& line : lines) {
    ++lineNumber;
    if (line.empty()) continue;
    std::string problem;
    if (HasBadBytes(line)) problem = "недопустимые символы";
    ProjectRecord record = ParseLine(BlankControls(line, true), problem);
    if (problem.empty()) {
      const ParsedTree tree = ParseTreeText(record.TreeText);
      if (!tree.Complete()) problem = tree.Error;
    }
    std::string where = "строка " + std::to_string(lineNumber);
    if (lastLineCut && lineNumber == static_cast<int>(lines.size())) {
      // The cut explains whatever else the line lacks.
      problem = "запись оборвана (нет конца строки)";
      if (!record.Number.empty()) where += ", проект \"" + record.Number + "\"";
    }
    if (!problem.empty()) contents.Problems.push_back(where + ": " + problem);
    contents.Table.push_back(std::move(record));
  }
  return contents;
}

std::string SerializeProjectsFile(const ProjectTable& table) {
  std::string bytes;
  for (const ProjectRecord& record : table) {
    std::string line;
    // Only TABs and line ends cut a line: a pilcrow in any field stays, so
    // a record the file gave is written back as it was.
    for (const std::string* field :
         {&record.Number, &record.DateText, &record.ProjectName, &record.Developer, &record.Note}) {
      line += BlankControls(*field, false);
      line += '\t';
    }
    line += BlankControls(record.TreeText, true);
    bytes += Utf8ToCp1251(line);
    bytes += "\r\n";
  }
  return bytes;
}

void WriteTreeScratchFile(const std::string& folder, const std::string& treeText) {
  const std::string path = folder + kTreeScratchFileName;
  std::remove(path.c_str());
  std::string lines;
  for (const std::string& piece : SplitAtPilcrows(treeText)) lines += Utf8ToCp1251(piece) + "\r\n";
  ReplaceFileAtomically(path, lines);
}

}  // namespace ovalto
