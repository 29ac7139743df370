// Sizing an object of a project on the calculation screen: only the kinds
// that fit the object are offered, on the page where they stand.
#pragma once

#include "state/calc_session.h"

namespace ovalto {

// Whether the kind sizes an object of that kind: a pipeline needs the
// pipe diameter "Dn", a tank its diameter "De" (and is no duct), each duct
// its own kinds.
bool KindFitsObject(CalcSession& session, int objectKind, int code);

// Enables exactly the kind labels that fit the object and leaves no kind
// chosen; session.ObjectKind becomes the object's kind.
void OfferKindsForObject(CalcSession& session, int objectKind);

// The system page (1 heating .. 4 process) where the object's kinds begin.
int SizingPage(int objectKind);

}  // namespace ovalto
