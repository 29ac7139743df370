// The HTML page of the report, line by line: the user's data, the kind and
// every shown variable with its value, beside the chart's picture when the
// chart is shown. Texts are UTF-8 here; writing the page encodes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/user_data_rows.h"
#include "state/calc_session.h"

namespace ovalto {

inline constexpr const char* kLogoFileName = "ovalto4.jpg";
inline constexpr const char* kChartFileName = "diagram4.jpg";

struct PictureSize {
  int Width = 0;
  int Height = 0;
};

// The whole page for the shown variables of the session's grid. `chart` is
// the size of the chart picture in pixels, or nothing when the chart is not
// shown. The spreadsheet target pads the rows beside the picture, so that
// they cover it.
std::vector<std::string> BuildReportPage(const CalcSession& session, const UserDataValues& user,
                                         std::optional<PictureSize> chart, bool forSpreadsheet);

// Text made safe inside an element or a quoted attribute: markup characters
// become entities, line breaks and tabs blanks, so that a typed text can
// neither add markup nor break the page's lines.
std::string EscapeHtml(std::string_view text);

// A number of the table as the page prints it: rounded to three decimals,
// halves to even, in the program's number format ("0,123", "2").
std::string ReportNumber(double value);

}  // namespace ovalto
