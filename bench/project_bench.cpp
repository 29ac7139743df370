// Speed of reading and writing the projects file with 1 000 projects of 200
// tree nodes each: the start of the program and every save. Run with
// --benchmark_repetitions=10 for medians.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "store/project_store.h"
#include "tree/project_tree.h"
#include "tree/tree_editing.h"
#include "tree/tree_text.h"

namespace {

constexpr int kProjects = 1000;
constexpr int kNodes = 200;

// A tree as projects have them: systems of hand-entered pipelines with their
// lines, details branch and detail lines, cut at `nodes` nodes.
std::string SampleTreeText(int nodes) {
  ovalto::ProjectTree tree;
  ovalto::ResetTree(tree, true);
  const auto pipeline = [](int n) {
    using ovalto::NodeSpec;
    return NodeSpec{ovalto::kImagePipeline,
                    "ТРУБОПРОВОД " + std::to_string(n),
                    {{ovalto::kImageEnteredLine, "Диаметр трубы = 57 мм", {}},
                     {ovalto::kImageEnteredLine, "Длина трубы = 12,5 м", {}},
                     {ovalto::kImageEnteredLine, "Толщина изоляции = 13 мм", {}},
                     {ovalto::kImageEnteredLine, "Тип изоляции : \"KALDERON Vardo\"", {}},
                     {ovalto::kImageEnteredLine, "Тип покрытия : \"PELLORIT AL\"", {}},
                     {ovalto::kImageEnteredLine, "Назначение и расположение : \"ЭЭ П\"", {}},
                     {ovalto::kImageDetails,
                      "ДЕТАЛИ",
                      {{ovalto::kImagePipeLength, "Труба [ 12,5 м ]", {}},
                       {2, "Отвод  [ 4 шт]", {}},
                       {6, "Переход концентрический  [ 2 шт; на 57 мм]", {}}}}}};
  };
  for (int n = 1; tree.NodeCount() < nodes; ++n) {
    ovalto::TreeNode* system = tree.Root()->Child(tree.Root()->ChildCount() - 1);
    if (system->ChildCount() == 4) system = &ovalto::AddSystem(tree, *tree.Root());
    tree.InsertNode(*system, pipeline(n));
  }
  while (tree.NodeCount() > nodes) tree.Remove(*tree.Nodes().back());
  return ovalto::BuildTreeText(tree);
}

class ProjectsFile : public benchmark::Fixture {
 public:
  void SetUp(benchmark::State&) override {
    std::string pattern = (std::filesystem::temp_directory_path() / "ovalto-bench-XXXXXX").string();
    folder_ = std::string(::mkdtemp(pattern.data())) + "/";
    ovalto::ProjectTable table;
    const std::string tree = SampleTreeText(kNodes);
    for (int i = 1; i <= kProjects; ++i) {
      table.push_back({"П-" + std::to_string(i), "09.12.2026", "Котельная № " + std::to_string(i), "Иванов И. И.",
                       "Первая строка примечания¶Вторая¶", tree});
    }
    store_.SetFolder(folder_);
    if (store_.Replace(std::move(table))) std::abort();
  }
  void TearDown(benchmark::State&) override { std::filesystem::remove_all(folder_); }

 protected:
  std::string folder_;
  ovalto::ProjectStore store_;
};

BENCHMARK_DEFINE_F(ProjectsFile, Load)(benchmark::State& state) {
  ovalto::ProjectStore store(folder_);
  for (auto _ : state) {
    if (store.Load()) state.SkipWithError("the file did not read whole");
    benchmark::DoNotOptimize(store.Table().size());
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(store.FilePath()));
}

BENCHMARK_DEFINE_F(ProjectsFile, Save)(benchmark::State& state) {
  // As every "Сохранить" and "Удалить" does: the whole table in one step.
  for (auto _ : state) {
    if (store_.Replace(store_.Table())) state.SkipWithError("the file was not written");
  }
}

BENCHMARK_REGISTER_F(ProjectsFile, Load)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(ProjectsFile, Save)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
