#pragma once

#include <map>
#include <memory>

#include "files.h"
#include "spreadsheet_output.h"

typedef struct lxw_workbook lxw_workbook;
typedef struct lxw_worksheet lxw_worksheet;
typedef struct lxw_format lxw_format;

namespace ovalto {

// Writes an Office Open XML workbook (.xlsx) through libxlsxwriter, into a
// temporary file beside the document that takes the document's place only
// when it is complete: an earlier document is never left half overwritten.
class XlsxOutput : public SpreadsheetOutput {
 public:
  XlsxOutput() = default;
  ~XlsxOutput() override;
  XlsxOutput(const XlsxOutput&) = delete;
  XlsxOutput& operator=(const XlsxOutput&) = delete;

  std::optional<std::string> Open(const std::string& path) override;
  void AddSheet(const std::string& name, int lastRow, int lastColumn) override;
  void SetColumnWidth(int column, double characters) override;
  void SetRowHeight(int row, double points) override;
  void Merge(int firstRow, int firstColumn, int lastRow, int lastColumn) override;
  void WriteBlank(int row, int column, const CellStyle& style) override;
  void WriteText(int row, int column, const std::string& text, const CellStyle& style) override;
  void WriteNumber(int row, int column, double value, const CellStyle& style) override;
  std::optional<std::string> Close() override;

 private:
  lxw_format* FormatOf(const CellStyle& style);
  // Lets go of the workbook the library has freed.
  void Forget();

  FileReplacement file_;
  lxw_workbook* workbook_ = nullptr;
  lxw_worksheet* sheet_ = nullptr;
  std::map<CellStyle, lxw_format*> formats_;  // owned by the workbook
  bool failed_ = false;                       // a call the library refused
};

}  // namespace ovalto
