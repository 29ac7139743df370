#include "materials/drawing_codes.h"

#include <gtest/gtest.h>

namespace ovalto {
namespace {

TEST(DrawingCodes, FollowTheAlbumByObjectLayersLineAndCovering) {
  EXPECT_EQ(FindDrawingCode(10, 1, "KALDERON VARDO", "БЕЗ ПОКРЫТИЯ"), "5.904.9-78.08.0-01");
  EXPECT_EQ(FindDrawingCode(10, 2, "KALDERON Vardo", "PELLORIT TK"), "5.904.9-78.08.0-08");
  EXPECT_EQ(FindDrawingCode(10, 1, "KALDERON Vardo", "PELLORIT AL"), "5.904.9-78.08.0-05");
  EXPECT_EQ(FindDrawingCode(10, 1, "KALDERON Vardo", "PELLORIT CT"), "5.904.9-78.08.0-05");
  EXPECT_EQ(FindDrawingCode(11, 1, "KALDERON Vardo AL", "Без покрытия"), "5.904.9-78.08.0-54");
  EXPECT_EQ(FindDrawingCode(11, 1, "KALDERON Vardo", "PELLORIT TK CK"), "5.904.9-78.08.0-55");
  EXPECT_EQ(FindDrawingCode(12, 1, "KALDERON Corvane DUCT", "PELLORIT TK"), "5.904.9-78.08.0-44");
  EXPECT_EQ(FindDrawingCode(12, 1, "KALDERON Corvane DUCT AL", "Без покрытия"), "5.904.9-78.08.0-41");
  EXPECT_EQ(FindDrawingCode(4, 1, "KALDERON Vardo", "PELLORIT TK CK"), "5.904.9-78.08.0-51");
  EXPECT_EQ(FindDrawingCode(3, 2, "KALDERON Vardo", "Без покрытия"), "5.904.9-78.08.0-46");
}

TEST(DrawingCodes, EccentricReducersAndThickerStacksBorrowTheirNeighboursCodes) {
  EXPECT_EQ(FindDrawingCode(7, 1, "KALDERON Vardo", "PELLORIT TK"), "5.904.9-78.08.0-33");
  EXPECT_EQ(FindDrawingCode(10, 3, "KALDERON Vardo", "Без покрытия"), "5.904.9-78.08.0-06");
}

TEST(DrawingCodes, LeaveEmptyWhatTheAlbumDoesNotDraw) {
  EXPECT_EQ(FindDrawingCode(13, 1, "KALDERON Corvane DUCT", "Без покрытия"), "");  // cylindrical ducts
  EXPECT_EQ(FindDrawingCode(11, 2, "KALDERON Vardo", "Без покрытия"), "");         // no two-layer tanks
  EXPECT_EQ(FindDrawingCode(12, 2, "KALDERON Corvane DUCT", "PELLORIT TK"), "");
  EXPECT_EQ(FindDrawingCode(10, 1, "KALDERON Vardo Hestan-S", "Без покрытия"), "");
  // The two-layer reducer sheet spells its coverings in Cyrillic, so the
  // Latin names never reach it.
  EXPECT_EQ(FindDrawingCode(6, 2, "KALDERON Vardo", "PELLORIT TK"), "");
  EXPECT_EQ(FindDrawingCode(6, 2, "KALDERON Vardo", "Без покрытия"), "5.904.9-78.08.0-36");
}

}  // namespace
}  // namespace ovalto
