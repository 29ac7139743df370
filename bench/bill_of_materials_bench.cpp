// The bill of materials of a generated 500-object project: pipelines of
// every standard size with their fittings, tanks and ducts, under every
// covering; and the two documents of it, as the user waits for them after
// "Ведомость" and "Специфи...". Run with --benchmark_repetitions=10 for
// medians.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "materials/bill_of_materials.h"
#include "tables/reference_tables.h"
#include "tree_builder.h"
#include "workbook/workbook_document.h"
#include "xlsx_output.h"

namespace {

using ovalto::testing::ObjectSpec;

class NoMessages : public ovalto::MessageBoxes {
 public:
  ovalto::MessageButton Show(ovalto::MessageType, const std::string&, unsigned) override {
    return ovalto::kButtonCancel;
  }
  void ShowRaisedError(const std::string&) override {}
};

std::vector<ovalto::FlatTreeNode> FiveHundredObjects() {
  ovalto::testing::TreeBuilder tree;
  constexpr int kObjects = 500;
  constexpr int kPerSystem = 25;
  const double thicknesses[] = {6, 9, 13, 20, 32, 40, 50, 60};
  for (int i = 0; i < kObjects; ++i) {
    if (i % kPerSystem == 0) tree.System("Система " + std::to_string(i / kPerSystem + 1));
    const std::string covering(ovalto::CoveringTypeTable[static_cast<std::size_t>(i) % 5].CoveringName);
    const double t = thicknesses[i % 8];
    switch (i % 5) {
      case 3:
        tree.Object(ObjectSpec{.Kind = 11,
                               .Name = "Ёмкость",
                               .SizeMm = 1200,
                               .HeightMm = 2500,
                               .LengthM = 0,
                               .ThicknessMm = t,
                               .Covering = covering});
        break;
      case 4:
        tree.Object(ObjectSpec{.Kind = 12 + i % 2,
                               .Name = "Воздуховод",
                               .SizeMm = 500,
                               .HeightMm = 400,
                               .LengthM = 25,
                               .ThicknessMm = t,
                               .Insulation = "KALDERON Corvane DUCT",
                               .Covering = i % 2 ? "Без покрытия" : "PELLORIT TK"});
        break;
      default: {
        const double size =
            ovalto::PipeSizeTable[static_cast<std::size_t>(i) % ovalto::PipeSizeTable.size()].OuterDiameterMm;
        tree.Object(ObjectSpec{.SizeMm = size, .LengthM = 12.5, .ThicknessMm = t, .Covering = covering})
            .Detail(2, 4)
            .Detail(5, 2)
            .Detail(6, 1, size / 2)
            .Detail(8, 2);
        if (covering == "Без покрытия") tree.Detail(3, 2).Detail(4, 1);
      }
    }
  }
  return tree.Nodes();
}

void BillOfMaterials500Objects(benchmark::State& state) {
  NoMessages messages;
  const ovalto::Catalogues catalogues = ovalto::LoadPrices(messages);
  const std::vector<ovalto::FlatTreeNode> tree = FiveHundredObjects();
  std::size_t rows = 0;
  for (auto _ : state) {
    const ovalto::BillOfMaterials bill =
        ovalto::BuildMaterialList(tree, catalogues, ovalto::DocumentKind::InstallationList);
    rows = bill.Rows.size();
    benchmark::DoNotOptimize(bill.Rows.data());
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BillOfMaterials500Objects)->Unit(benchmark::kMillisecond);

class NoDesktop : public ovalto::Shell {
 public:
  bool Open(const std::string&) override { return true; }
};

class NoUserData : public ovalto::UserDataStore {
 public:
  std::string Read(const std::string&, const std::string& fallback) const override { return fallback; }
  void Write(const std::string&, const std::string&) override {}
};

// Each document builds its own bill of materials, as the two buttons do.
void BothDocuments500Objects(benchmark::State& state) {
  NoMessages messages;
  const ovalto::Catalogues catalogues = ovalto::LoadPrices(messages);
  NoDesktop desktop;
  NoUserData userData;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ovalto_documents_bench";
  std::filesystem::create_directories(folder);
  ovalto::DocumentRequest request;
  request.NumberText = "500";
  request.ProjectName = "Пятьсот объектов";
  request.Developer = "Иванов";
  request.Tree = FiveHundredObjects();
  request.ProgramFolder = folder.string() + "/";
  for (auto _ : state) {
    for (ovalto::DocumentKind kind : {ovalto::DocumentKind::InstallationList, ovalto::DocumentKind::MaterialSchedule}) {
      request.Kind = kind;
      ovalto::XlsxOutput output;
      ovalto::DocumentServices services{messages, desktop, userData, output};
      benchmark::DoNotOptimize(ovalto::WriteSpreadsheetDocument(request, catalogues, services));
    }
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BothDocuments500Objects)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
