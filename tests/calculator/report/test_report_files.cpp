#include "report/report_files.h"

#include <gtest/gtest.h>

namespace ovalto {
namespace {

TEST(EncodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
  EXPECT_EQ(EncodePage({"Ш \u2713 \u20AC", "b"}), "\xD8 ? \x88\r\nb\r\n");
}

}  // namespace
}  // namespace ovalto
