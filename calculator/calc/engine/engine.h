// The calculation engine as its callers see it: the grid asks it for one
// dependent input while the user edits, the calculation run asks it for a
// full run of the chosen kind's scheme. It works on the session's variable
// table and grid editors and keeps its own state in State.
#pragma once

#include <stdexcept>
#include <string>

#include "engine/engine_state.h"
#include "state/scheme_engine.h"

namespace ovalto {

struct CalcSession;

// A floating-point step of the engine had no finite result: a division by
// zero, the logarithm of a number that is not positive, a power of a
// negative base, an overflow. Raised at the failing step; whatever the run
// wrote before it stays written.
class CalculationFailure : public std::runtime_error {
 public:
  CalculationFailure();
};

// The text a failed run shows ("\r" is a line break).
extern const char* const kCalculationFailedText;

class CalculationEngine final : public SchemeEngine {
 public:
  explicit CalculationEngine(CalcSession& session) : session_(session) {}

  // derivedName empty: a full run over the standard thicknesses that writes
  // the sought variable, "Wiz" in the calculated mode, the chart values and
  // ChartMode, and unlocks the chart and report outputs; throws
  // CalculationFailure. A variable name ("Liz", "An", "Pb", "Cp", "Rb",
  // "Tz" and, in the duct and condensation schemes, "Tr", "Trv", "Ab"):
  // derive that input only, forced into the table; a failure is shown like
  // any error nothing handles and writes nothing more. A name the scheme
  // does not derive runs the whole scheme.
  void CalculateScheme(const std::string& derivedName) override;

  // 10000 when every shown input passed, else the group (1 to 7) of the
  // input where the walk stopped (input_validation.cpp).
  int ValidateInputs(bool showMessages) override;

  CalcSession& Session() { return session_; }
  EngineState State;

 private:
  CalcSession& session_;
};

// The engine's dispatch on the scheme of the chosen kind; throws
// CalculationFailure. CalculationEngine::CalculateScheme is the guarded
// front of it.
void RunScheme(CalcSession& session, EngineState& state, const std::string& derivedName);

// The outer heat-transfer coefficient from convection and radiation for the
// chosen kind, into state.An and state.OuterRadiationCoefficient. Reads the
// working temperatures a scheme loaded before it.
void CalcOuterCoefficient(CalcSession& session, EngineState& state);

// The first standard step from 0.1 mm upward that is at least x (x itself
// above 120), rounded to a whole millimetre, halves to even.
double RoundToStdThickness(double x);

}  // namespace ovalto
