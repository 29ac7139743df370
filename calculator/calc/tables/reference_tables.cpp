#include "tables/reference_tables.h"

namespace ovalto {

namespace {

// The material texts are the items of the material list on the screen, which
// is how a row is chosen.
constexpr std::string_view kSteel = "Сталь";
constexpr std::string_view kCopper = "Медь";
constexpr std::string_view kPolypropylene = "Полипропилен";
constexpr std::string_view kPolyethylene = "Полиэтилен";
constexpr std::string_view kMetalPlastic = "Металлопластик";

constexpr std::string_view kCoveringStandard = "ТУ 5774-009-31862706-2010";
constexpr std::string_view kMetalSheathing = "Оболочка металлическая тонколистовая";

}  // namespace

const std::array<PipeSizeRecord, 62> PipeSizeTable = {{
    {kSteel, 10.2, 2},
    {kSteel, 13.5, 2.2},
    {kSteel, 17, 2.2},
    {kSteel, 21.3, 2.8},
    {kSteel, 26.8, 2.8},
    {kSteel, 33.5, 3.2},
    {kSteel, 42.3, 3.2},
    {kSteel, 48, 3.5},
    {kSteel, 60, 3.5},
    {kSteel, 75.5, 4},
    {kSteel, 88.5, 4},
    {kSteel, 101.3, 4},
    {kSteel, 114, 4.5},
    {kSteel, 140, 4.5},
    {kSteel, 165, 4.5},
    {kCopper, 6, 1},
    {kCopper, 8, 1},
    {kCopper, 10, 1},
    {kCopper, 12, 1},
    {kCopper, 15, 1},
    {kCopper, 18, 1},
    {kCopper, 22, 1},
    {kCopper, 28, 1.5},
    {kCopper, 35, 1.5},
    {kCopper, 42, 1.5},
    {kCopper, 54, 2},
    {kPolypropylene, 12, 1.8},
    {kPolypropylene, 16, 2.3},
    {kPolypropylene, 20, 2.8},
    {kPolypropylene, 25, 3.5},
    {kPolypropylene, 32, 4.5},
    {kPolypropylene, 40, 5.6},
    {kPolypropylene, 50, 6.9},
    {kPolypropylene, 63, 8.7},
    {kPolypropylene, 75, 10.4},
    {kPolypropylene, 90, 12.5},
    {kPolypropylene, 110, 15.2},
    {kPolypropylene, 125, 17.1},
    {kPolypropylene, 140, 19.2},
    {kPolypropylene, 160, 21.9},
    {kPolyethylene, 16, 2},
    {kPolyethylene, 20, 2},
    {kPolyethylene, 25, 2.3},
    {kPolyethylene, 32, 2.9},
    {kPolyethylene, 40, 3.7},
    {kPolyethylene, 50, 4.6},
    {kPolyethylene, 63, 5.8},
    {kPolyethylene, 75, 6.9},
    {kPolyethylene, 90, 8.2},
    {kPolyethylene, 110, 10},
    {kMetalPlastic, 14, 2},
    {kMetalPlastic, 16, 2},
    {kMetalPlastic, 18, 2},
    {kMetalPlastic, 20, 2.25},
    {kMetalPlastic, 25, 2.5},
    {kMetalPlastic, 32, 3},
    {kMetalPlastic, 40, 4},
    {kMetalPlastic, 50, 4.5},
    {kMetalPlastic, 63, 6},
    {kMetalPlastic, 75, 7.5},
    {kMetalPlastic, 90, 8.5},
    {kMetalPlastic, 110, 10},
}};

// Perimeter and section are kept with the sizes although the calculation
// reads only diameter and sheet.
const std::array<DuctSizeRecord, 25> DuctSizeTable = {{
    {100, 0.5, 0.32, 0.008}, {125, 0.5, 0.4, 0.012},  {140, 0.5, 0.44, 0.018},  {160, 0.5, 0.51, 0.02},
    {180, 0.5, 0.57, 0.028}, {200, 0.5, 0.63, 0.031}, {250, 0.5, 0.79, 0.049},  {280, 0.5, 0.88, 0.062},
    {315, 0.5, 0.99, 0.078}, {355, 0.7, 1.12, 0.099}, {400, 0.7, 1.26, 0.126},  {450, 0.7, 1.42, 0.159},
    {500, 0.7, 1.58, 0.196}, {560, 0.7, 1.76, 0.246}, {630, 0.7, 1.98, 0.312},  {710, 0.7, 2.24, 0.396},
    {800, 0.7, 2.52, 0.501}, {900, 1, 2.83, 0.636},   {1000, 1, 3.15, 0.786},   {1120, 1, 3.52, 0.985},
    {1250, 1, 3.93, 1.227},  {1400, 1.2, 4.4, 1.539}, {1600, 1.2, 5.03, 2.011}, {1800, 1.4, 5.65, 2.26},
    {2000, 1.4, 6.28, 2.51},
}};

// Row 1 serves the duct kinds, row 2 freeze protection, rows 2 to 12 the rest.
const std::array<SubstanceRecord, 12> SubstanceTable = {{
    {"воздух", 1.205, 1.005, 0, 0},
    {"вода", 998, 4.182, 332, 0},
    {"аммиак", 823, 4.7, 339, -78},
    {"этиловый спирт", 794, 2.43, 105, -114},
    {"водно-спиртовой раствор 10%", 982, 4.04, 0, -4},
    {"водно-спиртовой раствор 20%", 965, 3.9, 0, -9},
    {"водно-спиртовой раствор 30%", 949, 3.76, 0, -15},
    {"водно-спиртовой раствор 40%", 933, 3.63, 0, -23},
    {"этилен-гликоль 20%", 1036, 3.87, 0, -8},
    {"этилен-гликоль 35%", 1063, 3.56, 0, -18},
    {"этилен-гликоль 50%", 1092, 3.19, 0, -34},
    {"нефть", 853, 2.13, 2.13, -14},
}};

// The foil-faced "AL" lines carry their own low radiation coefficient and
// take no covering.
const std::array<InsulationTypeRecord, 7> InsulationTypeTable = {{
    {"KALDERON Vardo", -40, 100, 0.035, 0.0002, 5.2},
    {"KALDERON Vardo Hestan-S", -40, 100, 0.035, 0.0002, 5.2},
    {"KALDERON Vardo Hestan-K", -40, 100, 0.035, 0.0002, 5.2},
    {"KALDERON Vardo AL", -40, 100, 0.035, 0.0002, 0.35},
    {"KALDERON Corvane", -40, 100, 0.038, 0.0002, 5.2},
    {"KALDERON Corvane DUCT", -40, 80, 0.038, 0.0002, 5.2},
    {"KALDERON Corvane DUCT AL", -40, 80, 0.038, 0.0002, 0.35},
}};

// Codes and product names are in Latin letters; row 1 stands for no covering.
const std::array<CoveringTypeRecord, 5> CoveringTypeTable = {{
    {"--", "Без покрытия", 5.2, "", ""},
    {"TK", "PELLORIT TK", 0.35, kCoveringStandard, "Покровный материал"},
    {"TK", "PELLORIT TK CK", 0.35, kCoveringStandard, "Покровный материал самоклеящийся"},
    {"CT", "PELLORIT CT", 1.6, kCoveringStandard, kMetalSheathing},
    {"AL", "PELLORIT AL", 1.2, kCoveringStandard, kMetalSheathing},
}};

std::vector<double> PipeDiameters(std::string_view material) {
  std::vector<double> diameters;
  for (const PipeSizeRecord& row : PipeSizeTable) {
    if (row.Material == material) diameters.push_back(row.OuterDiameterMm);
  }
  return diameters;
}

std::vector<double> PipeWalls(std::string_view material, double outerDiameterMm) {
  std::vector<double> walls;
  for (const PipeSizeRecord& row : PipeSizeTable) {
    if (row.Material == material && row.OuterDiameterMm == outerDiameterMm) {
      walls.push_back(row.WallMm);
    }
  }
  return walls;
}

std::vector<double> DuctSheets(double diameterMm) {
  std::vector<double> sheets;
  for (const DuctSizeRecord& row : DuctSizeTable) {
    if (row.DiameterMm == diameterMm) sheets.push_back(row.SheetMm);
  }
  return sheets;
}

namespace {

template <typename Record, std::size_t N, typename Key>
const Record* FindByName(const std::array<Record, N>& table, Key key, std::string_view name) {
  for (const Record& row : table) {
    if (row.*key == name) return &row;
  }
  return nullptr;
}

}  // namespace

const SubstanceRecord* FindSubstance(std::string_view substanceName) {
  return FindByName(SubstanceTable, &SubstanceRecord::SubstanceName, substanceName);
}

const InsulationTypeRecord* FindInsulationType(std::string_view lineName) {
  return FindByName(InsulationTypeTable, &InsulationTypeRecord::LineName, lineName);
}

const CoveringTypeRecord* FindCoveringType(std::string_view coveringName) {
  return FindByName(CoveringTypeTable, &CoveringTypeRecord::CoveringName, coveringName);
}

}  // namespace ovalto
