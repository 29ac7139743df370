// Fixed reference data built into the calculator: pipe and duct sizes,
// carried substances, insulation product lines and coverings. Read-only for
// the whole run; row n of a table is element n - 1. Lookups walk a table in
// order, the first exact match wins.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace ovalto {

struct PipeSizeRecord {
  std::string_view Material;
  double OuterDiameterMm;
  double WallMm;
};

struct DuctSizeRecord {
  double DiameterMm;
  double SheetMm;
  double PerimeterM;
  double SectionM2;
};

struct SubstanceRecord {
  std::string_view SubstanceName;
  double Density;       // kg/m³
  double HeatCapacity;  // kJ/(kg·K)
  double FreezingHeat;
  double FreezingPoint;  // °C
};

struct InsulationTypeRecord {
  std::string_view LineName;
  double MinTempC;
  double MaxTempC;
  double Lambda0;      // conductivity at 0 °C, W/(m·K)
  double LambdaSlope;  // conductivity increase per °C
  double RadiationCoefficient;
};

struct CoveringTypeRecord {
  std::string_view ShortCode;
  std::string_view CoveringName;
  double RadiationCoefficient;
  std::string_view SpecText;    // the product standard (ТУ) named in the bill of materials
  std::string_view GroupLabel;  // material group of the bill of materials
};

extern const std::array<PipeSizeRecord, 62> PipeSizeTable;
extern const std::array<DuctSizeRecord, 25> DuctSizeTable;
extern const std::array<SubstanceRecord, 12> SubstanceTable;
extern const std::array<InsulationTypeRecord, 7> InsulationTypeTable;
extern const std::array<CoveringTypeRecord, 5> CoveringTypeTable;

// Outer diameters of a material's pipes in table order; empty for a material
// without rows (such as "Другой").
std::vector<double> PipeDiameters(std::string_view material);
// Wall thicknesses of the material's rows whose diameter equals it exactly.
std::vector<double> PipeWalls(std::string_view material, double outerDiameterMm);
// Sheet thicknesses of the duct rows whose diameter equals it exactly.
std::vector<double> DuctSheets(double diameterMm);

// The first row of that exact name, or null.
const SubstanceRecord* FindSubstance(std::string_view substanceName);
const InsulationTypeRecord* FindInsulationType(std::string_view lineName);
const CoveringTypeRecord* FindCoveringType(std::string_view coveringName);

}  // namespace ovalto
