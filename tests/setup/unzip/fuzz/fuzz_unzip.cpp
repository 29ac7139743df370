// libFuzzer target: a whole archive through detection and extraction into a scratch folder,
// with a password and the disk events answered, so that every road of the walk can be taken.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "messages.h"
#include "tunzip.h"

namespace {

namespace fs = std::filesystem;

// The folder every input is extracted into; removed when the fuzzer exits.
struct Scratch {
  fs::path root = fs::temp_directory_path() / ("unzip-fuzz-" + std::to_string(::getpid()));
  Scratch() { fs::create_directories(root); }
  ~Scratch() {
    std::error_code error;
    fs::remove_all(root, error);
  }
};

const fs::path& ScratchRoot() {
  static const Scratch scratch;
  return scratch.root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path archive = ScratchRoot() / "input.zip";
  const fs::path target = ScratchRoot() / "out";
  {
    std::ofstream out(archive, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  fs::remove_all(target);

  unzip::TUnZIP zip;
  zip.SetZipCmntBufSize(2000);
  zip.Passwords = {"secret"};
  int prompts = 0;
  zip.OnGetPassword = [&](unzip::TUnZIP&, const std::string&, std::string& password, bool& tryAgain) {
    password = "secret";
    tryAgain = ++prompts < 3;
  };
  try {
    zip.SetArchiveFile(archive.string());
    zip.AddFileSpec("*.*");
    zip.SetExtractDir(target.string());
    zip.ExtractFiles();
  } catch (const unzip::E_RAISE&) {
  } catch (const unzip::EInOutError&) {
  }
  // Whatever the input, nothing may land outside the target folder.
  for (const auto& item : fs::directory_iterator(ScratchRoot())) {
    const std::string name = item.path().filename().string();
    if (name != "input.zip" && name != "out") __builtin_trap();
  }
  return 0;
}
