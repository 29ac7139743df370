#include "workbook/workbook_model.h"

namespace ovalto {

void ModelSheet::SetFont(int row, int column, bool bold, double size) {
  ModelCell& cell = Cells[{row, column}];
  cell.Bold = bold;
  cell.Size = size;
}

const ModelCell& ModelSheet::At(int row, int column) const {
  static const ModelCell empty;
  const auto found = Cells.find({row, column});
  return found == Cells.end() ? empty : found->second;
}

std::string ModelSheet::TextAt(int row, int column) const {
  const auto* text = std::get_if<std::string>(&At(row, column).Value);
  return text ? *text : std::string();
}

std::optional<double> ModelSheet::NumberAt(int row, int column) const {
  const auto* number = std::get_if<double>(&At(row, column).Value);
  return number ? std::optional<double>(*number) : std::nullopt;
}

ModelSheet& WorkbookModel::Sheet(int number) {
  if (SheetCount() < number) Sheets.resize(static_cast<size_t>(number));
  return Sheets[static_cast<size_t>(number - 1)];
}

}  // namespace ovalto
