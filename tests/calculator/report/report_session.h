// A calculation screen whose grid shows fourteen rows: five groups with nine
// variables, values as a run leaves them. The report's tests print it.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "recording_message_boxes.h"
#include "state/calc_session.h"

namespace ovalto::testing {

struct ReportSession {
  ReportSession() {
    VariableTable& variables = Session.Variables;
    for (VariableRecord& record : variables.Records()) record.GridRow = -1;
    const std::vector<std::string> shown = {"Dn", "Tb", "Gm", "Rg_", "Np_", "Tn", "Ti_", "Liz", "Wiz"};
    GridModel& grid = Session.Grid;
    grid.Resize(14);
    int row = 0;
    int lastGroup = 0;
    for (VariableRecord& record : variables.Records()) {
      if (std::find(shown.begin(), shown.end(), record.Name) == shown.end()) continue;
      if (record.Group != lastGroup) {
        lastGroup = record.Group;
        grid.Captions[static_cast<std::size_t>(row++)] = "";  // the group's header line
      }
      record.GridRow = static_cast<std::int16_t>(row);
      grid.Captions[static_cast<std::size_t>(row++)] = record.Caption;
    }
    variables.Find("Dn")->Value = 57;
    variables.Find("Tb")->Value = 0.12345;
    variables.Find("Gm")->Value = 2;
    variables.Find("Tn")->Value = -2.5;
    variables.Find("Ti_")->Text = "KALDERON Vardo";
    variables.Find("Liz")->Value = 0.048;
    variables.Find("Wiz")->Value = 20;
    grid.cbGW.Items = {"кг/ч", "м/с"};
    grid.cbGW.SelectText("кг/ч");
    grid.cbRG.Text = "Республика Адыгея";
    grid.cbNP.Text = "Майкоп";
    Session.CalcKindName = "Отопление, трубопровод, в помещении, тепловой поток";
  }

  RecordingMessageBoxes Messages;
  CalcSession Session{Messages};
};

}  // namespace ovalto::testing
