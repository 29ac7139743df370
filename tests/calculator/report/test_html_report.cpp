#include "report/html_report.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cp1251.h"
#include "recording_shell.h"
#include "report/report_page.h"
#include "report_session.h"

namespace ovalto {
namespace {

namespace fs = std::filesystem;

const UserDataValues kUser = {"ООО Тепло", "Иванов И.И.", "инженер", "123-45-67", "Котельная", "Теплотрасса"};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class HtmlReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("report_test_" + std::to_string(::getpid()) + "_" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    request.ProgramFolder = folder.string() + "/";
    request.LogoJpeg = {0xFF, 0xD8, 'l', 'o', 'g', 'o', 0xFF, 0xD9};
  }
  void TearDown() override {
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder);
  }

  std::optional<std::string> Write(std::optional<UserDataValues> answer = kUser) {
    return WriteHtmlReport(
        report.Session, request,
        [&] {
          ++asked;
          return answer;
        },
        shell);
  }

  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  static RgbImage Chart(int width, int height) {
    RgbImage image;
    image.Width = width;
    image.Height = height;
    image.Pixels.assign(static_cast<std::size_t>(width * height * 3), 200);
    return image;
  }

  fs::path folder;
  testing::ReportSession report;
  testing::RecordingShell shell;
  ReportRequest request;
  int asked = 0;
};

TEST_F(HtmlReportTest, ThePrintPageIsCodePage1251WithWindowsLineEndsAndIsOpened) {
  const auto path = Write();
  ASSERT_TRUE(path);
  EXPECT_EQ(*path, (folder / "report4.htm").string());
  EXPECT_EQ(shell.Opened, std::vector<std::string>{*path});
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"ovalto4.jpg", "report4.htm"})) << "no chart picture, no leftovers";
  EXPECT_EQ(ReadFile(folder / "ovalto4.jpg"), std::string(request.LogoJpeg.begin(), request.LogoJpeg.end()));

  const std::string bytes = ReadFile(*path);
  // "Расчет" in code page 1251, not in UTF-8.
  EXPECT_NE(bytes.find("\xD0\xE0\xF1\xF7\xE5\xF2"), std::string::npos);
  EXPECT_EQ(bytes.find("\xD0\xA0"), std::string::npos);
  std::string expected;
  for (const std::string& line : BuildReportPage(report.Session, kUser, std::nullopt, false)) expected += line + "\r\n";
  EXPECT_EQ(Cp1251ToUtf8(bytes), expected);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
}

TEST_F(HtmlReportTest, TheChartIsWrittenAsJpegAndTheSpreadsheetPageShowsIt) {
  std::ofstream(folder / "diagram4.bmp") << "stale";
  request.Chart = Chart(463, 741);
  request.ForSpreadsheet = true;
  const auto path = Write();
  ASSERT_TRUE(path);
  EXPECT_EQ(*path, (folder / "report4.xls").string());
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"diagram4.jpg", "ovalto4.jpg", "report4.xls"}));

  const std::string jpeg = ReadFile(folder / "diagram4.jpg");
  const auto image = DecodeJpeg(reinterpret_cast<const std::uint8_t*>(jpeg.data()), jpeg.size());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Width, 463);
  EXPECT_EQ(image->Height, 741);
  EXPECT_NE(ReadFile(*path).find("<img src=\"diagram4.jpg\" width=\"463\" height=\"741\" border=\"0\">"),
            std::string::npos);
}

TEST_F(HtmlReportTest, CancellingTheDialogWritesNoPageAndOpensNothing) {
  std::ofstream(folder / "diagram4.jpg") << "an earlier chart";
  EXPECT_FALSE(Write(std::nullopt));
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(shell.Opened.empty());
  // The pictures come first; a stale chart stays when the chart is closed.
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"diagram4.jpg", "ovalto4.jpg"}));
  EXPECT_EQ(ReadFile(folder / "diagram4.jpg"), "an earlier chart");
}

TEST_F(HtmlReportTest, AFolderThatCannotBeWrittenStopsTheReportWithAnErrorNamingTheFile) {
  request.ProgramFolder = (folder / "ovalto4.jpg").string() + "/";  // a file where the folder should be
  std::ofstream(folder / "ovalto4.jpg") << "x";
  EXPECT_FALSE(Write());
  ASSERT_EQ(report.Messages.RaisedErrors.size(), 1u);
  EXPECT_EQ(report.Messages.RaisedErrors[0],
            "Не удалось записать файл\r" + request.ProgramFolder + "ovalto4.jpg\r\rПапка программы не найдена.");
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(shell.Opened.empty());
}

TEST_F(HtmlReportTest, AReadOnlyFolderGivesTheError) {
  // The administrator writes into any folder whose mode forbids it; the
  // kernel's own folder of devices takes no new file from anybody.
  if (::geteuid() == 0) {
    request.ProgramFolder = "/sys/";
  } else {
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  }
  EXPECT_FALSE(Write());
  ASSERT_EQ(report.Messages.RaisedErrors.size(), 1u);
  EXPECT_EQ(report.Messages.RaisedErrors[0], "Не удалось записать файл\r" + request.ProgramFolder +
                                                 "ovalto4.jpg\r\rНет права записи в папку программы.");
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(shell.Opened.empty());
}

TEST_F(HtmlReportTest, APageThatCannotTakeItsNameLeavesNothingHalfWritten) {
  fs::create_directories(folder / "report4.htm" / "inside");
  EXPECT_FALSE(Write());
  ASSERT_EQ(report.Messages.RaisedErrors.size(), 1u);
  EXPECT_EQ(report.Messages.RaisedErrors[0].rfind("Не удалось записать файл\r" + (folder / "report4.htm").string(), 0),
            0u);
  EXPECT_EQ(FileNames(), (std::vector<std::string>{"ovalto4.jpg", "report4.htm"}));
  EXPECT_TRUE(fs::is_directory(folder / "report4.htm"));
  EXPECT_TRUE(shell.Opened.empty());
}

TEST_F(HtmlReportTest, AnEarlierPageIsReplacedWhole) {
  std::ofstream(folder / "report4.htm") << std::string(100000, 'x');
  ASSERT_TRUE(Write());
  const std::string bytes = ReadFile(folder / "report4.htm");
  EXPECT_EQ(bytes.substr(0, 8), "<HTML>\r\n");
  EXPECT_EQ(bytes.find('x' + std::string(50, 'x')), std::string::npos);
  EXPECT_EQ(fs::status(folder / "report4.htm").permissions() & fs::perms::others_read, fs::perms::others_read);
}

}  // namespace
}  // namespace ovalto
