// Installation time of the payload built into the installer: the wizard's installation step
// (folder check, archive copy, three extraction passes, shortcut; the pauses excluded) against
// the same archive extracted by the unzip tool, both into fresh folders on the same disk.
// Usage: install_bench [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "installation.h"
#include "payload_resource.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

template <class Run>
double Seconds(Run&& run) {
  const auto start = Clock::now();
  run();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const std::string payload = setup::BuiltInPayload();
  if (payload.empty()) {
    std::fprintf(stderr, "the installer's payload is missing\n");
    return 1;
  }
  const fs::path scratch = fs::temp_directory_path() / "ovalto-install-bench";
  fs::remove_all(scratch);
  fs::create_directories(scratch);
  const fs::path archive = scratch / "payload.zip";
  std::ofstream(archive, std::ios::binary).write(payload.data(), static_cast<std::streamsize>(payload.size()));
  const bool haveUnzip = std::system("command -v unzip >/dev/null 2>&1") == 0;

  std::vector<double> installs, unzips;
  for (int round = 0; round < rounds; ++round) {
    const fs::path target = scratch / ("install" + std::to_string(round));
    installs.push_back(Seconds([&] {
      const setup::InstallResult result = setup::InstallPayload(target.string(), payload, false, {});
      if (result.Status != setup::InstallStatus::Installed) std::fprintf(stderr, "%s\n", result.Message.c_str());
    }));
    if (haveUnzip) {
      const std::string command =
          "unzip -qq -o '" + archive.string() + "' -d '" + (scratch / ("unzip" + std::to_string(round))).string() + "'";
      unzips.push_back(Seconds([&] { std::system(command.c_str()); }));
    }
  }
  std::printf("payload: %zu bytes\n", payload.size());
  std::printf("installation step: %.3f s (median of %d)\n", Median(installs), rounds);
  if (haveUnzip) {
    std::printf("unzip:             %.3f s (median of %d)\n", Median(unzips), rounds);
    std::printf("ratio:             %.2f\n", Median(installs) / Median(unzips));
  }
  fs::remove_all(scratch);
  return 0;
}
