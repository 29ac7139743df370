#include "objects/object_entry.h"

#include <gtest/gtest.h>

#include "objects/object_lines.h"
#include "recording_message_boxes.h"

namespace ovalto {
namespace {

using testing::RecordingMessageBoxes;

ObjectEntry HandPipeline() {
  ObjectEntry entry;
  entry.Kind = kPipelineObject;
  entry.Name = "  Т1 подача ";
  entry.Calculate = false;
  entry.SizeText = "57";
  entry.LengthText = "12,5";
  entry.ThicknessText = "13";
  entry.PurposeItem = 1;
  entry.LocationItem = 0;
  entry.InsulationType = "KALDERON Vardo";
  entry.CoveringType = "PELLORIT TK";
  return entry;
}

TEST(ObjectEntry, HandPipelineGivesTheObjectAndItsLines) {
  RecordingMessageBoxes messages;
  ObjectParams params;
  params.Kind = kPipelineObject;
  ASSERT_TRUE(ApplyObjectEntry(HandPipeline(), params, messages).Accepted);
  EXPECT_TRUE(messages.RaisedErrors.empty());
  EXPECT_TRUE(messages.Shown.empty());  // 57 is a standard size
  EXPECT_EQ(params.ObjectName, "Т1 подача");
  EXPECT_EQ(params.Purpose, "СН О");

  const std::vector<NodeSpec> lines = HandObjectLines(params);
  const std::vector<NodeSpec> expected = {
      {16, "Диаметр трубы = 57 мм", {}},
      {16, "Длина трубы = 12,5 м", {}},
      {16, "Толщина изоляции = 13 мм", {}},
      {16, "Тип изоляции : \"KALDERON Vardo\"", {}},
      {16, "Тип покрытия : \"PELLORIT TK\"", {}},
      {16, "Назначение и расположение : \"СН О\"", {}},
      {15, "ДЕТАЛИ", {{1, "Труба [ 12,5 м ]", {}}}},
  };
  EXPECT_EQ(lines, expected);
}

TEST(ObjectEntry, OtherKindsWriteTheirOwnSizeLines) {
  ObjectParams tank{kTankObject, 0, 2000, 3500, 40, "Е", "KALDERON Vardo AL", "Без покрытия", "ТВ П"};
  std::vector<NodeSpec> lines = HandObjectLines(tank);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].Text, "Наружний диаметр = 2000 мм");
  EXPECT_EQ(lines[1].Text, "Высота ёмкости = 3500 мм");

  ObjectParams rectangular{kRectangularDuctObject, 30,    500, 300, 10, "В", "KALDERON Corvane DUCT",
                           "PELLORIT TK",          "ПК П"};
  lines = HandObjectLines(rectangular);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0].Text, "Ширина = 500 мм");
  EXPECT_EQ(lines[1].Text, "Высота = 300 мм");
  EXPECT_EQ(lines[2].Text, "Длина трубопровода = 30 м");

  ObjectParams round{kCylindricalDuctObject, 7.25, 315, 0, 10, "В", "KALDERON Corvane DUCT", "PELLORIT TK", "З О"};
  lines = HandObjectLines(round);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].Text, "Диаметр = 315 мм");
  EXPECT_EQ(lines[1].Text, "Длина трубопровода = 7,25 м");
  EXPECT_EQ(lines[5].Text, "Назначение и расположение : \"З О\"");
}

TEST(ObjectEntry, ToBeCalculatedNeedsOnlyANameAndKeepsTheRest) {
  RecordingMessageBoxes messages;
  ObjectParams params{kPipelineObject, 5, 57, 0, 13, "старое", "KALDERON Vardo", "PELLORIT TK", "СН О"};
  ObjectEntry entry;
  entry.Name = "ТРУБОПРОВОД";
  ASSERT_TRUE(ApplyObjectEntry(entry, params, messages).Accepted);
  EXPECT_EQ(params.ThicknessMm, 0);
  EXPECT_EQ(params.SizeMm, 0);
  EXPECT_EQ(params.LengthM, 0);
  EXPECT_EQ(params.ObjectName, "ТРУБОПРОВОД");
  EXPECT_EQ(params.InsulationType, "KALDERON Vardo");
  EXPECT_EQ(params.Purpose, "СН О");
}

// Each refusal shows its message, points at its field and stores nothing.
TEST(ObjectEntry, RefusalsInTheDialogsOrder) {
  struct Case {
    void (*Spoil)(ObjectEntry&);
    const char* Message;
    ObjectField Focus;
  };
  const Case cases[] = {
      {[](ObjectEntry& e) { e.Name = " \t "; }, "Укажите название !", ObjectField::Name},
      {[](ObjectEntry& e) { e.PurposeItem = -1; }, "Укажите Назначение  !", ObjectField::None},
      {[](ObjectEntry& e) { e.LocationItem = -1; }, "Укажите Расположение  !", ObjectField::None},
      {[](ObjectEntry& e) { e.SizeText = "abc"; }, "Укажите параметр \"Диаметр трубы\" !", ObjectField::Size},
      {[](ObjectEntry& e) { e.LengthText = '0'; }, "Укажите параметр \"Длина трубы\" !", ObjectField::Length},
      {[](ObjectEntry& e) { e.ThicknessText = ""; }, "Укажите толщину изоляции !", ObjectField::Thickness},
      {[](ObjectEntry& e) { e.InsulationType.clear(); }, "Укажите параметр \"Тип изоляции\" !", ObjectField::None},
      {[](ObjectEntry& e) { e.CoveringType.clear(); }, "Укажите параметр \"Тип покрытия\" !", ObjectField::None},
      // Sane ranges: a typing slip never reaches the tree.
      {[](ObjectEntry& e) { e.ThicknessText = "9999999"; }, "Толщина изоляции не может превышать 1000 мм !",
       ObjectField::Thickness},
      {[](ObjectEntry& e) { e.SizeText = "100001"; }, "Параметр \"Диаметр трубы\" не может превышать 100000 мм !",
       ObjectField::Size},
      {[](ObjectEntry& e) { e.LengthText = "1E9"; }, "Параметр \"Длина трубы\" не может превышать 100000 м !",
       ObjectField::Length},
  };
  for (const Case& c : cases) {
    RecordingMessageBoxes messages;
    ObjectEntry entry = HandPipeline();
    c.Spoil(entry);
    ObjectParams params;
    params.ThicknessMm = kObjectCancelled;
    const ObjectEntryOutcome outcome = ApplyObjectEntry(entry, params, messages);
    EXPECT_FALSE(outcome.Accepted) << c.Message;
    EXPECT_EQ(outcome.Focus, c.Focus) << c.Message;
    ASSERT_EQ(messages.RaisedErrors.size(), 1u) << c.Message;
    EXPECT_EQ(messages.RaisedErrors[0], c.Message);
    EXPECT_EQ(params.ThicknessMm, kObjectCancelled) << c.Message;
  }
}

TEST(ObjectEntry, TankAndDuctAskForTheirOwnSizes) {
  RecordingMessageBoxes messages;
  ObjectEntry entry = HandPipeline();
  entry.Kind = kTankObject;
  entry.LengthText.clear();  // a tank has no length
  entry.HeightText = "";
  ObjectParams params;
  EXPECT_EQ(ApplyObjectEntry(entry, params, messages).Focus, ObjectField::Height);
  EXPECT_EQ(messages.RaisedErrors.back(), "Укажите параметр \"Высота\" !");
  entry.SizeText = "";
  ApplyObjectEntry(entry, params, messages);
  EXPECT_EQ(messages.RaisedErrors.back(), "Укажите параметр \"Наружний диаметр\" !");
  entry.Kind = kRectangularDuctObject;
  entry.SizeText = "400";
  ApplyObjectEntry(entry, params, messages);
  EXPECT_EQ(messages.RaisedErrors.back(), "Укажите параметр \"Длина воздуховода\" !");
}

TEST(ObjectEntry, NearStandardPipeSizeIsOffered) {
  const auto enter = [](const char* size, MessageButton answer, ObjectParams& params) {
    RecordingMessageBoxes messages;
    messages.Answers.push_back(answer);
    ObjectEntry entry = HandPipeline();
    entry.SizeText = size;
    const bool accepted = ApplyObjectEntry(entry, params, messages).Accepted;
    return std::make_pair(accepted, messages.Shown);
  };
  ObjectParams params;
  auto [accepted, shown] = enter("41", kButtonYes, params);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Type, MessageType::Confirmation);
  EXPECT_EQ(shown[0].Buttons, kButtonYes | kButtonNo | kButtonCancel);
  EXPECT_EQ(shown[0].Text,
            "В стандартном ряду типоразмеров имеются трубы с наружным\r"
            "диаметром, отличающимся от введенного менее, чем на 2 мм.\r\r"
            "Принять значение диаметра трубы равным 42 мм ?");
  EXPECT_TRUE(accepted);
  EXPECT_EQ(params.SizeMm, 42);

  std::tie(accepted, shown) = enter("41", kButtonNo, params);
  EXPECT_TRUE(accepted);
  EXPECT_EQ(params.SizeMm, 41);

  params.SizeMm = 7;
  std::tie(accepted, shown) = enter("41", kButtonCancel, params);
  EXPECT_FALSE(accepted);
  EXPECT_EQ(params.SizeMm, 7);

  EXPECT_TRUE(enter("42", kButtonYes, params).second.empty());  // a standard size
  EXPECT_TRUE(enter("45", kButtonYes, params).second.empty());  // 48 is 3 mm away
  EXPECT_EQ(params.SizeMm, 45);
}

TEST(ObjectEntry, PipelineInsulationLinesFollowSizeAndThickness) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(InsulationTypesFor(kPipelineObject, "40", "6"), (Lines{"KALDERON Vardo", "KALDERON Vardo AL"}));
  EXPECT_EQ(InsulationTypesFor(kPipelineObject, "25", "6"),
            (Lines{"KALDERON Vardo", "KALDERON Vardo Hestan-S", "KALDERON Vardo Hestan-K", "KALDERON Vardo AL",
                   "KALDERON Corvane"}));
  EXPECT_EQ(InsulationTypesFor(kPipelineObject, "", "6"), (Lines{"KALDERON Vardo", "KALDERON Vardo AL"}));
  EXPECT_EQ(InsulationTypesFor(kPipelineObject, "30", "9"),
            (Lines{"KALDERON Vardo", "KALDERON Vardo Hestan-S", "KALDERON Vardo Hestan-K", "KALDERON Vardo AL"}));
  EXPECT_EQ(InsulationTypesFor(kTankObject, "", ""), (Lines{"KALDERON Vardo", "KALDERON Vardo AL"}));
  EXPECT_EQ(InsulationTypesFor(kCylindricalDuctObject, "1", "1"),
            (Lines{"KALDERON Corvane DUCT", "KALDERON Corvane DUCT AL"}));
}

TEST(ObjectEntry, NameLosesTheCharactersThatWouldCutTheProject) {
  RecordingMessageBoxes messages;
  ObjectEntry entry = HandPipeline();
  entry.Name = "Т1\tпо¶да\r\nча";
  ObjectParams params;
  ASSERT_TRUE(ApplyObjectEntry(entry, params, messages).Accepted);
  EXPECT_EQ(params.ObjectName, "Т1 по да  ча");
  // A letter the projects file cannot hold is shown as the "?" it will store.
  entry.Name = "Т1 λ ";
  ASSERT_TRUE(ApplyObjectEntry(entry, params, messages).Accepted);
  EXPECT_EQ(params.ObjectName, "Т1 ?");
}

}  // namespace
}  // namespace ovalto
