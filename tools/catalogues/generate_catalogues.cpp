// Writes the calculator's two built-in catalogues, "Kalderon" (insulation
// tubes and rolls) and "Pellorit" (coverings and fitting covers), from the
// product rules below, as a C++ source holding both resource texts (code
// page 1251, TAB between columns, CR LF after every line).
//
//   generate_catalogues out.cpp [folder for the two .txt copies]
//
// The rules are written so that every object the calculator can size or
// accept finds its layers, covering and fitting covers; the coverage test
// of the bill of materials holds them to that.
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cp1251.h"
#include "number_format.h"

namespace {

using ovalto::FormatGeneral;

// ---- KALDERON insulation --------------------------------------------------

// Inner diameters of the tubes: for every pipe of the standard series the
// next tube up is at most a few millimetres wider.
const std::vector<double> kTubeInnerDiameters = {6,  8,  10, 12, 15, 18, 22, 25,  28,  35,  42,  45,  48,  54,  57,
                                                 60, 64, 70, 76, 80, 89, 95, 102, 108, 114, 125, 133, 140, 160, 168};
const std::vector<double> kTubeWalls = {6, 9, 13, 20, 25};
// Thin-walled tubes of the special lines, for small pipes only.
const std::vector<double> kThinTubeWalls = {6, 9};
const std::vector<double> kRollThicknesses = {3, 5, 6, 8, 10, 13, 15, 20, 25, 32, 40, 50};
constexpr double kTubeLengthM = 2;

struct InsulationLine {
  std::string Mark;
  double LargestTubeMm;  // 0: the line has no tubes
  const std::vector<double>* TubeWalls;
  double RollWidthM;  // 0: the line has no rolls
};

const std::vector<InsulationLine> kInsulationLines = {
    {"KALDERON Vardo", 168, &kTubeWalls, 1},
    {"KALDERON Vardo Hestan-S", 35, &kThinTubeWalls, 0},
    {"KALDERON Vardo Hestan-K", 35, &kThinTubeWalls, 0},
    {"KALDERON Vardo AL", 0, nullptr, 1},
    {"KALDERON Corvane", 28, &kThinTubeWalls, 0},
    {"KALDERON Corvane DUCT", 0, nullptr, 1.2},
    {"KALDERON Corvane DUCT AL", 0, nullptr, 1.2},
};

// Thicker foam comes in shorter rolls.
double RollLengthM(double thicknessMm) {
  if (thicknessMm <= 5) return 30;
  if (thicknessMm <= 10) return 20;
  if (thicknessMm <= 20) return 15;
  return 10;
}

using Row = std::vector<std::string>;

std::string Number(double value) { return value == 0 ? "" : FormatGeneral(value); }

std::vector<Row> InsulationRows() {
  std::vector<Row> rows;
  for (const InsulationLine& line : kInsulationLines) {
    if (line.LargestTubeMm > 0) {
      for (double wall : *line.TubeWalls) {
        for (double inner : kTubeInnerDiameters) {
          if (inner > line.LargestTubeMm) break;
          const std::string name = "Трубка " + line.Mark + " " + FormatGeneral(inner) + "/" + FormatGeneral(wall) +
                                   "-" + FormatGeneral(kTubeLengthM);
          rows.push_back({line.Mark, name, "м", Number(inner), Number(wall), "", Number(kTubeLengthM), ""});
        }
      }
    }
    if (line.RollWidthM > 0) {
      for (double thickness : kRollThicknesses) {
        const double length = RollLengthM(thickness);
        const std::string name = "Рулон " + line.Mark + " " + FormatGeneral(thickness) + "/" +
                                 FormatGeneral(line.RollWidthM) + "-" + FormatGeneral(length);
        rows.push_back({line.Mark, name, "м2", "", Number(thickness), Number(line.RollWidthM), Number(length), ""});
      }
    }
  }
  return rows;
}

// ---- PELLORIT coverings ---------------------------------------------------

// Outer diameters over the insulation that the rigid covers are made for:
// from the thinnest insulated copper pipe to well past the thickest
// insulation on the largest standard pipe.
std::vector<double> CoverDiameters() {
  std::vector<double> sizes;
  for (double d = 10; d <= 100; d += 5) sizes.push_back(d);
  for (double d = 110; d <= 300; d += 10) sizes.push_back(d);
  for (double d = 320; d <= 500; d += 20) sizes.push_back(d);
  for (double d = 550; d <= 1000; d += 50) sizes.push_back(d);
  return sizes;
}
const std::vector<double> kBendInsulationThicknesses = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
const std::vector<double> kReducerLargeEnds = {25,  32,  40,  50,  63,  80,  100, 125, 160,
                                               200, 250, 315, 400, 500, 630, 800, 1000};
const std::vector<double> kReducerSmallEnds = {10,  15,  20,  25,  32,  40,  50,  63,  80,  100,
                                               125, 160, 200, 250, 315, 400, 500, 630, 800, 1000};
constexpr double kSmallestPipeMm = 6;
// A sheet roll also serves any fitting that has no cover of its own (cut to
// shape), up to this diameter.
constexpr double kSheetRollReachMm = 9999;
constexpr double kNoLimit = 100000;

// Sheet of 0,5 mm up to 450 mm over the insulation, 0,8 mm above.
std::string SheetCode(double diameterMm) { return diameterMm <= 450 ? "05" : "08"; }

struct SheetCovering {
  std::string Mark;
  std::string Code;  // as stamped on the covers: Cyrillic "СТ" for steel, Latin "AL"
};

const std::vector<SheetCovering> kSheetCoverings = {{"PELLORIT CT", "СТ"}, {"PELLORIT AL", "AL"}};
const std::vector<std::string> kFilmCoverings = {"PELLORIT TK", "PELLORIT TK CK"};

Row CoveringRow(const std::string& kind, const std::string& mark, const std::string& name, const std::string& unit,
                double outer, double small, double bend, double bendThickness) {
  return {kind, mark, name, unit, Number(outer), Number(small), Number(bend), Number(bendThickness)};
}

std::vector<Row> CoveringRows() {
  std::vector<Row> rows;
  const std::string none = "Без покрытия";
  // Without covering: the general row first, so that every fitting of an
  // uncovered object stops at it.
  rows.push_back(CoveringRow("", none, "-", "-", 0, 0, 0, 0));
  rows.push_back(CoveringRow("Отвод", none, "-", "-", 0, 0, kNoLimit, kNoLimit));
  rows.push_back(CoveringRow("Тройник", none, "-", "-", kNoLimit, 0, 0, 0));
  rows.push_back(CoveringRow("Торец", none, "-", "-", kNoLimit, 0, 0, 0));
  rows.push_back(CoveringRow("Переход концентрический", none, "-", "-", kNoLimit, kNoLimit, 0, 0));
  rows.push_back(CoveringRow("Переход эксцентрический", none, "-", "-", kNoLimit, kNoLimit, 0, 0));

  // Film coverings come in rolls only and wrap pipes and fittings alike.
  for (const std::string& mark : kFilmCoverings) {
    rows.push_back(CoveringRow("", mark, "Рулон " + mark + " 1000-25", "м2", 0, 0, 0, 0));
  }

  const std::vector<double> diameters = CoverDiameters();
  for (const SheetCovering& sheet : kSheetCoverings) {
    const std::string& c = sheet.Code;
    for (double d : diameters) {
      rows.push_back(CoveringRow("Труба", sheet.Mark,
                                 "Оболочка PELLORIT на трубу Т-" + c + " " + FormatGeneral(d) + "/" + SheetCode(d),
                                 "шт.", d, 0, 0, 0));
    }
    for (double d : diameters) {
      for (double t : kBendInsulationThicknesses) {
        if (d < 2 * t + kSmallestPipeMm) continue;  // no pipe fits inside
        rows.push_back(CoveringRow(
            "Отвод", sheet.Mark,
            "Оболочка PELLORIT на отвод О-" + c + " " + FormatGeneral(d) + "/" + FormatGeneral(t) + "/" + SheetCode(d),
            "шт.", 0, 0, d, t));
      }
    }
    // A tee's cover is reckoned by its area, whatever it is sold in, so it
    // is listed in square metres.
    for (double d : diameters) {
      rows.push_back(CoveringRow("Тройник", sheet.Mark,
                                 "Оболочка PELLORIT на тройник Тр-" + c + " " + FormatGeneral(d) + "/" + SheetCode(d),
                                 "м2", d, 0, 0, 0));
    }
    for (double d : diameters) {
      rows.push_back(CoveringRow("Торец", sheet.Mark,
                                 "Заглушка Торцевая PELLORIT З-" + c + " " + FormatGeneral(d) + "/" + SheetCode(d),
                                 "шт.", d, 0, 0, 0));
    }
    const std::pair<const char*, const char*> reducers[] = {{"Переход концентрический", "ПК-"},
                                                            {"Переход эксцентрический", "ПЭ-"}};
    for (const auto& [kind, prefix] : reducers) {
      for (double large : kReducerLargeEnds) {
        for (double small : kReducerSmallEnds) {
          if (small > large) break;
          rows.push_back(CoveringRow(kind, sheet.Mark,
                                     "Оболочка PELLORIT на переход " + std::string(prefix) + c + " " +
                                         FormatGeneral(large) + "/" + FormatGeneral(small) + "/" + SheetCode(large),
                                     "шт.", large, small, 0, 0));
        }
      }
    }
    // After the covers, so that a fitting takes its own cover when one fits.
    rows.push_back(CoveringRow("", sheet.Mark, "Рулон " + sheet.Mark + " 05-1000", "м2", kSheetRollReachMm, 0, 0, 0));
  }
  return rows;
}

// ---- writing --------------------------------------------------------------

// Every column is followed by a TAB: the program reads a column only when a
// TAB ends it.
std::string ResourceText(const std::string& header, const std::vector<Row>& rows, const std::string& closingLine) {
  std::string text = header + "\r\n";
  for (const Row& row : rows) {
    for (const std::string& field : row) text += field + "\t";
    text += "\r\n";
  }
  text += closingLine;
  return ovalto::Utf8ToCp1251(text);
}

void CheckUniqueNames(const std::vector<Row>& insulation, const std::vector<Row>& coverings) {
  std::set<std::string> seen;
  auto check = [&](const std::string& name) {
    // The program keeps 64 characters of a column.
    if (ovalto::Utf8ToCp1251(name).size() > 64) throw std::runtime_error("name too long: " + name);
    if (name != "-" && !seen.insert(name).second) throw std::runtime_error("name twice: " + name);
  };
  for (const Row& row : insulation) check(row[1]);
  for (const Row& row : coverings) check(row[2]);
}

std::string CppLiteral(const std::string& bytes) {
  std::ostringstream out;
  out << '"';
  int column = 0;
  for (unsigned char c : bytes) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\%03o", c);
    out << escaped;
    if (++column == 40) {
      out << "\"\n    \"";
      column = 0;
    }
  }
  out << '"';
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: generate_catalogues out.cpp [text folder]\n";
    return 2;
  }
  try {
    const std::vector<Row> insulation = InsulationRows();
    const std::vector<Row> coverings = CoveringRows();
    CheckUniqueNames(insulation, coverings);
    const std::string kalderon = ResourceText("Марка теплоизоляции\tНаименование теплоизоляции\tЕд.изм.\t\t\t\t\t",
                                              insulation, "\t\t\t\t\t\t\t\r\n");
    const std::string pellorit = ResourceText(
        "Деталь трубопровода\tМарка покровного материала\tНаименование покровного материала\tЕд.изм.", coverings, "");

    std::ofstream out(argv[1], std::ios::binary);
    out << "// Generated by tools/catalogues from its product rules; do not edit.\n"
        << "#include <string>\n\nnamespace ovalto {\n\n"
        << "// " << insulation.size() << " insulation rows.\n"
        << "const std::string& KalderonResource() {\n  static const std::string text(\n    " << CppLiteral(kalderon)
        << ",\n    " << kalderon.size() << ");\n  return text;\n}\n\n"
        << "// " << coverings.size() << " covering rows.\n"
        << "const std::string& PelloritResource() {\n  static const std::string text(\n    " << CppLiteral(pellorit)
        << ",\n    " << pellorit.size() << ");\n  return text;\n}\n\n}  // namespace ovalto\n";
    if (!out) throw std::runtime_error(std::string(argv[1]) + ": cannot write");
    if (argc > 2) {
      std::ofstream(std::string(argv[2]) + "/Kalderon.txt", std::ios::binary) << kalderon;
      std::ofstream(std::string(argv[2]) + "/Pellorit.txt", std::ios::binary) << pellorit;
    }
    std::cout << "Kalderon: " << insulation.size() << " rows, Pellorit: " << coverings.size() << " rows\n";
  } catch (const std::exception& e) {
    std::cerr << "generate_catalogues: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
