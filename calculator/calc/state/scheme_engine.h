// What the parameter grid asks of the calculation engine. The engine lives
// elsewhere; the grid only knows these two calls, so it is tested with a
// recording stand-in.
#pragma once

#include <string>

namespace ovalto {

class SchemeEngine {
 public:
  virtual ~SchemeEngine() = default;

  // Derives the one input of that name ("Liz", "An", "Pb", "Cp", "Rb", "Tz",
  // "Tr", "Trv", "Ab") or, with the empty name, makes a full run.
  virtual void CalculateScheme(const std::string& derivedName) = 0;

  // 10000 when every shown input is valid, else the group (1..7) of the
  // first invalid one.
  virtual int ValidateInputs(bool showMessages) = 0;
};

// The result of ValidateInputs when every shown input passed.
constexpr int kAllInputsValid = 10000;

}  // namespace ovalto
