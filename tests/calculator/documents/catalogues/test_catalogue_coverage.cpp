// The built-in catalogues must cover every object the program lets a user
// enter or size: otherwise the documents silently miss rows. This walks
// kind × allowed insulation line × covering × size × thickness and proves
// that the layers reach the thickness, the covering is found, and every
// fitting of a pipeline finds its cover.
#include <gtest/gtest.h>

#include <iostream>

#include "catalogues/catalogue_index.h"
#include "engine/engine_state.h"
#include "materials/covering_search.h"
#include "materials/insulation_layers.h"
#include "recording_message_boxes.h"
#include "tables/reference_tables.h"
#include "text_case.h"
#include "tree/project_tree.h"

namespace ovalto {
namespace {

// The fitting kinds of the detail lines (images 2 to 8), upper case as read.
const std::vector<std::string> kFittingKinds = {
    "ОТВОД", "ФЛАНЕЦ", "АРМАТУРА", "ТРОЙНИК", "ПЕРЕХОД КОНЦЕНТРИЧЕСКИЙ", "ПЕРЕХОД ЭКСЦЕНТРИЧЕСКИЙ", "ТОРЕЦ"};

std::string Line(std::size_t row) { return std::string(InsulationTypeTable[row - 1].LineName); }

// Every thickness a user can give or a calculation can return: the
// standard steps (0,1 and 1 to 120 mm, both series among them).
std::vector<double> Thicknesses() {
  std::vector<double> steps;
  for (const ThicknessStep& step : MakeStdThicknessTable()) {
    if (step.ThicknessMm > 0) steps.push_back(step.ThicknessMm);
  }
  return steps;
}

// The insulation lines a pipeline can get: the object dialog offers Vardo
// and Vardo AL always, the Hestan lines up to 35 mm and 9 mm, Corvane up to
// 28 mm and 9 mm; the calculation also offers Corvane on larger pipes.
std::vector<std::string> PipelineLines(double sizeMm, double thicknessMm) {
  std::vector<std::string> lines = {Line(1), Line(4), Line(5)};
  if (sizeMm <= 35 && thicknessMm <= 9) {
    lines.push_back(Line(2));
    lines.push_back(Line(3));
  }
  return lines;
}

class CatalogueCoverage : public ::testing::Test {
 protected:
  CatalogueCoverage() : catalogues_(Load()), index_(catalogues_) {}

  static Catalogues Load() {
    testing::RecordingMessageBoxes messages;
    return LoadPrices(messages);
  }

  bool LineHasTubeFor(const std::string& line, double sizeMm) const {
    for (const InsulationProduct& p : catalogues_.Insulation) {
      if (SameText(p.Mark, line) && p.InnerDiameterMm >= sizeMm) return true;
    }
    return false;
  }

  // One object under every covering; returns the number of cases checked.
  // A fitting's cover depends on the size and thickness, not on the line.
  std::size_t CheckObject(int kind, const std::string& line, double size, double height, double thickness,
                          bool withFittings = true) {
    ObjectReading object;
    object.Kind = kind;
    object.SizeMm = size;
    object.HeightMm = height;
    object.LengthM = 10;
    object.ThicknessMm = thickness;
    object.InsulationType = UpperCase(line);
    const std::string what = std::to_string(kind) + " " + line + " size " + std::to_string(size) + " height " +
                             std::to_string(height) + " thickness " + std::to_string(thickness);

    const LayerChoice layers = ChooseInsulationLayers(index_, object, 1000);
    EXPECT_FALSE(layers.Layers.empty()) << what;
    EXPECT_LE(layers.RemainingMm, 0) << what;
    if (layers.Layers.empty() || layers.RemainingMm > 0) return 0;
    if (kind == kImagePipeline) {
      const bool tube = catalogues_.Insulation[layers.Layers[0].Product].InnerDiameterMm > 0;
      EXPECT_EQ(tube, LineHasTubeFor(line, size)) << what;
    }
    const double outer = layers.Layers.back().OuterDiameterMm;

    std::size_t cases = 0;
    for (const CoveringTypeRecord& covering : CoveringTypeTable) {
      ++cases;
      const std::string type = UpperCase(covering.CoveringName);
      const std::string with = what + " covering " + type;
      const bool sheet = type == "PELLORIT CT" || type == "PELLORIT AL";
      if (type != "БЕЗ ПОКРЫТИЯ") {
        const std::optional<ObjectCovering> found = FindObjectCovering(index_, kind, type, outer);
        EXPECT_TRUE(found) << with;
        if (found && kind == kImagePipeline && sheet) {
          EXPECT_TRUE(found->PipeCover) << with << " outer " << outer;
        }
      }
      if (kind != kImagePipeline || !withFittings) continue;
      for (const std::string& fittingKind : kFittingKinds) {
        // A reducer to the pipe's own size is the hardest to cover: any
        // smaller end fits every cover that this one fits.
        const FittingToCover fitting{fittingKind, size + 2 * thickness, size, thickness};
        const std::optional<std::size_t> cover = FindFittingCover(index_, type, fitting);
        EXPECT_TRUE(cover) << with << " fitting " << fittingKind;
        // Sheet coverings have a cover of the fitting's own kind; flanges
        // and valves (which the details dialog refuses under sheet) are cut
        // from the roll.
        const bool ownCover = fittingKind != "ФЛАНЕЦ" && fittingKind != "АРМАТУРА";
        if (cover && sheet && ownCover) {
          EXPECT_EQ(UpperCase(catalogues_.Coverings[*cover].FittingKind), fittingKind) << with;
        }
      }
    }
    return cases;
  }

  Catalogues catalogues_;
  CatalogueIndex index_;
};

TEST_F(CatalogueCoverage, EveryObjectFindsItsLayersCoveringAndFittingCovers) {
  const std::vector<double> thicknesses = Thicknesses();
  std::size_t cases = 0;
  for (const PipeSizeRecord& pipe : PipeSizeTable) {
    for (double t : thicknesses) {
      for (const std::string& line : PipelineLines(pipe.OuterDiameterMm, t)) {
        cases += CheckObject(kImagePipeline, line, pipe.OuterDiameterMm, 0, t);
      }
    }
  }
  // Tanks and rectangular ducts are typed in: sizes from small to very large.
  const double typedSizes[] = {50, 300, 1000, 3000, 10000};
  for (double size : typedSizes) {
    for (double height : typedSizes) {
      for (double t : thicknesses) {
        for (const std::string& line : {Line(1), Line(4)}) cases += CheckObject(kImageTank, line, size, height, t);
        for (const std::string& line : {Line(6), Line(7)}) {
          cases += CheckObject(kImageRectangularDuct, line, size, height, t);
        }
      }
    }
  }
  for (const DuctSizeRecord& duct : DuctSizeTable) {
    for (double t : thicknesses) {
      for (const std::string& line : {Line(6), Line(7)}) {
        cases += CheckObject(kImageCylindricalDuct, line, duct.DiameterMm, 0, t);
      }
    }
  }
  std::cout << "Coverage cases: " << cases << "\n";
  EXPECT_GT(cases, 100000u);
}

// The calculation offers all seven lines whatever it insulates, and a sized
// object carries its line into the project. Every fourth thickness keeps
// the walk short; the tubes' walls and the rolls' steps lie closer.
TEST_F(CatalogueCoverage, SizedObjectsOfAnyLineFindTheirLayersAndCovering) {
  const std::vector<double> thicknesses = Thicknesses();
  std::size_t cases = 0;
  for (const InsulationTypeRecord& line : InsulationTypeTable) {
    const std::string name(line.LineName);
    for (std::size_t step = 0; step < thicknesses.size(); step += 4) {
      const double t = thicknesses[step];
      for (const PipeSizeRecord& pipe : PipeSizeTable) {
        cases += CheckObject(kImagePipeline, name, pipe.OuterDiameterMm, 0, t, false);
      }
      for (const DuctSizeRecord& duct : DuctSizeTable) {
        cases += CheckObject(kImageCylindricalDuct, name, duct.DiameterMm, 0, t);
      }
      for (double size : {50.0, 1000.0, 10000.0}) {
        cases += CheckObject(kImageTank, name, size, size, t);
        cases += CheckObject(kImageRectangularDuct, name, size, size, t);
      }
    }
  }
  std::cout << "Coverage cases of sized objects: " << cases << "\n";
}

}  // namespace
}  // namespace ovalto
