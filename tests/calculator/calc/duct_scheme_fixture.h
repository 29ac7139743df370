// A chosen kind with its inputs set straight into the variable table and
// the grid's lists, and a call of the engine on it: enough to run one scheme
// without the grid's rules.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "engine/engine.h"
#include "kinds/calc_kind_setup.h"
#include "recording_message_boxes.h"

namespace ovalto {

class DuctSchemeFixture : public ::testing::Test {
 protected:
  void Choose(int kind, std::initializer_list<std::pair<const char*, double>> inputs) {
    session.CalcKindCode = kind;
    SetupCalcKind(session);
    for (const auto& [name, value] : inputs) Set(name, value);
    Pick(session.Grid.cbTI, "KALDERON Corvane DUCT");
    Pick(session.Grid.cbTP, "Без покрытия");
    Pick(session.Grid.cbVV, "воздух");
    session.Grid.cbWI.Items = {"рассчитывается", "указывается"};
    session.Grid.cbWI.ItemIndex = 0;
    session.Grid.cbGW.Items = {"кг/ч", "м/с"};
    session.Grid.cbGW.ItemIndex = 0;
  }
  static void Pick(EditorState& editor, const char* text) {
    editor.Items = {text};
    editor.ItemIndex = 0;
  }
  void Set(const char* name, double value) { session.Variables.Find(name)->Value = value; }
  double Get(const char* name) { return session.Variables.GetVariable(name); }
  void Given(double thickness) {
    session.Grid.cbWI.ItemIndex = 1;
    Set("Wiz", thickness);
  }
  void Run(const std::string& derivedName = "") { RunScheme(session, state, derivedName); }
  const ThicknessStep& StepOf(double thicknessMm) const {
    for (const ThicknessStep& step : state.StdThicknessTable) {
      if (step.ThicknessMm == thicknessMm) return step;
    }
    return state.StdThicknessTable.front();
  }

  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
  EngineState state;
};

}  // namespace ovalto
