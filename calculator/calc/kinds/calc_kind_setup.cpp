#include "kinds/calc_kind_setup.h"

#include <string>
#include <vector>

#include "kinds/calc_kinds.h"
#include "state/variable_list.h"

namespace ovalto {

namespace {

bool IsTankKind(int code) { return code > 52000 || (code >= 11210 && code <= 11224); }

// Puts "name," at the head of the list unless the list has that variable.
void PrependMissing(std::string& list, const std::string& name) {
  if (!ListHasVariable(list, name)) list.insert(0, name + ",");
}

// The object's size variables, so a sized object keeps its own sizes.
void PrependObjectSizes(CalcSession& session) {
  std::string& list = session.VariableList;
  const int code = session.CalcKindCode;
  if (ObjectShape(session) != kShapeTank) PrependMissing(list, "L");
  if (IsTankKind(code)) {
    PrependMissing(list, "He");
    PrependMissing(list, "De");
  }
  // A round duct given by a pipe diameter or by its own diameter has its size.
  if (IsRoundDuctKind(code) && !ListHasVariable(list, "Dn") && !ListHasVariable(list, "Dv")) {
    PrependMissing(list, "De");
  }
  if (IsRectangularDuctKind(code)) {
    PrependMissing(list, "Hv");
    PrependMissing(list, "Lv");
  }
}

}  // namespace

void SetupCalcKind(CalcSession& session) {
  session.VariableList.clear();
  session.SoughtVariable.clear();
  const CalcKind* kind = FindCalcKind(session.CalcKindCode);
  session.CalcSchemeCode = kind ? kind->Scheme : session.CalcKindCode;
  if (const CalcScheme* scheme = FindCalcScheme(session.CalcSchemeCode)) {
    session.SoughtVariable = scheme->SoughtVariable;
    session.VariableList = scheme->VariableList;
  }

  // Every kind offers the climate of a settlement and the ambient temperature.
  std::string& list = session.VariableList;
  for (const char* name : {"Rg_", "Np_", "Tn"}) {
    if (!ListHasVariable(list, name)) list += std::string(",") + name;
  }
  // Condensation on a rectangular duct or a cold tank knows its substance.
  if (session.CalcKindCode == 31313 || session.CalcKindCode == 52123) {
    const std::size_t at = list.find("Vv_,");
    if (at != std::string::npos) list.erase(at, 4);
  }
  if (session.ObjectKind > 0) PrependObjectSizes(session);
}

int IsIndoorKind(const CalcSession& session) {
  // Read off the digits of the five-digit code.
  const int code = session.CalcKindCode;
  if (code < 10000 || code > 99999) return 0;
  switch (session.PageTag) {
    case 1:
    case 3:
      return code / 10 % 10 == 1 ? 1 : 0;  // the fourth digit: 1 indoors, 2 outdoors
    case 2:
      return code < 21211 ? 1 : 0;
    case 4:
      return code / 100 == 511 || code / 100 == 521 ? 1 : 0;
    default:
      return 0;
  }
}

int ObjectShape(const CalcSession& session) {
  if (IsRectangularDuctKind(session.CalcKindCode)) return kShapeRectangularDuct;
  if (IsRoundDuctKind(session.CalcKindCode)) return kShapeRoundDuct;
  if (ListHasVariable(session.VariableList, "Dn")) return kShapePipe;
  return kShapeTank;
}

namespace {

// The name as the chart panel shows it: each part of the name on a line of
// its own, with an empty line between.
std::string PanelCaption(std::string_view name) {
  std::string caption(name);
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] == ',') caption.replace(i, 2, "\r\r");
  }
  // The long task word wraps after "энерго".
  const std::size_t at = caption.find("эфф");
  if (at != std::string::npos) caption.insert(at, "- ");
  return caption;
}

}  // namespace

void ShowCalcKindName(CalcSession& session) {
  // Every call of the engine names the kind again: the captions are made once.
  static const std::vector<std::string> kCaptions = [] {
    std::vector<std::string> captions;
    for (const CalcKind& kind : CalcKinds()) captions.push_back(PanelCaption(kind.FullName));
    return captions;
  }();
  const auto kinds = CalcKinds();
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (kinds[i].Code != session.CalcKindCode) continue;
    session.CalcKindName = kinds[i].FullName;
    session.KindCaption = kCaptions[i];
    return;
  }
  session.KindCaption = PanelCaption(session.CalcKindName);
}

}  // namespace ovalto
