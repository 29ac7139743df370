#include "objects/detail_lines.h"

#include <gtest/gtest.h>

#include "recording_message_boxes.h"

namespace ovalto {
namespace {

using testing::RecordingMessageBoxes;

TEST(DetailLines, BendsAndReducersGiveTheirLines) {
  RecordingMessageBoxes messages;
  const DetailEntry entry{{"4", "", "", "", "2", "", ""}, {"", "", "", "", "57", "", ""}};
  const DetailOutcome outcome = ApplyDetailEntry(entry, messages);
  EXPECT_EQ(outcome.DetailCount, 3);
  EXPECT_EQ(outcome.Slots[0], "Отвод  [ 4 шт]");
  EXPECT_EQ(outcome.Slots[4], "Переход концентрический  [ 2 шт; на 57 мм]");
  for (int slot : {1, 2, 3, 5, 6}) EXPECT_EQ(outcome.Slots[static_cast<std::size_t>(slot)], "");
  EXPECT_TRUE(messages.RaisedErrors.empty());
}

TEST(DetailLines, NothingEnteredIsNoDetail) {
  RecordingMessageBoxes messages;
  EXPECT_EQ(ApplyDetailEntry({}, messages).DetailCount, 0);
  EXPECT_TRUE(messages.RaisedErrors.empty());
}

TEST(DetailLines, RefusedCountsPointAtTheirField) {
  struct Case {
    int Slot;
    const char* Count;
    const char* Size;
    bool OnSize;
    const char* Message;
  };
  const Case cases[] = {
      {3, "0", "", false, "Введите положительное вещественное значение !"},
      {5, "2", "", true, "Введите положительное вещественное значение !"},
      {4, "1", "на 57", true, "Введите положительное вещественное значение !"},
      {6, "2,5", "", false, "Введите положительное вещественное значение !"},
      {0, "100000", "", false, "Количество деталей не может превышать 10000 шт. !"},
      {4, "1", "100000,5", true, "Диаметр перехода не может превышать 100000 мм !"},
      // A re-edit reads the size as digits and a comma: 1E-7 would come back as 1.
      {5, "1", "1E-7", true, "Введите положительное вещественное значение !"},
  };
  for (const Case& c : cases) {
    RecordingMessageBoxes messages;
    DetailEntry entry;
    entry.Counts[1] = "1";
    entry.Counts[static_cast<std::size_t>(c.Slot)] = c.Count;
    entry.Sizes[static_cast<std::size_t>(c.Slot)] = c.Size;
    const DetailOutcome outcome = ApplyDetailEntry(entry, messages);
    EXPECT_EQ(outcome.DetailCount, 0) << c.Count;
    EXPECT_EQ(outcome.FocusSlot, c.Slot) << c.Count;
    EXPECT_EQ(outcome.FocusOnSize, c.OnSize) << c.Count;
    ASSERT_EQ(messages.RaisedErrors.size(), 1u);
    EXPECT_EQ(messages.RaisedErrors[0], c.Message);
  }
  // The limits themselves pass; a reducer takes every size an object takes.
  RecordingMessageBoxes messages;
  const DetailEntry entry{{"10000", "", "", "", "1", "", ""}, {"", "", "", "", "100000", "", ""}};
  const DetailOutcome outcome = ApplyDetailEntry(entry, messages);
  EXPECT_EQ(outcome.DetailCount, 3);
  EXPECT_EQ(outcome.Slots[4], "Переход концентрический  [ 1 шт; на 100000 мм]");
}

TEST(DetailLines, LinesReadBackForAReEdit) {
  const auto bend = ReadDetailLine("Отвод  [ 4 шт]");
  ASSERT_TRUE(bend);
  EXPECT_EQ(bend->Count, "4");
  EXPECT_EQ(bend->Size, "");
  const auto reducer = ReadDetailLine("Переход эксцентрический  [ 2 шт; на 57,5 мм]");
  ASSERT_TRUE(reducer);
  EXPECT_EQ(reducer->Count, "2");
  EXPECT_EQ(reducer->Size, "57,5");
  EXPECT_FALSE(ReadDetailLine("Отвод  [ много шт]"));
}

TEST(DetailLines, MetalSheetCoveringRulesOutFlangesAndValves) {
  EXPECT_TRUE(HasMetalSheetCovering({"Диаметр трубы = 57 мм", "Тип покрытия : \"PELLORIT AL\""}));
  EXPECT_TRUE(HasMetalSheetCovering({"Тип покрытия : \"PELLORIT CT\""}));
  EXPECT_FALSE(HasMetalSheetCovering({"Тип покрытия : \"PELLORIT TK CK\""}));
  EXPECT_FALSE(HasMetalSheetCovering({"Тип покрытия : \"PELLORIT TK\"", "Тип покрытия : \"PELLORIT AL\""}));
  EXPECT_FALSE(HasMetalSheetCovering({}));
}

}  // namespace
}  // namespace ovalto
