#include "objects/sizing_kinds.h"

#include <gtest/gtest.h>

#include <set>

#include "kinds/calc_kinds.h"
#include "objects/object_params.h"
#include "recording_message_boxes.h"

namespace ovalto {
namespace {

std::set<int> Offered(int objectKind) {
  testing::RecordingMessageBoxes messages;
  CalcSession session(messages);
  OfferKindsForObject(session, objectKind);
  EXPECT_EQ(session.CalcKindCode, 0);
  EXPECT_EQ(session.ObjectKind, objectKind);
  std::set<int> codes;
  for (std::size_t i = 0; i < CalcKinds().size(); ++i) {
    if (session.KindLabels[i].Enabled) codes.insert(CalcKinds()[i].Code);
  }
  return codes;
}

TEST(SizingKinds, EachObjectIsOfferedOnlyItsOwnKinds) {
  const std::set<int> pipes = Offered(kPipelineObject);
  EXPECT_EQ(pipes.size(), 30u);
  EXPECT_TRUE(pipes.count(11110) && pipes.count(31121) && pipes.count(51215));
  EXPECT_FALSE(pipes.count(11210) || pipes.count(31211) || pipes.count(52111));

  const std::set<int> tanks = Offered(kTankObject);
  EXPECT_EQ(tanks, (std::set<int>{11210, 11211, 11212, 11214, 11220, 11221, 11224, 52111, 52112, 52114, 52121, 52123,
                                  52124, 52211, 52214}));
  EXPECT_EQ(Offered(kRectangularDuctObject), (std::set<int>{31311, 31313, 31321, 31324, 31326}));
  EXPECT_EQ(Offered(kCylindricalDuctObject), (std::set<int>{31211, 31213, 31221, 31224, 31226}));
  EXPECT_EQ(SizingPage(kTankObject), 1);
  EXPECT_EQ(SizingPage(kCylindricalDuctObject), 3);
}

}  // namespace
}  // namespace ovalto
