// A calculation screen without widgets: a session with a recording engine
// and message boxes, on which a test chooses kinds as the user does.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kind_picker.h"
#include "kinds/calc_kinds.h"
#include "recording_message_boxes.h"
#include "recording_scheme_engine.h"
#include "state/calc_session.h"

namespace ovalto::testing {

struct KindSession {
  KindSession() { Session.Engine = &Engine; }

  // Shows the kind's page and picks the kind there.
  void Choose(int code) {
    Session.PageTag = PageOfKind(code);
    PickCalcKind(Session, code, [] {});
  }

  // The shown variables from the top of the grid down.
  std::vector<std::string> ShownNames() const {
    std::vector<std::string> names(static_cast<std::size_t>(Session.Grid.RowCount()));
    for (const VariableRecord& record : Session.Variables.Records()) {
      if (record.GridRow >= 0) names[static_cast<std::size_t>(record.GridRow)] = record.Name;
    }
    std::vector<std::string> shown;
    for (const std::string& name : names) {
      if (!name.empty()) shown.push_back(name);
    }
    return shown;
  }

  const std::string& Cell(const std::string& name) const {
    return Session.Grid.Values.at(static_cast<std::size_t>(Session.Variables.VariableRow(name)));
  }
  const std::string& Caption(const std::string& name) const {
    return Session.Grid.Captions.at(static_cast<std::size_t>(Session.Variables.VariableRow(name)));
  }
  int Row(const std::string& name) const { return Session.Variables.VariableRow(name); }

  RecordingMessageBoxes Messages;
  RecordingSchemeEngine Engine;
  CalcSession Session{Messages};
};

// Tests of the calculation screen's rules share this fixture.
class KindScreenTest : public ::testing::Test {
 protected:
  KindSession screen;
  CalcSession& session = screen.Session;
  GridModel& grid = screen.Session.Grid;
};

}  // namespace ovalto::testing
