#include "kinds/calc_kinds.h"

#include <gtest/gtest.h>

#include <set>

#include "kinds/kind_markers.h"
#include "recording_message_boxes.h"
#include "state/calc_session.h"
#include "state/variable_table.h"

namespace ovalto {
namespace {

TEST(CalcKinds, EveryKindHasALabelPlace) {
  const auto kinds = CalcKinds();
  ASSERT_EQ(kinds.size(), static_cast<std::size_t>(kCalcKindCount));
  ASSERT_EQ(kKindLabelPlaces.size(), kinds.size());
  for (std::size_t i = 0; i < kinds.size(); ++i) EXPECT_EQ(kKindLabelPlaces[i].Code, kinds[i].Code);
}

TEST(CalcKinds, EveryKindFoldsOntoASchemeThatSeeksItsTasksVariable) {
  // The last digit of a kind is its task; the scheme seeks that task's variable.
  static const char* const kSoughtOfTask[] = {"Egod", "QL", "Tp", "Vla", "T2", "Zt", "Vlv"};
  std::set<int> used;
  for (const CalcKind& kind : CalcKinds()) {
    const CalcScheme* scheme = FindCalcScheme(kind.Scheme);
    ASSERT_NE(scheme, nullptr) << kind.Code;
    used.insert(kind.Scheme);
    const bool tank = kind.Code > 52000 || (kind.Code >= 11210 && kind.Code <= 11224);
    const std::string expected = tank && kind.Code % 10 == 1 ? "Qf" : kSoughtOfTask[kind.Code % 10];
    EXPECT_EQ(scheme->SoughtVariable, expected) << kind.Code;
  }
  EXPECT_EQ(used.size(), CalcSchemes().size()) << "a scheme no kind uses";
}

TEST(CalcKinds, SchemeListsNameOnlyKnownVariables) {
  GridModel grid;
  testing::RecordingMessageBoxes messages;
  VariableTable table(grid, messages);
  for (const CalcScheme& scheme : CalcSchemes()) {
    std::string list(scheme.VariableList);
    std::size_t start = 0;
    while (start <= list.size()) {
      const std::size_t end = std::min(list.find(',', start), list.size());
      const std::string name = list.substr(start, end - start);
      EXPECT_NE(table.Find(name), nullptr) << scheme.Code << " " << name;
      start = end + 1;
    }
    EXPECT_NE(list.find(std::string(scheme.SoughtVariable)), std::string::npos) << scheme.Code;
  }
}

TEST(CalcKinds, LookupsOfCodesThatAreNoKind) {
  EXPECT_EQ(FindCalcKind(0), nullptr);
  EXPECT_EQ(FindCalcKind(11113), nullptr);
  EXPECT_EQ(FindCalcKind(21211)->Scheme, 11121);
  EXPECT_EQ(FindCalcScheme(21211), nullptr);
}

}  // namespace
}  // namespace ovalto
