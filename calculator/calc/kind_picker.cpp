#include "kind_picker.h"

#include <cmath>

#include "grid/grid_build.h"
#include "grid/grid_editors.h"
#include "grid/grid_navigation.h"
#include "grid/place_climate.h"
#include "kinds/calc_kind_setup.h"
#include "kinds/calc_kinds.h"
#include "kinds/kind_markers.h"

namespace ovalto {

KindLabelState* KindLabelOf(CalcSession& session, int code) {
  const auto kinds = CalcKinds();
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (kinds[i].Code == code) return &session.KindLabels[i];
  }
  return nullptr;
}

void ResetKindLabels(CalcSession& session) {
  for (KindLabelState& label : session.KindLabels) {
    if (label.Tag < 0) {
      label.Tag = -1;
      label.Bold = false;
    }
  }
}

void HoverKindLabel(CalcSession& session, int code) {
  if (KindLabelState* label = KindLabelOf(session, code)) label->Bold = true;
  session.HoveredKindCode = code;
}

void HitTestKindLabels(CalcSession& session, int x, int y) {
  for (KindLabelState& label : session.KindLabels) {
    if (label.Tag == -1) label.Bold = false;
  }
  session.HoveredKindCode = 0;
  if (x < 0) return;
  for (const KindLabelPlace& place : kKindLabelPlaces) {
    KindLabelState* label = KindLabelOf(session, place.Code);
    // A kind of another page or one that does not fit the sized object is
    // never picked, whatever the page picture shows.
    if (!label || label->Tag != -1 || !label->Enabled || place.Page != session.PageTag) continue;
    const KindMarkerPoint marker = MarkerOf(place);
    if (std::hypot(x - marker.X, y - marker.Y) < kKindMarkerHitRadius) {
      label->Bold = true;
      session.HoveredKindCode = place.Code;
      return;
    }
  }
}

void PickCalcKind(CalcSession& session, int code, const std::function<void()>& switchView) {
  GridModel& grid = session.Grid;
  grid.bbGetKT.Tag = 0;  // an outer coefficient taken for the last kind no longer holds
  grid.cbWI.Tag = 0;
  session.CbarTag = 0;  // the first run of this kind steps through every row
  ResetKindLabels(session);
  session.CalcKindCode = code;
  if (KindLabelState* label = KindLabelOf(session, code)) {
    label->Tag = -2;
    label->Bold = true;
  }
  SetupCalcKind(session);
  for (VariableRecord& record : session.Variables.Records()) record.Mark = 0;

  switchView();
  const UserAction action(session.Messages);
  BuildInputGrid(session);
  SetGridRow(session, 0);
  SelectNextInputRow(session, true);
  if (IsIndoorKind(session) == 1) session.Variables.SetVariable("Tn", "!", kIndoorTemperature);
  // The ambient and the wind that the last kind took from a settlement still
  // shown are not this kind's: it takes them as if the user chose it again.
  if (grid.cbNP.Visible && grid.cbNP.ItemIndex >= 0) cbNPChange(session);
  grid.cbWI.Tag = session.Variables.VariableRow(session.SoughtVariable);
  if (grid.cbWI.ItemIndex == 0) grid.cbWI.Tag = -grid.cbWI.Tag;
  ShowCalcKindName(session);
}

}  // namespace ovalto
