#include "materials/bill_of_materials.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "catalogues/catalogue_index.h"
#include "materials/accessories.h"
#include "materials/covering_search.h"
#include "materials/decimal_rounding.h"
#include "materials/drawing_codes.h"
#include "materials/fitting_area.h"
#include "materials/insulation_layers.h"
#include "materials/tree_lines.h"
#include "number_format.h"
#include "tables/reference_tables.h"
#include "text_case.h"

namespace ovalto {

namespace {

constexpr double kPi = std::numbers::pi;
// Far more rows than any real object needs (a few layers, each copied onto
// its fittings); more come only from a thickness no object has. The whole
// list is bounded too, so that a stored project can never exhaust memory.
constexpr std::size_t kMaxObjectRows = 2000;
constexpr std::size_t kMaxRows = 200000;
// The details dialog takes seven digits.
constexpr double kLargestDetailCount = 9999999;
constexpr std::size_t kDrawingCodeChars = 18;
constexpr std::size_t kMakerLineChars = 59;
constexpr double kCoverSheetMm = 0.5;

const std::string kInsulationGroup = "Изделие теплоизоляционное из вспененного полиэтилена";
const std::string kInsulationMaker = "KALDERON\nCTO 31862740-002-2009";

// Ends the build with a message for the user.
struct BuildStop : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool MetalSheetCovering(const std::string& coveringType) {
  return Contains(coveringType, "CT") || Contains(coveringType, "AL");
}
bool FilmCovering(const std::string& coveringType) { return Contains(coveringType, " TK"); }
bool OpenAir(const std::string& purpose) { return Contains(purpose, " О"); }

// Row of the covering table by name (any case); -1 when none.
int CoveringTypeRow(const std::string& coveringType) {
  for (std::size_t row = 0; row < CoveringTypeTable.size(); ++row) {
    if (SameText(CoveringTypeTable[row].CoveringName, coveringType)) return static_cast<int>(row);
  }
  return -1;
}

std::string CoveringMakerLine(int coveringRow) {
  const std::string line =
      "PELLORIT\n" + std::string(CoveringTypeTable[static_cast<std::size_t>(coveringRow)].SpecText);
  return std::string(FirstChars(line, kMakerLineChars));
}

// Area (or length) of material over the object: D and H already include
// the layer or covering.
double ObjectQuantity(int kind, double lengthM, double d, double h, bool tube) {
  switch (kind) {
    case kImagePipeline:
      return tube ? lengthM : kPi * lengthM * d / 1000;
    case kImageTank:
      return kPi * (h / 1000) * (d / 1000) + 2 * (d / 1000) * (d / 1000);
    case kImageRectangularDuct:
      return 2 * lengthM * (d / 1000 + h / 1000);
    case kImageCylindricalDuct:
      return kPi * lengthM * (d / 1000);
    default:
      return 0;
  }
}

double ScrewsPerFitting(int image) {
  switch (image) {
    case kBend:
      return 10;
    case kTee:
      return 12;
    case kConcentricReducer:
    case kEccentricReducer:
      return 3;
    case kEndCap:
      return 2;
    default:
      return 0;  // flanges and valves take no sheet covering
  }
}

class Builder {
 public:
  Builder(const std::vector<FlatTreeNode>& tree, const Catalogues& catalogues, DocumentKind document,
          BillOfMaterials& result)
      : tree_(tree), index_(catalogues), document_(document), result_(result) {}

  void Run() {
    for (std::size_t system = 1; system < tree_.size(); ++system) {
      if (tree_[system].Level != 1) continue;
      for (std::size_t object : Children(system)) {
        const int image = tree_[object].Image;
        if (image >= kImagePipeline && image <= kImageCylindricalDuct) ProcessObject(object);
      }
    }
  }

 private:
  std::vector<std::size_t> Children(std::size_t node) const {
    std::vector<std::size_t> children;
    const int level = tree_[node].Level;
    for (std::size_t i = node + 1; i < tree_.size() && tree_[i].Level > level; ++i) {
      if (tree_[i].Level == level + 1) children.push_back(i);
    }
    return children;
  }

  void Append(MaterialRow row) {
    CheckRowLimits(1);
    result_.Rows.push_back(std::move(row));
  }

  void CheckRowLimits(std::size_t adding) const {
    const std::size_t total = result_.Rows.size() + adding;
    if (total - firstRow_ > kMaxObjectRows) TooManyRows(kMaxObjectRows);
    if (total > kMaxRows) TooManyRows(kMaxRows);
  }

  void AddAccessories(const AccessoryTotals& totals, int image, std::int64_t count) {
    AddAccessoryRows(result_.Rows, totals,
                     AccessoryOwner{node_, image, count, object_.InsulationType, object_.CoveringType}, document_);
    CheckRowLimits(0);
  }

  [[noreturn]] void TooManyRows(std::size_t limit) const {
    throw BuildStop("Объект " + Quoted(objectName_) + ": ведомость получается длиннее " + std::to_string(limit) +
                    " строк.\rПроверьте толщину изоляции и количество деталей.");
  }

  // Ends the build at a line whose number does not read or lies beyond
  // what any object can have.
  void CheckNumbers(LineReading reading, std::size_t line) const {
    if (reading == LineReading::BadNumber) {
      throw BuildStop("Объект " + Quoted(objectName_) + ": не читается число в строке " + Quoted(tree_[line].Text) +
                      ".");
    }
    if (reading == LineReading::TooLarge) {
      throw BuildStop("Объект " + Quoted(objectName_) + ": в строке " + Quoted(tree_[line].Text) +
                      " число больше, чем " + FormatGeneral(kLargestLineNumber) + ".");
    }
  }

  ObjectReading ReadObject(std::size_t node) const {
    ObjectReading object;
    object.Kind = tree_[node].Image;
    for (std::size_t line : Children(node)) {
      const int image = tree_[line].Image;
      if (image != kImageEnteredLine && image != kImageCalculatedLine) continue;
      CheckNumbers(ReadObjectLine(tree_[line].Text, object), line);
    }
    return object;
  }

  std::string DrawingCode(int category) const {
    return std::string(
        FirstChars(FindDrawingCode(category, layers_.Layers.size(), object_.InsulationType, object_.CoveringType),
                   kDrawingCodeChars));
  }

  void ProcessObject(std::size_t node) {
    node_ = static_cast<int>(node);
    objectName_ = tree_[node].Text;
    object_ = ReadObject(node);
    totals_ = AccessoryTotals{};
    firstRow_ = result_.Rows.size();
    layers_ = ChooseInsulationLayers(index_, object_, kMaxObjectRows);
    if (layers_.TooMany) TooManyRows(kMaxObjectRows);
    AddLayerRows();
    if (layers_.Layers.empty()) {
      result_.Warnings.push_back("Объект " + Quoted(objectName_) + ": нет изделий " + Quoted(object_.InsulationType) +
                                 " для его размеров; изоляция, покрытие и детали не вошли в ведомость.");
    } else if (layers_.RemainingMm > 0) {
      result_.Warnings.push_back("Объект " + Quoted(objectName_) + ": изделий " + Quoted(object_.InsulationType) +
                                 " не хватает на всю толщину; покрытие не вошло в ведомость.");
    }
    if (layers_.RemainingMm <= 0) AddCoveringRow();
    AddAccessories(totals_, 0, 0);
    for (std::size_t branch : Children(node)) {
      if (tree_[branch].Image != kImageDetails) continue;
      for (std::size_t line : Children(branch)) {
        if (tree_[line].Image >= kImageFirstDetail && tree_[line].Image <= kImageLastDetail) ProcessDetail(line);
      }
      break;  // only the first details branch
    }
  }

  void AddLayerRows() {
    const double lengthM = object_.LengthM;
    const bool pipeline = object_.Kind == kImagePipeline;
    const std::vector<InsulationProduct>& products = index_.Source().Insulation;
    for (std::size_t k = 0; k < layers_.Layers.size(); ++k) {
      const InsulationLayer& layer = layers_.Layers[k];
      const InsulationProduct& p = products[layer.Product];
      const bool tube = p.InnerDiameterMm > 0;
      MaterialRow row;
      row.GroupLabel = kInsulationGroup;
      row.MakerLine = kInsulationMaker;
      row.Name = p.Name;
      row.Unit = p.Unit;
      row.ThicknessMm = p.ThicknessMm;
      row.NodeIndex = node_;
      if (k == 0) {
        row.SizeMm = object_.SizeMm;
        row.LengthM = lengthM > 0 ? lengthM : object_.HeightMm / 1000;
      }
      row.Quantity = ObjectQuantity(object_.Kind, lengthM, layer.OuterDiameterMm, layer.OuterHeightMm, tube);
      row.DrawingCode = DrawingCode(object_.Kind);

      // Glue and tape for this layer's own ring, once per layer.
      const double inner = layer.InnerDiameterMm / 1000, outer = layer.OuterDiameterMm / 1000;
      if (!Contains(UpperCase(p.Name), "DUCT")) {
        totals_.Glue += pipeline ? (kPi / 4 * (outer * outer - inner * inner) + p.ThicknessMm / 1000) * 0.54 * lengthM
                                 : row.Quantity * 0.2;
      }
      totals_.Tape += pipeline ? (outer * kPi + 1) * 1.1 * lengthM : row.Quantity * 2.6;
      totals_.Cleaner += tube ? lengthM * 0.002 : row.Quantity * 0.0057;
      if (pipeline) totals_.Clamps += CeilDecimal(3 * lengthM * static_cast<double>(k + 1));
      Append(std::move(row));
    }
    // One covering, one set of screws, however many layers lie under it.
    if (!layers_.Layers.empty() && MetalSheetCovering(object_.CoveringType)) totals_.Screws += 10 * lengthM;
  }

  double OuterDiameter() const {
    return layers_.Layers.empty() ? object_.SizeMm : layers_.Layers.back().OuterDiameterMm;
  }
  double OuterHeight() const { return layers_.Layers.empty() ? object_.HeightMm : layers_.Layers.back().OuterHeightMm; }

  void AddCoveringRow() {
    const int coveringRow = CoveringTypeRow(object_.CoveringType);
    if (coveringRow < 1) return;  // "Без покрытия" or unknown
    const double d = OuterDiameter();
    const std::optional<ObjectCovering> covering = FindObjectCovering(index_, object_.Kind, object_.CoveringType, d);
    if (!covering) return;
    const CoveringItem& c = index_.Source().Coverings[covering->Row];
    MaterialRow row;
    row.GroupLabel = std::string(CoveringTypeTable[static_cast<std::size_t>(coveringRow)].GroupLabel);
    row.MakerLine = CoveringMakerLine(coveringRow);
    row.Name = c.Name;
    row.Unit = c.Unit;
    row.CoverThicknessMm = kCoverSheetMm;
    row.NodeIndex = node_;
    row.DrawingCode = DrawingCode(object_.Kind);
    // One pipe cover per started metre.
    row.Quantity = covering->PipeCover ? CeilDecimal(object_.LengthM)
                                       : ObjectQuantity(object_.Kind, object_.LengthM, d, OuterHeight(), false);
    if (FilmCovering(object_.CoveringType)) totals_.CoveringTape += row.Quantity * 2.6;
    totals_.Cleaner += row.Quantity * 0.0057;
    if (FilmCovering(object_.CoveringType) && OpenAir(object_.Purpose)) totals_.Sealant += row.Quantity * 0.065;
    Append(std::move(row));
  }

  void ProcessDetail(std::size_t line) {
    DetailReading detail;
    const LineReading reading = ReadDetailLine(tree_[line].Text, detail);
    if (reading == LineReading::Skipped) return;
    CheckNumbers(reading, line);
    if (detail.Count > kLargestDetailCount) {
      throw BuildStop("Объект " + Quoted(objectName_) + ": в строке " + Quoted(tree_[line].Text) +
                      " деталей больше, чем " + FormatGeneral(kLargestDetailCount) + ".");
    }
    // Without insulation there is nothing to size a fitting's cover on;
    // the object's warning already says so.
    if (layers_.Layers.empty()) return;
    const int image = tree_[line].Image;
    const double m = detail.Count;
    const double t = object_.ThicknessMm;
    const FittingToCover fitting{detail.KindText, object_.SizeMm + 2 * t, detail.SmallMm, t};
    const std::optional<std::size_t> cover = FindFittingCover(index_, object_.CoveringType, fitting);
    const auto count = static_cast<std::int64_t>(RoundHalfEven(m, 0));
    if (!cover) {
      result_.Warnings.push_back("Объект " + Quoted(objectName_) + ": нет покрытия " + Quoted(object_.CoveringType) +
                                 " для детали " + Quoted(tree_[line].Text) + "; деталь не вошла в ведомость.");
      return;
    }
    const CoveringItem& c = index_.Source().Coverings[*cover];
    const int coveringRow = CoveringTypeRow(object_.CoveringType);
    const bool covered = coveringRow > 0;
    const std::string label = std::string(DetailLabel(image)) + "=" + FormatGeneral(m);
    const std::string code = DrawingCode(image);
    const FittingGeometry geometry{object_.SizeMm, t, detail.SmallMm};

    for (std::size_t k = 0; k < layers_.Layers.size(); ++k) {
      MaterialRow copy = result_.Rows[firstRow_ + k];
      copy.GroupLabel = label;
      copy.DrawingCode = code;
      copy.Quantity = FittingInsulationArea(image, layers_.Layers[k].OuterDiameterMm, geometry, copy.Unit) * m;
      if (copy.Quantity > 0) Append(std::move(copy));
    }
    if (covered) {
      MaterialRow row;
      row.GroupLabel = label;
      row.MakerLine = CoveringMakerLine(coveringRow);
      row.Name = c.Name;
      row.Unit = c.Unit;
      row.CoverThicknessMm = kCoverSheetMm;
      row.NodeIndex = node_;
      row.DrawingCode = code;
      row.Quantity = FittingInsulationArea(image, OuterDiameter(), geometry, c.Unit) * m;
      if (row.Quantity > 0) Append(std::move(row));
    }
    AccessoryTotals totals;
    totals.Glue = 0.0425 * m;
    totals.Tape = 4.42 * m;
    if (covered) totals.CoveringTape = 4.42 * m;
    totals.Cleaner = 0.0096 * m;
    if (covered && OpenAir(object_.Purpose)) totals.Sealant = 0.1105 * m;
    if (MetalSheetCovering(object_.CoveringType)) totals.Screws = m * ScrewsPerFitting(image);
    totals.Clamps = 3 * m;
    AddAccessories(totals, image, count);
  }

  const std::vector<FlatTreeNode>& tree_;
  const CatalogueIndex index_;
  const DocumentKind document_;
  BillOfMaterials& result_;

  // The object being processed.
  int node_ = 0;
  std::string objectName_;
  ObjectReading object_;
  LayerChoice layers_;
  AccessoryTotals totals_;
  std::size_t firstRow_ = 0;
};

}  // namespace

BillOfMaterials BuildMaterialList(const std::vector<FlatTreeNode>& tree, const Catalogues& catalogues,
                                  DocumentKind kind) {
  BillOfMaterials result;
  try {
    Builder(tree, catalogues, kind, result).Run();
  } catch (const BuildStop& stop) {
    result.Rows.clear();
    result.Warnings.clear();
    result.Error = stop.what();
  }
  return result;
}

}  // namespace ovalto
