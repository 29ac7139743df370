#include "xlsx_output.h"

#include <xlsxwriter.h>

#include <locale.h>

#include <cerrno>

#include "xlsx_parts_check.h"

namespace ovalto {
namespace {

// libxlsxwriter counts from 0.
lxw_row_t RowOf(int row) { return static_cast<lxw_row_t>(row - 1); }
lxw_col_t ColumnOf(int column) { return static_cast<lxw_col_t>(column - 1); }

uint8_t BorderOf(std::uint8_t weight) {
  switch (weight) {
    case 0:
      return LXW_BORDER_NONE;
    case 1:
      return LXW_BORDER_THIN;
    default:
      return LXW_BORDER_MEDIUM;
  }
}

constexpr uint8_t kPaperA4 = 9;
constexpr size_t kCellCharacters = 32767;

// A cell holds at most 32767 characters; a longer text (a pasted
// project name) is cut there rather than failing the whole file.
std::string FitForCell(const std::string& text) {
  size_t characters = 0;
  for (size_t at = 0; at < text.size(); ++at) {
    const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
    if (starts && ++characters > kCellCharacters) return text.substr(0, at);
  }
  return text;
}

// The library keeps the cells and writes the file's XML when the workbook is
// closed, printing every number, width, height and margin with the C library
// under the calling thread's locale. Qt sets the process's locale from the
// environment at start, and on a Russian desktop that writes "2,1", which a
// spreadsheet program reads as 2 or not at all. So the library writes under
// the C number format on this thread, whatever locale the process has.
class CNumbersOnThisThread {
 public:
  CNumbersOnThisThread() {
    const locale_t current = duplocale(uselocale(nullptr));
    numbers_ = newlocale(LC_NUMERIC_MASK, "C", current);
    if (!numbers_) {
      if (current) freelocale(current);
      return;
    }
    previous_ = uselocale(numbers_);
  }
  ~CNumbersOnThisThread() {
    if (!numbers_) return;
    uselocale(previous_);
    freelocale(numbers_);
  }
  CNumbersOnThisThread(const CNumbersOnThisThread&) = delete;
  CNumbersOnThisThread& operator=(const CNumbersOnThisThread&) = delete;

  bool Active() const { return numbers_ != nullptr; }

 private:
  locale_t numbers_ = nullptr;
  locale_t previous_ = nullptr;
};

}  // namespace

XlsxOutput::~XlsxOutput() {
  // A workbook never closed is dropped without writing anything.
  if (workbook_) lxw_workbook_free(workbook_);
}

void XlsxOutput::Forget() {
  workbook_ = nullptr;
  sheet_ = nullptr;
  formats_.clear();
}

std::optional<std::string> XlsxOutput::Open(const std::string& path) {
  if (workbook_) lxw_workbook_free(workbook_);
  Forget();
  if (std::optional<std::string> failure = file_.Start(path)) return failure;
  // The library opens the file by its name when the workbook is closed.
  workbook_ = workbook_new(file_.TemporaryPath().c_str());
  failed_ = false;
  if (workbook_) return std::nullopt;
  file_.Discard();
  return "недостаточно памяти";
}

void XlsxOutput::AddSheet(const std::string& name, int lastRow, int lastColumn) {
  sheet_ = workbook_add_worksheet(workbook_, name.c_str());
  if (!sheet_) {
    failed_ = true;
    return;
  }
  worksheet_set_landscape(sheet_);
  worksheet_set_paper(sheet_, kPaperA4);
  worksheet_set_margins(sheet_, 0.4, 0.2, 0.2, 0.2);
  worksheet_print_area(sheet_, 0, 0, RowOf(lastRow), ColumnOf(lastColumn));
  worksheet_fit_to_pages(sheet_, 1, 1);
  worksheet_gridlines(sheet_, LXW_HIDE_ALL_GRIDLINES);
}

void XlsxOutput::SetColumnWidth(int column, double characters) {
  if (sheet_ && worksheet_set_column(sheet_, ColumnOf(column), ColumnOf(column), characters, nullptr) != LXW_NO_ERROR)
    failed_ = true;
}

void XlsxOutput::SetRowHeight(int row, double points) {
  if (sheet_ && worksheet_set_row(sheet_, RowOf(row), points, nullptr) != LXW_NO_ERROR) failed_ = true;
}

void XlsxOutput::Merge(int firstRow, int firstColumn, int lastRow, int lastColumn) {
  if (sheet_ && worksheet_merge_range(sheet_, RowOf(firstRow), ColumnOf(firstColumn), RowOf(lastRow),
                                      ColumnOf(lastColumn), "", nullptr) != LXW_NO_ERROR)
    failed_ = true;
}

void XlsxOutput::WriteBlank(int row, int column, const CellStyle& style) {
  if (sheet_ && worksheet_write_blank(sheet_, RowOf(row), ColumnOf(column), FormatOf(style)) != LXW_NO_ERROR)
    failed_ = true;
}

void XlsxOutput::WriteText(int row, int column, const std::string& text, const CellStyle& style) {
  if (sheet_ && worksheet_write_string(sheet_, RowOf(row), ColumnOf(column), FitForCell(text).c_str(),
                                       FormatOf(style)) != LXW_NO_ERROR)
    failed_ = true;
}

void XlsxOutput::WriteNumber(int row, int column, double value, const CellStyle& style) {
  if (sheet_ && worksheet_write_number(sheet_, RowOf(row), ColumnOf(column), value, FormatOf(style)) != LXW_NO_ERROR)
    failed_ = true;
}

std::optional<std::string> XlsxOutput::Close() {
  if (!workbook_) return "книга не начата";
  const CNumbersOnThisThread numbers;
  lxw_error closed = LXW_ERROR_MEMORY_MALLOC_FAILED;
  errno = 0;
  if (numbers.Active()) {
    closed = workbook_close(workbook_);  // frees the workbook whatever happens
  } else {
    lxw_workbook_free(workbook_);  // a file with the locale's numbers would be damaged: none at all
  }
  const int error = errno;
  Forget();
  std::optional<std::string> failure;
  if (!numbers.Active()) {
    failure = "не удалось выбрать формат чисел";
  } else if (closed != LXW_NO_ERROR) {
    // The library tells no reason of its own; the system's is in errno.
    errno = error != 0 ? error : EIO;
    failure = file_.Failure("запись");
  } else if (failed_) {
    failure = "книга составлена с ошибками";
  } else if (!WorkbookPartsComplete(ReadWholeFile(file_.TemporaryPath()).value_or(""))) {
    failure = "временные файлы книги записаны не полностью: нет места на диске";
  }
  if (!failure) return file_.Finish();
  file_.Discard();
  return failure;
}

lxw_format* XlsxOutput::FormatOf(const CellStyle& style) {
  if (const auto found = formats_.find(style); found != formats_.end()) return found->second;
  lxw_format* format = workbook_add_format(workbook_);
  format_set_font_name(format, style.FontName.c_str());
  format_set_font_size(format, style.FontSize);
  if (style.Bold) format_set_bold(format);
  format_set_align(format, style.Align == CellAlign::Left     ? LXW_ALIGN_LEFT
                           : style.Align == CellAlign::Center ? LXW_ALIGN_CENTER
                                                              : LXW_ALIGN_RIGHT);
  format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
  if (style.Wrap) format_set_text_wrap(format);
  format_set_left(format, BorderOf(style.Borders.Left));
  format_set_top(format, BorderOf(style.Borders.Top));
  format_set_right(format, BorderOf(style.Borders.Right));
  format_set_bottom(format, BorderOf(style.Borders.Bottom));
  formats_.emplace(style, format);
  return format;
}

}  // namespace ovalto
