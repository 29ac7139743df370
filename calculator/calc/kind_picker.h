// Picking a calculation kind with the mouse: the kind labels of the system
// pages and the markers on the page pictures.
#pragma once

#include <functional>

#include "state/calc_session.h"

namespace ovalto {

// The state of the kind's label; null for a code that is not a kind.
KindLabelState* KindLabelOf(CalcSession& session, int code);

// No kind chosen any more: every chosen or selectable label becomes
// selectable and plain.
void ResetKindLabels(CalcSession& session);

// The mouse is over the kind's own label.
void HoverKindLabel(CalcSession& session, int code);

// The mouse is at (x, y) of the shown page (x < 0: outside the pictures).
// Bolds and hovers the kind whose marker lies within reach, considering
// only the enabled, selectable labels of the shown page.
void HitTestKindLabels(CalcSession& session, int x, int y);

// Makes code the chosen kind and lays out its grid. switchView shows the
// parameter panel (the window's part) before the grid is built.
void PickCalcKind(CalcSession& session, int code, const std::function<void()>& switchView);

}  // namespace ovalto
