#include "text_case.h"
#include "workbook/sheet_documents.h"
#include "workbook/sheet_pager.h"

namespace ovalto {
namespace {

constexpr int kLastColumn = 19;
constexpr double kSystemFontSize = 12;
constexpr double kObjectFontSize = 10;

// Sheet 1 holds lines 7 to 35, the later sheets 7 to 41.
const PageRule kPages = {.StartRow = 5,
                         .FirstSheetEnd = 37,
                         .LaterSheetEnd = 43,
                         .RestartRow = 7,
                         .SheetLimit = kDocumentSheetLimit,
                         .ProjectNameCell = {44, 11},
                         .FirstSheet = {.Number = {38, 11},
                                        .ProjectName = {40, 11},
                                        .Developer = {43, 7},
                                        .DocumentName = {45, 11},
                                        .Company = {45, 15},
                                        .SheetCount = {44, 19}}};

// A detail's label shows on its first row only.
std::vector<MaterialRow> WithLabelsOnce(std::vector<MaterialRow> rows) {
  for (size_t i = rows.size(); i-- > 1;) {
    std::string& label = rows[i].GroupLabel;
    if (!label.empty() && label.front() == ' ' && label == rows[i - 1].GroupLabel) label.clear();
  }
  return rows;
}

// The indexes of the nodes one level below `parent`, in tree order.
std::vector<size_t> ChildrenOf(const std::vector<FlatTreeNode>& tree, size_t parent) {
  std::vector<size_t> children;
  for (size_t i = parent + 1; i < tree.size() && tree[i].Level > tree[parent].Level; ++i) {
    if (tree[i].Level == tree[parent].Level + 1) children.push_back(i);
  }
  return children;
}

std::string TextAfter(const std::string& text, const std::string& mark) {
  const size_t found = text.find(mark);
  return found == std::string::npos ? std::string() : text.substr(found + mark.size());
}

// The substance's temperature of a line such as "Температура вещества =
// -40,25 °C": the whole number before the degree sign (eight characters
// would cut "-40,25" to "-40,2").
std::string TemperatureOf(const std::string& line) {
  if (line.find('=') == std::string::npos) return "";
  std::string value = TextAfter(line, "=");
  value = value.substr(0, value.find("°"));
  return std::string(Trimmed(value));
}

// The purpose code between the double quotes of "Назначение и расположение :
// "ЭЭ О"".
std::string PurposeOf(const std::string& line) {
  if (line.find('"') == std::string::npos) return "";
  const std::string quoted(FirstChars(TextAfter(line, "\""), 8));
  return std::string(FirstChars(quoted, CharCount(quoted) == 0 ? 0 : CharCount(quoted) - 1));
}

class InstallationList {
 public:
  InstallationList(const std::vector<MaterialRow>& rows, const DocumentTitle& title)
      : rows_(WithLabelsOnce(rows)), pager_(result_.Model, kPages, title) {
    result_.Positions.Total = static_cast<int>(rows_.size());
  }

  FilledWorkbook Fill(const std::vector<FlatTreeNode>& tree) {
    std::vector<size_t> systems;
    for (size_t node = 0; node < tree.size(); ++node) {
      if (tree[node].Level != 1) continue;
      systems.push_back(node);
      result_.Objects.Total += static_cast<int>(ChildrenOf(tree, node).size());
    }
    result_.Systems.Total = static_cast<int>(systems.size());
    for (size_t system : systems) {
      if (!WriteSystem(tree, system)) break;
    }
    result_.SheetsUsed = pager_.SheetsUsed();
    pager_.WriteSheetCount();
    return std::move(result_);
  }

 private:
  bool WriteSystem(const std::vector<FlatTreeNode>& tree, size_t system) {
    if (!pager_.Advance()) return false;
    // Into the merge's first cell: a merged range shows only that one.
    const int row = pager_.Row();
    ModelSheet& sheet = pager_.Sheet();
    sheet.SetText(row, 1, tree[system].Text);
    sheet.SetFont(row, 1, true, kSystemFontSize);
    sheet.Merge({row, 1}, {row, kLastColumn});
    ++result_.Systems.Written;
    for (size_t object : ChildrenOf(tree, system)) {
      if (!WriteObject(tree, object)) return false;
    }
    return true;
  }

  bool WriteObject(const std::vector<FlatTreeNode>& tree, size_t object) {
    if (!pager_.Advance()) return false;
    const int row = pager_.Row();
    ModelSheet& sheet = pager_.Sheet();
    sheet.SetText(row, 2, tree[object].Text);
    sheet.SetFont(row, 2, true, kObjectFontSize);
    sheet.SetText(row, 5, "1");
    sheet.SetBold(row, 5);
    ++result_.Objects.Written;
    WriteObjectLines(tree, object, sheet, row);

    std::vector<const MaterialRow*> own;
    for (const MaterialRow& material : rows_) {
      if (material.NodeIndex != static_cast<int>(object)) continue;
      own.push_back(&material);
      if (material.SizeMm > 0) sheet.SetNumber(row, 3, material.SizeMm);
      if (material.LengthM > 0) sheet.SetNumber(row, 4, material.LengthM);
    }
    for (size_t i = 0; i < own.size(); ++i) {
      // A labelled row on the object's own line would write over its name.
      const bool ownLine = i == 0 && !StartsWithBlank(own[i]->GroupLabel);
      if (!ownLine && !pager_.Advance()) return false;
      WriteMaterial(*own[i], pager_.Sheet(), pager_.Row());
      ++result_.Positions.Written;
    }
    return true;
  }

  static void WriteObjectLines(const std::vector<FlatTreeNode>& tree, size_t object, ModelSheet& sheet, int row) {
    bool temperatureSeen = false;
    bool purposeSeen = false;
    for (size_t line : ChildrenOf(tree, object)) {
      const std::string upper = UpperCase(tree[line].Text);
      if (!temperatureSeen && upper.find("ТЕМПЕРАТУРА") != std::string::npos) {
        temperatureSeen = true;
        sheet.SetText(row, 6, TemperatureOf(tree[line].Text));
      }
      if (!purposeSeen && upper.find("РАСПОЛОЖЕНИЕ") != std::string::npos) {
        purposeSeen = true;
        sheet.SetText(row, 7, PurposeOf(tree[line].Text));
      }
    }
  }

  static bool StartsWithBlank(const std::string& label) { return !label.empty() && label.front() == ' '; }

  static void WriteMaterial(const MaterialRow& material, ModelSheet& sheet, int row) {
    if (StartsWithBlank(material.GroupLabel)) {
      const size_t equals = material.GroupLabel.find('=');
      if (equals == std::string::npos) {
        sheet.SetText(row, 2, material.GroupLabel);
      } else {
        sheet.SetText(row, 2, material.GroupLabel.substr(0, equals));
        sheet.SetText(row, 5, std::string(FirstChars(material.GroupLabel.substr(equals + 1), 8)));
      }
    }
    sheet.SetText(row, 8, material.Name);
    if (material.ThicknessMm > 0) sheet.SetNumber(row, 11, material.ThicknessMm);
    if (material.CoverThicknessMm > 0) sheet.SetNumber(row, 12, material.CoverThicknessMm);
    sheet.SetText(row, 13, material.Unit);
    sheet.SetNumber(row, 14, RoundQuantity(material.Quantity));
    sheet.SetText(row, 15, material.DrawingCode);
  }

  std::vector<MaterialRow> rows_;
  FilledWorkbook result_;
  SheetPager pager_;
};

}  // namespace

FilledWorkbook FillInstallationList(const std::vector<MaterialRow>& rows, const std::vector<FlatTreeNode>& tree,
                                    const DocumentTitle& title) {
  return InstallationList(rows, title).Fill(tree);
}

}  // namespace ovalto
