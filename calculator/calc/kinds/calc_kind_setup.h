// What the chosen calculation kind means for the rest of the screen: its
// scheme, sought variable and grid variables, where it stands and what shape
// it insulates, and its name.
#pragma once

#include "state/calc_session.h"

namespace ovalto {

// Derives CalcSchemeCode, SoughtVariable and VariableList from CalcKindCode.
// While a project object is sized (ObjectKind above 0) its size variables
// are put in front of the list.
void SetupCalcKind(CalcSession& session);

// 1 for an indoor kind, else 0. Decided by the shown page, which is always
// the page of the chosen kind.
int IsIndoorKind(const CalcSession& session);

enum ObjectShapes { kShapePipe = 1, kShapeTank = 2, kShapeRoundDuct = 3, kShapeRectangularDuct = 4 };

// The shape the chosen kind insulates; a flat wall counts as a tank.
int ObjectShape(const CalcSession& session);

// Names the chosen kind in CalcKindName and KindCaption; a code that is not
// a kind leaves both as they are.
void ShowCalcKindName(CalcSession& session);

}  // namespace ovalto
