// The help pages as installed: in code page 1251 as they declare, and every page and picture
// they point to is in the payload.
#include <gtest/gtest.h>

#include <regex>

#include "cp1251.h"
#include "setup_test_support.h"

namespace setup::test {
namespace {

namespace fs = std::filesystem;

TEST(HelpPages, DeclareTheirCodePageAndPointOnlyToWhatIsInstalled) {
  const fs::path help = StagedPayload() / "help";
  ASSERT_TRUE(fs::exists(help / "01_Общая_часть.htm")) << "the page the calculator opens";
  int pages = 0, links = 0;
  const std::regex reference(R"re((?:href|src)="([^"#:]+)")re");
  for (const auto& item : fs::directory_iterator(help)) {
    if (item.path().extension() != ".htm") continue;
    ++pages;
    const std::string page = ovalto::Cp1251ToUtf8(ReadText(item.path()));
    EXPECT_NE(page.find("<meta charset=\"windows-1251\">"), std::string::npos) << item.path();
    EXPECT_NE(page.find("</html>"), std::string::npos) << item.path();
    for (std::sregex_iterator at(page.begin(), page.end(), reference), end; at != end; ++at) {
      ++links;
      EXPECT_TRUE(fs::exists(help / (*at)[1].str())) << item.path().filename() << " points to " << (*at)[1];
    }
  }
  EXPECT_GE(pages, 6);
  EXPECT_GT(links, pages * 6);
}

}  // namespace
}  // namespace setup::test
