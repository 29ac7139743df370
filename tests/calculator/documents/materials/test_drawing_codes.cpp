#include "materials/drawing_codes.h"

#include <gtest/gtest.h>

#include <cstdio>

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

// The album's sheets for the Vardo line: NN by category and layers against
// the coverings in this column order; 0 where the album draws nothing.
TEST(DrawingCodes, NumberTheVardoSheetsByColumn) {
  const char* const coverings[] = {"Без покрытия", "PELLORIT TK CK", "PELLORIT TK", "PELLORIT AL", "PELLORIT CT"};
  struct Sheet {
    int Category, Layers, Numbers[5];
  };
  const Sheet sheets[] = {
      {10, 1, {1, 2, 3, 5, 5}},     {10, 2, {6, 7, 8, 10, 10}},   {2, 1, {11, 12, 13, 15, 15}},
      {2, 2, {16, 17, 18, 20, 20}}, {5, 1, {21, 22, 23, 25, 25}}, {5, 2, {26, 27, 28, 30, 30}},
      {6, 1, {31, 32, 33, 35, 35}}, {6, 2, {36, 0, 0, 0, 0}},     {3, 1, {45, 0, 0, 0, 0}},
      {3, 2, {46, 0, 0, 0, 0}},     {4, 1, {50, 51, 0, 0, 0}},    {11, 1, {56, 55, 0, 0, 0}},
      {4, 2, {0, 0, 0, 0, 0}},      {11, 2, {0, 0, 0, 0, 0}},     {12, 1, {0, 0, 0, 0, 0}},
  };
  for (const Sheet& sheet : sheets) {
    for (int column = 0; column < 5; ++column) {
      const int nn = sheet.Numbers[column];
      char expected[32] = "";
      if (nn > 0) std::snprintf(expected, sizeof expected, "5.904.9-78.08.0-%02d", nn);
      EXPECT_EQ(FindDrawingCode(sheet.Category, sheet.Layers, "KALDERON Vardo", coverings[column]), expected)
          << sheet.Category << ", " << sheet.Layers << ", " << coverings[column];
    }
  }
  // The two-layer reducer sheet, spelt with the Cyrillic brand.
  EXPECT_EQ(FindDrawingCode(6, 2, "KALDERON Vardo", "Пеллорит TK CK"), "5.904.9-78.08.0-37");
  EXPECT_EQ(FindDrawingCode(6, 2, "KALDERON Vardo", "Пеллорит TK"), "5.904.9-78.08.0-38");
  EXPECT_EQ(FindDrawingCode(6, 2, "KALDERON Vardo", "Пеллорит AL"), "5.904.9-78.08.0-40");
  EXPECT_EQ(FindDrawingCode(6, 2, "KALDERON Vardo", "Пеллорит CT"), "5.904.9-78.08.0-40");
  EXPECT_EQ(FindDrawingCode(12, 1, "KALDERON Corvane DUCT", "Без покрытия"), "5.904.9-78.08.0-42");
  EXPECT_EQ(FindDrawingCode(12, 1, "KALDERON Corvane DUCT", "PELLORIT TK CK"), "5.904.9-78.08.0-43");
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
