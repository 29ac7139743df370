#include "workbook/workbook_file_name.h"

#include <string_view>

#include "text_case.h"

namespace ovalto {
namespace {

bool Unfit(char c) {
  constexpr std::string_view kUnfit = "\"*/:<>?\\|";
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F || kUnfit.find(c) != std::string_view::npos;
}

}  // namespace

std::string WorkbookFileName(DocumentKind kind, const std::string& projectNumber) {
  std::string number(Trimmed(projectNumber));
  // Every unfit character is ASCII, so a byte-wise pass keeps UTF-8 intact.
  for (char& c : number) {
    if (Unfit(c)) c = '~';
  }
  const char* word = kind == DocumentKind::InstallationList ? "Ведомость." : "Спецификация.";
  return word + number + ".xlsx";
}

std::string WorkbookPath(const std::string& programFolder, DocumentKind kind, const std::string& projectNumber) {
  return programFolder + WorkbookFileName(kind, projectNumber);
}

}  // namespace ovalto
