// Inputs of typical objects for the engine's tests: a heating pipe of steel
// 60 x 3.5 mm and a tank of 1000 x 2000 mm, both under "KALDERON Vardo" with
// a conductivity of 0.04 W/(m*K) and an outer coefficient of 10 W/(m2*K)
// typed in, so every number can be worked out by hand.
#pragma once

#include <algorithm>
#include <string>

#include "headless_run.h"

namespace ovalto::testing {

inline HeadlessInputs PipeInputs(int kind) {
  HeadlessInputs in;
  in.KindCode = kind;
  in.Texts = {{"Ms_", "Сталь"}, {"Dn", "60"}, {"Wst", "3,5"}, {"Lst", "45,4"}, {"Kdp", "1,2"},
              {"Tb", "90"},     {"Tn", "20"}, {"W", "0"},     {"Liz", "0,04"}, {"An", "10"}};
  in.InsulationLine = "KALDERON Vardo";
  return in;
}

inline HeadlessInputs TankInputs(int kind) {
  HeadlessInputs in;
  in.KindCode = kind;
  in.Texts = {{"De", "1000"}, {"He", "2000"},  {"Kdp", "1,1"}, {"Tb", "90"},   {"Tn", "20"},
              {"W", "0"},     {"Liz", "0,04"}, {"An", "10"},   {"Vv_", "вода"}};
  in.InsulationLine = "KALDERON Vardo";
  return in;
}

inline HeadlessInputs Given(HeadlessInputs in, const std::string& thickness) {
  in.ThicknessGiven = true;
  in.Texts["Wiz"] = thickness;
  return in;
}

inline bool Shows(const HeadlessResult& result, const std::string& text) {
  return std::any_of(result.Messages.begin(), result.Messages.end(),
                     [&](const HeadlessMessage& m) { return m.Text == text; });
}

inline const std::string kThickerThan120 =
    "Рассчитанная толщина изоляции превышает 120 мм.\r\rПроверьте введенные данные для расчета !";
inline const std::string kThinnerThan1 =
    "Требуемая толщина изоляции менее 1 мм.\r\rПроверьте введенные данные для расчета !";
inline const std::string kCannotCalculate = "Расчет не может быть выполнен.\r\rПроверьте исходные данные !";

// Index of a whole-millimetre step in the table of thickness steps.
constexpr int StepOf(int mm) { return mm == 0 ? 0 : mm + 1; }

}  // namespace ovalto::testing
