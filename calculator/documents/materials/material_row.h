// The bill of materials as the documents print it: one row per insulation
// layer, covering, fitting insulation, fitting cover or accessory, grouped by
// system and object in the order of the project tree.
#pragma once

#include <string>
#include <vector>

namespace ovalto {

// Which document the rows are for; it changes only the group label of the
// accessory rows.
enum class DocumentKind { InstallationList = 0, MaterialSchedule = 1 };

struct MaterialRow {
  // Insulation rows: "Изделие теплоизоляционное из вспененного полиэтилена";
  // covering rows: the covering's material group; a fitting's rows: its
  // label (" Отвод=4", leading blank); accessory rows: "Аксессуар" in the
  // materials schedule, empty or the fitting's label in the installation list.
  std::string GroupLabel;
  std::string MakerLine;   // maker, a line feed and the standard; "KALDERON" on accessories
  std::string Name;        // article name as printed
  double ThicknessMm = 0;  // insulation layer thickness; 0 on covering and accessory rows
  double Quantity = 0;     // in Unit
  std::string Unit;        // "м", "кв.м.", "шт.", "л" …
  // Index of the object's node in the tree (depth-first, root 0); the rows
  // of its fittings and accessories carry it too.
  int NodeIndex = 0;
  double SizeMm = 0;            // the object's diameter or width, on its first row only
  double LengthM = 0;           // the object's length (a tank's height in m), on its first row only
  double CoverThicknessMm = 0;  // 0,5 on covering rows
  std::string DrawingCode;      // typical installation drawing; empty on accessory rows
};

// The materials schedule's form: rows of the same Name (case-sensitive) summed
// into the first of them, rows without a positive quantity dropped, order
// kept.
std::vector<MaterialRow> MergeByName(const std::vector<MaterialRow>& rows);

// A quantity as the documents print it: to hundredths, an exact half to the
// even neighbour, judged on the decimal value the arithmetic meant
// (0,0425 × 2 prints 0,08).
double RoundQuantity(double quantity);

// The documents' floor for litres: a row in "л" below 0,01 prints 0,01.
void RaiseSmallLitres(std::vector<MaterialRow>& rows);

}  // namespace ovalto
