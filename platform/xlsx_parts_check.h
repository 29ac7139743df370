// libxlsxwriter lays each part of a workbook out in a temporary file of its
// own before it packs the parts, and when a write of that file fails (the
// disk full) it packs what it got and reports success: a workbook that no
// spreadsheet program opens. So a written workbook is looked through before
// it takes a document's place.
#pragma once

#include <string>

namespace ovalto {

// Whether the zip file `bytes` unpacks and each of its XML parts ends with
// the closing tag of its root element.
bool WorkbookPartsComplete(const std::string& bytes);

}  // namespace ovalto
