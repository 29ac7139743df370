#include "engine/calculation_run.h"

#include "engine/scheme_frame.h"
#include "grid/grid_navigation.h"
#include "kinds/calc_kind_setup.h"
#include "state/variable_list.h"

namespace ovalto {

namespace {

// The cold heat-flow kinds size against a heat gain, which only a negative
// norm expresses.
bool HasWrongSign(CalcSession& session) {
  const int code = session.CalcKindCode;
  if (code != 21121 && code != 21211 && code != 51121 && code != 52121) return false;
  return session.Variables.GetVariable(ListHasVariable(session.VariableList, "QL") ? "QL" : "Qf") >= 0;
}

void WarnOfWrongSign(CalcSession& session) {
  session.Messages.Show(MessageType::Warning,
                        "Для этого типа расчета необходимо указать\rотрицательное значение теплового потока !",
                        kButtonCancel);
}

// A calculated thickness goes up to the next step of the object's series;
// a pipe over 35 mm takes no tube thinner than 9 mm.
void RoundThicknessToSeries(CalcSession& session, const EngineState& state) {
  VariableTable& variables = session.Variables;
  double thickness = variables.GetVariable("Wiz");
  if (thickness < 1) {
    variables.SetVariable("Wiz", "!", 0);
    session.Messages.Show(MessageType::Warning,
                          "Требуемая толщина изоляции менее 1 мм.\r\rПроверьте введенные данные для расчета !",
                          kButtonOk);
    return;
  }
  const std::uint8_t series = ObjectShape(session) < kShapeRoundDuct ? kPipeTankSeries : kDuctSeries;
  for (std::size_t i = 1; i < state.StdThicknessTable.size(); ++i) {
    const ThicknessStep& step = state.StdThicknessTable[i];
    if ((step.SeriesFlags & series) && step.ThicknessMm >= thickness) {
      thickness = step.ThicknessMm;
      variables.SetVariable("Wiz", "!", thickness);
      break;
    }
  }
  if (ListHasVariable(session.VariableList, "Dn") && variables.GetVariable("Dn") > 35 && thickness < 9) {
    variables.SetVariable("Wiz", "!", 9);
  }
}

// The first press for a kind steps down to the last row; each step leaves
// a row, which derives what lies below it.
void StepThroughGrid(CalcSession& session) {
  while (session.Grid.CurrentRow < session.Grid.RowCount() - 1) {
    const int row = session.Grid.CurrentRow;
    SelectNextInputRow(session, true);
    if (session.Grid.CurrentRow == row) break;
  }
}

// The grid derives nothing while a run steps through it and checks its
// inputs. Every way the run ends lets the grid derive again.
class CalculatingMark {
 public:
  explicit CalculatingMark(CalcSession& session) : session_(session) { session_.CalkTag = 1; }
  ~CalculatingMark() { session_.CalkTag = 0; }
  CalculatingMark(const CalculatingMark&) = delete;
  CalculatingMark& operator=(const CalculatingMark&) = delete;

 private:
  CalcSession& session_;
};

// The check, the sign rule of the cold kinds and the engine's full run. A
// failed check or a failed run has said what is wrong; no thickness was
// computed, so neither the sign rule nor the thickness messages follow.
enum class RunEnd { Completed, Failed, WrongSign };

RunEnd CheckAndCalculate(CalcSession& session, CalculationEngine& engine) {
  const CalculatingMark calculating(session);
  // A calculated thickness meets the typed norm, so a norm of the wrong
  // sign is refused before anything is computed. A given thickness yields
  // the flow: its sign is known only after the run, whose result is then
  // not offered beside the warning.
  const bool normTyped = ScanMode(session) == ThicknessMode::Calculated;
  try {
    if (engine.ValidateInputs(true) != kAllInputsValid) return RunEnd::Failed;
    if (normTyped && HasWrongSign(session)) {
      WarnOfWrongSign(session);
      return RunEnd::WrongSign;
    }
    RunScheme(session, engine.State, "");
  } catch (const CalculationFailure& failure) {
    session.Messages.Show(MessageType::Warning, failure.what(), kButtonCancel);
    return RunEnd::Failed;
  }
  if (!normTyped && HasWrongSign(session)) {
    engine.State.Outputs = {};
    WarnOfWrongSign(session);
    return RunEnd::WrongSign;
  }
  return RunEnd::Completed;
}

}  // namespace

bool RunCalculation(CalcSession& session, CalculationEngine& engine, const std::function<void(bool busy)>& busy) {
  // The press is one action, however many rows its first time steps through.
  const UserAction press(session.Messages);
  VariableTable& variables = session.Variables;
  SelectNextInputRow(session, true);
  if (session.CbarTag != session.CalcKindCode) {
    if (busy) busy(true);
    StepThroughGrid(session);
    if (busy) busy(false);
    session.CbarTag = session.CalcKindCode;
  }

  const RunEnd end = CheckAndCalculate(session, engine);
  if (end == RunEnd::WrongSign) return false;
  const bool completed = end == RunEnd::Completed;
  session.Grid.bbGetKT.Tag = 0;

  // The values of this run become the defaults the grid shows next time.
  for (VariableRecord& record : variables.Records()) {
    if (record.GridRow > 0)
      record.RememberedText = record.ValueType == 'F' ? variables.NumberText(record) : record.Text;
  }

  if (!completed || ScanMode(session) != ThicknessMode::Calculated) return completed;
  if (variables.GetVariable("Wiz") >= 120) {
    engine.State.Outputs.Print = false;
    engine.State.Outputs.Excel = false;
    session.Messages.Show(MessageType::Warning,
                          "Рассчитанная толщина изоляции превышает 120 мм.\r\rПроверьте введенные данные для расчета !",
                          kButtonCancel);
  }
  RoundThicknessToSeries(session, engine.State);
  return completed;
}

}  // namespace ovalto
