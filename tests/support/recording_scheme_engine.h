// Stands in for the calculation engine: keeps every call the grid makes and
// answers the input check with a preset result.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "state/scheme_engine.h"

namespace ovalto::testing {

class RecordingSchemeEngine : public SchemeEngine {
 public:
  std::vector<std::string> Derived;  // names of CalculateScheme, in order
  int Validations = 0;
  int ValidResult = kAllInputsValid;
  std::function<void(const std::string&)> OnCalculate;  // sees the screen as the engine would

  void CalculateScheme(const std::string& derivedName) override {
    Derived.push_back(derivedName);
    if (OnCalculate) OnCalculate(derivedName);
  }
  int ValidateInputs(bool) override {
    ++Validations;
    return ValidResult;
  }
};

}  // namespace ovalto::testing
