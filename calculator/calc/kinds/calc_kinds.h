// The 54 calculation kinds of the four system pages and the 25 engine
// schemes they fold onto. A kind code has five digits: the first names the
// system (1 heating, 2 water supply, 3 ventilation and air conditioning,
// 5 process), the last the task (0 energy efficiency, 1 heat flow, 2 surface
// temperature, 3 condensation outside, 4 temperature change, 5 freeze
// protection, 6 condensation inside).
#pragma once

#include <span>
#include <string_view>

namespace ovalto {

struct CalcKind {
  int Code;
  std::string_view Caption;   // the kind label on its page
  std::string_view FullName;  // what the report and the chart name the kind by
  int Scheme;                 // the engine scheme the kind uses
};

struct CalcScheme {
  int Code;
  std::string_view SoughtVariable;
  std::string_view VariableList;  // before the fixed additions
};

// All kinds in the order of their labels on the pages.
std::span<const CalcKind> CalcKinds();
std::span<const CalcScheme> CalcSchemes();

// Null for a code that is not a kind (0: none chosen) or not a scheme.
const CalcKind* FindCalcKind(int code);
const CalcScheme* FindCalcScheme(int code);

// Round ducts 31211..31226, rectangular ducts 31311..31326.
constexpr bool IsRoundDuctKind(int code) { return code >= 31211 && code <= 31226; }
constexpr bool IsRectangularDuctKind(int code) { return code >= 31311 && code <= 31326; }
constexpr bool IsDuctKind(int code) { return code >= 31211 && code <= 31326; }

// The system page (1 heating .. 4 process) that offers the kind.
constexpr int PageOfKind(int code) {
  const int system = code / 10000;
  return system == 5 ? 4 : system;
}

}  // namespace ovalto
