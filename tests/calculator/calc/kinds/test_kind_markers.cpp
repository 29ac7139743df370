#include "kinds/kind_markers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace ovalto {
namespace {

// The pictures draw markers of this radius; all of it must be on a picture
// for the marker to be seen and picked whole.
constexpr int kDrawnMarkerRadius = 13;

const PagePicture* PictureHolding(int page, KindMarkerPoint marker) {
  for (const auto& picture : kPagePictures) {
    if (picture.Page == page && marker.X - kDrawnMarkerRadius >= picture.Left &&
        marker.X + kDrawnMarkerRadius <= picture.Left + picture.Width && marker.Y - kDrawnMarkerRadius >= picture.Top &&
        marker.Y + kDrawnMarkerRadius <= picture.Top + picture.Height)
      return &picture;
  }
  return nullptr;
}

TEST(KindMarkers, MarkersStandBesideTheirLabels) {
  EXPECT_EQ(MarkerOf({11110, 1, 122, 88, 75}).X, 104);
  EXPECT_EQ(MarkerOf({11110, 1, 122, 88, 75}).Y, 101);
  // From L52121 on the marker stands right of its label.
  EXPECT_EQ(MarkerOf({52114, 4, 472, 191, 67}).X, 454);
  EXPECT_EQ(MarkerOf({52121, 4, 234, 379, 47}).X, 299);
  EXPECT_EQ(MarkerOf({52121, 4, 234, 379, 47}).Y, 392);
}

TEST(KindMarkers, FiftyFourKindsEachOnThePageOfItsSystem) {
  std::set<int> codes;
  for (const auto& label : kKindLabelPlaces) {
    codes.insert(label.Code);
    const int system = label.Code / 10000;
    EXPECT_EQ(label.Page, system == 5 ? 4 : system) << label.Code;
  }
  EXPECT_EQ(codes.size(), 54u);
}

TEST(KindMarkers, EveryMarkerLiesWholeOnAPictureOfItsPage) {
  for (const auto& label : kKindLabelPlaces)
    EXPECT_NE(PictureHolding(label.Page, MarkerOf(label)), nullptr) << label.Code;
}

TEST(KindMarkers, NoPointPicksTwoKindsAndNoMarkerCoversALabel) {
  for (const auto& a : kKindLabelPlaces) {
    const KindMarkerPoint m = MarkerOf(a);
    for (const auto& b : kKindLabelPlaces) {
      if (a.Page != b.Page) continue;
      if (a.Code != b.Code) {
        const KindMarkerPoint n = MarkerOf(b);
        EXPECT_GE(std::hypot(m.X - n.X, m.Y - n.Y), 2 * kKindMarkerHitRadius) << a.Code << " " << b.Code;
      }
      const bool clear = m.X + kDrawnMarkerRadius <= b.Left || m.X - kDrawnMarkerRadius >= b.Left + b.Width ||
                         m.Y + kDrawnMarkerRadius <= b.Top || m.Y - kDrawnMarkerRadius >= b.Top + kKindLabelHeight;
      EXPECT_TRUE(clear) << "marker " << a.Code << " over label " << b.Code;
    }
  }
}

}  // namespace
}  // namespace ovalto
