// The report of "Печать" and "MS Excel" from start to end: the pictures, the
// user's data, the page and the hand-over to the desktop. The window supplies
// the pictures and the dialog; tests and benchmarks supply their own.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "jpeg.h"
#include "report/user_data_rows.h"
#include "shell.h"
#include "state/calc_session.h"

namespace ovalto {

inline constexpr const char* kPrintPageName = "report4.htm";
inline constexpr const char* kSpreadsheetPageName = "report4.xls";

struct ReportRequest {
  std::string ProgramFolder;  // with its trailing separator
  bool ForSpreadsheet = false;
  std::vector<std::uint8_t> LogoJpeg;  // the logo picture as the program keeps it
  std::optional<RgbImage> Chart;       // the chart as drawn, when it is shown
};

// Asks the user for the six texts; nothing when the user cancelled.
using AskUserData = std::function<std::optional<UserDataValues>()>;

// Writes "ovalto4.jpg", then "diagram4.jpg" when there is a chart, asks for
// the user's data and writes "report4.htm" or "report4.xls" into the program
// folder, then asks the shell to open the page. Cancelling writes no page.
// A file that cannot be written stops the report with an error box naming
// it. Returns the page's path when it was written and opened.
std::optional<std::string> WriteHtmlReport(CalcSession& session, const ReportRequest& request,
                                           const AskUserData& askUserData, Shell& shell);

}  // namespace ovalto
