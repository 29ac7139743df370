// The whole calculation run of one kind without a window, as the screen
// makes it when the user picks the kind, fills the grid from its top down
// (each row left derives the inputs below it, so a typed value stands over
// a derived one) and presses "Расчет". The tests and the benchmark drive the
// calculator through this one call.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "message_box.h"

namespace ovalto {

struct CalcSession;

struct HeadlessInputs {
  int KindCode = 0;  // one of the 54 kinds, such as 11111

  // Inputs by variable name, as typed into the grid: decimal comma ("57",
  // "1,2", "не учитывать"). List variables ("Zn_", "Ms_", "Vv_", "Rg_",
  // "Np_") name the item to choose. An input left out keeps the grid's
  // default or what the grid derives for it (conductivity, outer
  // coefficient, substance properties, wall of a listed pipe size ...).
  // A name the kind does not show is stored as its number, the way the
  // region brings "Ktr" and "Zpl".
  std::map<std::string, std::string> Texts;

  std::string InsulationLine;   // item of the insulation list; empty: the first offered
  std::string Covering;         // item of the covering list; empty: the first offered
  bool ThicknessGiven = false;  // false "рассчитывается", true "указывается" ("Wiz" in Texts)
  bool FlowAsSpeed = false;     // flow "Gm" in m/s instead of kg/h
};

struct HeadlessMessage {
  MessageType Type;
  std::string Text;  // "\r" stands for a line break
  unsigned Buttons;  // MessageButton bits; an error nothing handled shows OK
  // The user's action that showed it: 0 the pick of the kind, then one for
  // each choice in a list and each row left, the last the press of "Расчет".
  int Action = 0;
};

struct HeadlessResult {
  std::map<std::string, double> Values;      // the number of every variable after the run
  std::map<std::string, std::string> Cells;  // the grid text of every shown variable
  std::vector<HeadlessMessage> Messages;     // every box shown, in order; each answered with its first button
  ThicknessTable Chart;                      // the chart values of the 122 thickness steps
  std::uint8_t ChartMode = 0;
  std::vector<CostLine> ChartLines;  // CostLineText writes one as the list holds it
  OutputControls Outputs;            // chart and report outputs as the run left them
};

HeadlessResult RunHeadless(const HeadlessInputs& inputs);

// What the user types into the grid of the chosen kind, from its top down:
// leaving each row derives what lies below it, so a typed value stands over
// a derived one. The window's tests and benchmarks fill its grid this way.
void FillGrid(CalcSession& session, const HeadlessInputs& inputs);

}  // namespace ovalto
