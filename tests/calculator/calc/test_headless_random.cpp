// Random and hostile inputs through the whole calculation of every kind, as a
// user who types anything anywhere: the screen must answer each action with
// at most one box, and must never call a requirement that no layer meets
// thinner than 1 mm.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine_inputs.h"
#include "headless_run.h"
#include "kinds/calc_kinds.h"
#include "number_format.h"
#include "tables/climate_tables.h"

namespace ovalto {
namespace {

using testing::kThinnerThan1;

// The number inputs of all kinds with a range a user might well type; a
// kind ignores what it does not show.
struct NumberInput {
  const char* Name;
  double Low, High;
};
const NumberInput kNumbers[] = {{"Dn", 10, 1000},      {"Dv", 100, 1600}, {"Lv", 100, 2000}, {"De", 200, 5000},
                                {"Hv", 100, 2000},     {"He", 200, 5000}, {"L", 1, 1000},    {"Wst", 0, 10},
                                {"Lst", 0.2, 400},     {"Kdp", 1, 2},     {"Z", 1000, 8760}, {"Tb", -20, 150},
                                {"Zt", 1, 48},         {"Tz", -10, 5},    {"Rb", 100, 400},  {"Kz", 5, 50},
                                {"Pb", 1, 1100},       {"Cp", 0.5, 5},    {"Gm", 1, 5000},   {"T1", -20, 150},
                                {"T2", -20, 150},      {"Zv", 1, 100},    {"Wb", 0.5, 15},   {"Vlv", 10, 100},
                                {"Tn", -50, 40},       {"W", 0, 15},      {"Vla", 10, 100},  {"Liz", 0.03, 0.06},
                                {"An", 5, 30},         {"Tp", 20, 80},    {"Be", 100, 2000}, {"Ktr", 0, 30},
                                {"Zpl", 10000, 80000}, {"Wiz", 1, 150},   {"QL", -60, 100},  {"Qf", -60, 100}};

// Texts nobody should type, and some that are numbers only just.
const char* const kHostileTexts[] = {"",
                                     " ",
                                     "abc",
                                     "1.5",
                                     "1e400",
                                     "-1e400",
                                     "1E-320",
                                     "--5",
                                     "1,2,3",
                                     ",",
                                     "-0",
                                     "нет",
                                     "\t12 ",
                                     "NaN",
                                     "inf",
                                     "1e",
                                     "+",
                                     "0,0001",
                                     "100",
                                     "100,5",
                                     "0",
                                     "-273",
                                     "99999999999999999999"};

const char* const kListItems[] = {"Сталь", "Медь", "Другой", "вода", "воздух", "нефть", "", "KALDERON Vardo"};

class RandomInputs {
 public:
  explicit RandomInputs(unsigned seed) : rng_(seed) {}

  // A third of the runs sensible, a third with a stray text, a third hostile
  // throughout; some with the corners where no layer meets the requirement.
  HeadlessInputs For(int kind) {
    HeadlessInputs in;
    in.KindCode = kind;
    const int hostility = Uniform(0, 2) == 0 ? 0 : Uniform(0, 1) == 0 ? 3 : 30;
    for (const NumberInput& number : kNumbers) {
      const int roll = Uniform(0, 99);
      if (roll < hostility) {
        in.Texts[number.Name] = Pick(kHostileTexts);
      } else if (roll < 60 || !HasDefault(number.Name)) {
        in.Texts[number.Name] = FormatGeneral(RoundHalfEven(Real(number.Low, number.High), Uniform(0, 2)));
      }
    }
    switch (Uniform(0, 7)) {
      case 0:
        in.Texts["QL"] = in.Texts["Qf"] = "0";
        break;
      case 1:
        in.Texts["Tp"] = "25";
        in.Texts["Tn"] = "30";
        break;
      case 2:
        in.Texts["Vla"] = in.Texts["Vlv"] = "100";
        break;
      case 3:
        in.Texts["T2"] = in.Texts.count("T1") ? in.Texts["T1"] + "5" : "150";
        break;
      default:
        break;
    }
    if (Uniform(0, 3) == 0) {
      const auto rows = ClimateTable();
      const ClimateRecord& row = rows[static_cast<std::size_t>(Uniform(0, static_cast<int>(rows.size()) - 1))];
      in.Texts["Rg_"] = std::string(row.Region);
      in.Texts["Np_"] = std::string(row.Settlement);
    }
    for (const char* name : {"Ms_", "Vv_"}) {
      if (Uniform(0, 99) < 5 + hostility) in.Texts[name] = Pick(kListItems);
    }
    in.ThicknessGiven = Uniform(0, 3) == 0;
    in.FlowAsSpeed = Uniform(0, 3) == 0;
    return in;
  }

 private:
  // Left out, these keep what the grid derives or its default.
  static bool HasDefault(std::string_view name) {
    for (const char* each : {"Liz", "An", "Pb", "Cp", "Rb", "Tz", "Wst", "Lst", "Kdp", "Zt", "Kz", "Be", "Ktr", "Zpl",
                             "Z", "Vla", "QL", "Qf"}) {
      if (name == each) return true;
    }
    return false;
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  double Real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(rng_); }
  template <std::size_t N>
  const char* Pick(const char* const (&items)[N]) {
    return items[Uniform(0, static_cast<int>(N) - 1)];
  }

  std::mt19937 rng_;
};

double ValueOf(const HeadlessResult& result, const char* name) { return result.Values.at(name); }

// Requirements that no layer can meet, read from the numbers the run used.
bool RequirementOutOfReach(int kind, const HeadlessResult& result) {
  const double tn = ValueOf(result, "Tn");
  switch (kind % 10) {
    case 1: {  // a norm of 0 asks for no heat flow at all
      const double norm = ValueOf(result, result.Cells.count("QL") ? "QL" : "Qf");
      return norm == 0 && ValueOf(result, "Tb") != tn;
    }
    case 2:  // a surface kept at or below the ambient
      return ValueOf(result, "Tb") > tn && ValueOf(result, "Tp") <= tn;
    case 3:  // saturated air outside
      return ValueOf(result, "Vla") >= 100;
    case 4: {  // an end beyond the start, seen from the ambient
      const double t1 = ValueOf(result, "T1");
      const double t2 = ValueOf(result, "T2");
      return t1 >= tn ? t2 > t1 : t2 < t1;
    }
    case 6:  // saturated air inside
      return ValueOf(result, "Vlv") >= 100;
    default:
      return false;
  }
}

TEST(HeadlessRandom, OneBoxAnActionAndNoThinLayerForARequirementOutOfReach) {
  RandomInputs random(20261209);
  constexpr int kRunsPerKind = 30;
  for (const CalcKind& kind : CalcKinds()) {
    for (int run = 0; run < kRunsPerKind; ++run) {
      const HeadlessInputs in = random.For(kind.Code);
      const HeadlessResult result = RunHeadless(in);

      std::map<int, int> boxesOfAction;
      for (const HeadlessMessage& message : result.Messages) ++boxesOfAction[message.Action];
      for (const auto& [action, boxes] : boxesOfAction) {
        ASSERT_LE(boxes, 1) << "kind " << kind.Code << ", run " << run << ", action " << action << ": "
                            << result.Messages.front().Text;
      }
      if (testing::Shows(result, kThinnerThan1)) {
        ASSERT_FALSE(RequirementOutOfReach(kind.Code, result)) << "kind " << kind.Code << ", run " << run;
      }
    }
  }
}

}  // namespace
}  // namespace ovalto
