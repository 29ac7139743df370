// Where a document's workbook is written: "Ведомость." or "Спецификация."
// with the project number, in the program's folder.
#pragma once

#include <string>

#include "materials/material_row.h"

namespace ovalto {

// The file name without a folder. The number is trimmed; each character a
// file name can't hold (the nine of the desktop's file system, the slash,
// control characters) becomes "~", so the name never leaves the folder and,
// starting with the document's word, is never hidden.
std::string WorkbookFileName(DocumentKind kind, const std::string& projectNumber);

// programFolder ends with a separator.
std::string WorkbookPath(const std::string& programFolder, DocumentKind kind, const std::string& projectNumber);

}  // namespace ovalto
