#include "materials/tree_lines.h"

#include <gtest/gtest.h>

namespace ovalto {
namespace {

TEST(ReadObjectLine, ReadsBothWordingsByTheirUpperCasedKeys) {
  ObjectReading hand;
  for (const char* line : {"Диаметр трубы = 57 мм", "Длина трубы = 12,5 м", "Толщина изоляции = 40 мм",
                           "Тип изоляции : \"KALDERON Vardo\"", "Тип покрытия : \"PELLORIT TK\"",
                           "Назначение и расположение : \"ЭЭ О\""}) {
    EXPECT_EQ(ReadObjectLine(line, hand), LineReading::Read) << line;
  }
  EXPECT_EQ(hand.SizeMm, 57);
  EXPECT_EQ(hand.LengthM, 12.5);
  EXPECT_EQ(hand.ThicknessMm, 40);
  EXPECT_EQ(hand.InsulationType, "KALDERON VARDO");
  EXPECT_EQ(hand.CoveringType, "PELLORIT TK");
  EXPECT_EQ(hand.Purpose, "ЭЭ О");

  ObjectReading sized;
  for (const char* line :
       {"Ширина = 500 мм", "Высота = 300 мм", "Длина воздуховода = 20 м", "Назначение и расположение : \"ПК П\""}) {
    EXPECT_EQ(ReadObjectLine(line, sized), LineReading::Read) << line;
  }
  EXPECT_EQ(sized.SizeMm, 500);
  EXPECT_EQ(sized.HeightMm, 300);
  EXPECT_EQ(sized.LengthM, 20);
  EXPECT_EQ(sized.Purpose, "ПК П");

  // The first key of the list decides, wherever it stands in the line; a
  // purpose keeps eight characters.
  ObjectReading odd;
  EXPECT_EQ(ReadObjectLine("Длина по диаметру = 5", odd), LineReading::Read);
  EXPECT_EQ(odd.SizeMm, 5);
  EXPECT_EQ(odd.LengthM, 0);
  EXPECT_EQ(ReadObjectLine("Назначение : \"Предотвращение О\"", odd), LineReading::Read);
  EXPECT_EQ(odd.Purpose, "ПРЕДОТВР");
}

TEST(ReadObjectLine, SkipsLinesItDoesNotKnowAndReportsNumbersThatDoNotReadOrAreTooLarge) {
  ObjectReading object;
  EXPECT_EQ(ReadObjectLine("Температура вещества = 70 °C", object), LineReading::Skipped);
  EXPECT_EQ(ReadObjectLine("что-то старое", object), LineReading::Skipped);
  EXPECT_EQ(ReadObjectLine("Тип изоляции без кавычек", object), LineReading::Skipped);
  EXPECT_EQ(ReadObjectLine("Диаметр трубы = мм", object), LineReading::BadNumber);
  EXPECT_EQ(ReadObjectLine("Длина трубы = 1,2,3 м", object), LineReading::BadNumber);
  EXPECT_EQ(ReadObjectLine("Толщина изоляции = 1" + std::string(400, '0') + " мм", object), LineReading::BadNumber);
  EXPECT_EQ(ReadObjectLine("Длина трубы = 2000000000 м", object), LineReading::TooLarge);
  EXPECT_EQ(ReadObjectLine("Длина трубы = 1000000000 м", object), LineReading::Read);
  EXPECT_EQ(object.SizeMm, 0);
}

TEST(ReadDetailLine, ReadsCountsAndTheReducersSmallerEnd) {
  DetailReading bend;
  ASSERT_EQ(ReadDetailLine("Отвод  [ 4 шт]", bend), LineReading::Read);
  EXPECT_EQ(bend.KindText, "ОТВОД");
  EXPECT_EQ(bend.Count, 4);
  EXPECT_EQ(bend.SmallMm, 0);

  DetailReading reducer;
  ASSERT_EQ(ReadDetailLine("Переход концентрический  [ 2 шт; на 57 мм]", reducer), LineReading::Read);
  EXPECT_EQ(reducer.KindText, "ПЕРЕХОД КОНЦЕНТРИЧЕСКИЙ");
  EXPECT_EQ(reducer.Count, 2);
  EXPECT_EQ(reducer.SmallMm, 57);

  DetailReading odd;
  EXPECT_EQ(ReadDetailLine("Отвод 4 шт", odd), LineReading::Skipped);
  EXPECT_EQ(ReadDetailLine("Отвод  [ шт]", odd), LineReading::BadNumber);
  EXPECT_EQ(ReadDetailLine("Переход концентрический  [ 2 шт; на мм]", odd), LineReading::BadNumber);
  EXPECT_EQ(ReadDetailLine("Переход концентрический  [ 2 шт; на 2000000000 мм]", odd), LineReading::TooLarge);
}

}  // namespace
}  // namespace ovalto
