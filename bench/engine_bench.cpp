// Speed of one calculation run of each kind, from the pick of the kind to
// the results in the grid, as the user gets it from one press of
// "Расчет". Run with --benchmark_repetitions=N for medians.
#include <benchmark/benchmark.h>

#include "headless_run.h"

namespace {

// Cold water, conditioning and cold process kinds carry a substance below
// the ambient and size against a heat gain.
bool IsCold(int kind) {
  return (kind >= 21121 && kind <= 21215) || kind == 31111 || kind == 31113 || kind == 31121 || kind == 31213 ||
         kind == 31313 || kind == 51121 || kind == 51123 || kind == 51124 || kind == 52121 || kind == 52123 ||
         kind == 52124;
}

// Ducts carry air: warm air through the heat-flow and temperature-change
// kinds, humid air of 20 °C where it must not condense inside.
bool IsDuct(int kind) { return kind / 100 == 312 || kind / 100 == 313; }

ovalto::HeadlessInputs InputsOf(int kind) {
  const bool cold = IsCold(kind);
  ovalto::HeadlessInputs in;
  in.KindCode = kind;
  in.Texts = {{"Ms_", "Сталь"},
              {"Dn", "60"},
              {"De", "1000"},
              {"He", "2000"},
              {"Tb", cold ? "5" : "90"},
              {"Tn", "-10"},
              {"W", "5"},
              {"Z", "8760"},
              {"QL", cold ? "-8" : "40"},
              {"Qf", cold ? "-20" : "40"},
              {"Vv_", "вода"},
              {"L", "100"},
              {"Gm", "1000"},
              {"T1", cold ? "5" : "90"},
              {"T2", cold ? "8" : "80"},
              {"Zv", "24"},
              {"Tz", "0"},
              {"Tp", "35"}};
  if (kind % 10 == 5) in.Texts["Tb"] = "5";  // freeze protection: standing water
  in.Texts.insert({{"Dv", "250"}, {"Lv", "400"}, {"Hv", "200"}, {"Wb", "5"}, {"Vla", "60"}, {"Vlv", "60"}});
  if (kind % 10 == 3) in.Texts["Tn"] = "20";  // condensation outside: the room's air
  if (IsDuct(kind)) in.Texts["Vv_"] = "воздух";
  if (IsDuct(kind) && !IsCold(kind)) {
    in.Texts["De"] = "250";
    in.Texts["QL"] = "48";
    in.Texts["L"] = "50";
    in.Texts["Tb"] = kind % 10 == 6 ? "20" : "40";
    in.Texts["T1"] = "40";
    in.Texts["T2"] = "35";
  }
  return in;
}

void CalculationRun(benchmark::State& state) {
  const ovalto::HeadlessInputs inputs = InputsOf(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ovalto::RunHeadless(inputs));
}

}  // namespace

BENCHMARK(CalculationRun)
    ->ArgName("kind")
    ->Args({11110})
    ->Args({11111})
    ->Args({11112})
    ->Args({11114})
    ->Args({11120})
    ->Args({11121})
    ->Args({11124})
    ->Args({11125})
    ->Args({11210})
    ->Args({11211})
    ->Args({11212})
    ->Args({11214})
    ->Args({11220})
    ->Args({11221})
    ->Args({11224})
    ->Args({21111})
    ->Args({21112})
    ->Args({21114})
    ->Args({21121})
    ->Args({21124})
    ->Args({21211})
    ->Args({21214})
    ->Args({21215})
    ->Args({31111})
    ->Args({31121})
    ->Args({21123})
    ->Args({31113})
    ->Args({31213})
    ->Args({51123})
    ->Args({31313})
    ->Args({52123})
    ->Args({31211})
    ->Args({31221})
    ->Args({31311})
    ->Args({31321})
    ->Args({31224})
    ->Args({31324})
    ->Args({31226})
    ->Args({31326})
    ->Args({51111})
    ->Args({51112})
    ->Args({51114})
    ->Args({51121})
    ->Args({51124})
    ->Args({51211})
    ->Args({51214})
    ->Args({51215})
    ->Args({52111})
    ->Args({52112})
    ->Args({52114})
    ->Args({52121})
    ->Args({52124})
    ->Args({52211})
    ->Args({52214})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
