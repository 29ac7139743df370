#include "objects/sizing_kinds.h"

#include "kinds/calc_kind_setup.h"
#include "kinds/calc_kinds.h"
#include "objects/object_params.h"

namespace ovalto {

bool KindFitsObject(CalcSession& session, int objectKind, int code) {
  session.ObjectKind = objectKind;
  session.CalcKindCode = code;
  SetupCalcKind(session);
  const bool fits = [&] {
    switch (objectKind) {
      case kPipelineObject:
        return session.VariableList.find("Dn,") != std::string::npos;
      case kTankObject:
        // Round ducts list "De" too, but size no tank: their formulas know
        // no height.
        return session.VariableList.find("De,") != std::string::npos && !IsDuctKind(code);
      case kRectangularDuctObject:
        return IsRectangularDuctKind(code);
      default:
        return IsRoundDuctKind(code);
    }
  }();
  session.CalcKindCode = 0;
  return fits;
}

void OfferKindsForObject(CalcSession& session, int objectKind) {
  const std::span<const CalcKind> kinds = CalcKinds();
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (session.KindLabels[i].Tag < 0)
      session.KindLabels[i].Enabled = KindFitsObject(session, objectKind, kinds[i].Code);
  }
  SetupCalcKind(session);
}

int SizingPage(int objectKind) { return objectKind >= kRectangularDuctObject ? 3 : 1; }

}  // namespace ovalto
