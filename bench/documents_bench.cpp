// Speed of the two documents of a large project: the bill of materials
// built and the installation list and the specification written as
// workbooks, as the user waits for them after "Ведомость" and
// "Специфи...". Run with --benchmark_repetitions=10 for the median.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "workbook_document.h"
#include "xlsx_output.h"

namespace {

using namespace ovalto;

class SilentMessages : public MessageBoxes {
 public:
  MessageButton Show(MessageType, const std::string&, unsigned) override { return kButtonCancel; }
  void ShowRaisedError(const std::string&) override {}
};

class NoDesktop : public Shell {
 public:
  bool Open(const std::string&) override { return true; }
};

class NoUserData : public UserDataStore {
 public:
  std::string Read(const std::string&, const std::string& fallback) const override { return fallback; }
  void Write(const std::string&, const std::string&) override {}
};

// 50 systems of 10 pipelines each, of varied sizes, thicknesses and
// coverings, each with bends, tees and flanges.
std::vector<FlatTreeNode> LargeProject(int objects) {
  const char* sizes[] = {"18", "25", "32", "45", "57", "76", "89", "108", "133", "159"};
  const char* thicknesses[] = {"9", "13", "19", "25", "32", "40"};
  const char* coverings[] = {"Без покрытия", "PELLORIT AL", "PELLORIT CT"};
  std::vector<FlatTreeNode> tree = {{0, 0, "СИСТЕМЫ"}};
  for (int i = 0; i < objects; ++i) {
    if (i % 10 == 0) tree.push_back({1, 9, "Система Т" + std::to_string(i / 10 + 1)});
    tree.push_back({2, 10, "Трубопровод " + std::to_string(i + 1)});
    tree.push_back({3, 16, "Диаметр = " + std::string(sizes[i % 10]) + " мм"});
    tree.push_back({3, 16, "Длина = " + std::to_string(5 + i % 40) + ",5 м"});
    tree.push_back({3, 16, "Толщина изоляции = " + std::string(thicknesses[i % 6]) + " мм"});
    tree.push_back({3, 16, "Тип изоляции : \"KALDERON Vardo\""});
    tree.push_back({3, 16, "Тип покрытия : \"" + std::string(coverings[i % 3]) + "\""});
    tree.push_back({3, 16, "Назначение и расположение : \"ЭЭ О\""});
    tree.push_back({3, 14, "Температура вещества = 95 °C"});
    tree.push_back({3, 15, "ДЕТАЛИ"});
    tree.push_back({4, 1, "Труба [ 10 м ]"});
    tree.push_back({4, 2, "Отвод  [ 4 шт]"});
    tree.push_back({4, 5, "Тройник  [ 1 шт]"});
    tree.push_back({4, 3, "Фланец  [ 2 шт]"});
  }
  return tree;
}

void BM_BothDocumentsOf500Objects(benchmark::State& state) {
  SilentMessages messages;
  const Catalogues catalogues = LoadPrices(messages);
  NoDesktop desktop;
  NoUserData userData;
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ovalto_documents_bench";
  std::filesystem::create_directories(folder);
  DocumentRequest request;
  request.NumberText = "500";
  request.ProjectName = "Пятьсот трубопроводов";
  request.Developer = "Иванов";
  request.Tree = LargeProject(500);
  request.ProgramFolder = folder.string() + "/";
  for (auto _ : state) {
    for (DocumentKind kind : {DocumentKind::InstallationList, DocumentKind::Specification}) {
      request.Kind = kind;
      XlsxOutput output;
      DocumentServices services{messages, desktop, userData, output};
      benchmark::DoNotOptimize(WriteSpreadsheetDocument(request, catalogues, services));
    }
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_BothDocumentsOf500Objects)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
