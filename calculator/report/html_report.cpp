#include "report/html_report.h"

#include <filesystem>

#include "report/report_files.h"
#include "report/report_page.h"

namespace ovalto {

namespace {

// libjpeg's own default quality, which the chart picture has always had.
constexpr int kChartJpegQuality = 75;

bool Write(CalcSession& session, const std::string& path, std::string_view bytes) {
  const int error = ReplaceFile(path, bytes);
  if (error != 0) session.Messages.ShowRaisedError(WriteFailureText(path, error));
  return error == 0;
}

std::string_view BytesOf(const std::vector<std::uint8_t>& data) {
  return {reinterpret_cast<const char*>(data.data()), data.size()};
}

}  // namespace

std::optional<std::string> WriteHtmlReport(CalcSession& session, const ReportRequest& request,
                                           const AskUserData& askUserData, Shell& shell) {
  const std::string& folder = request.ProgramFolder;
  if (!Write(session, folder + kLogoFileName, BytesOf(request.LogoJpeg))) return std::nullopt;

  std::optional<PictureSize> chartSize;
  if (request.Chart) {
    // No picture of an earlier report may stand for this one; the bitmap is
    // the name older versions went through.
    std::error_code ignored;
    std::filesystem::remove(folder + kChartFileName, ignored);
    std::filesystem::remove(folder + "diagram4.bmp", ignored);
    if (!Write(session, folder + kChartFileName, BytesOf(EncodeJpeg(*request.Chart, kChartJpegQuality)))) {
      return std::nullopt;
    }
    chartSize = PictureSize{request.Chart->Width, request.Chart->Height};
  }

  const std::optional<UserDataValues> user = askUserData();
  if (!user) return std::nullopt;

  const std::string path = folder + (request.ForSpreadsheet ? kSpreadsheetPageName : kPrintPageName);
  const std::vector<std::string> page = BuildReportPage(session, *user, chartSize, request.ForSpreadsheet);
  if (!Write(session, path, EncodePage(page))) return std::nullopt;
  shell.Open(path);
  return path;
}

}  // namespace ovalto
