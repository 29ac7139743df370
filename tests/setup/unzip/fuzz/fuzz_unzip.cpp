// libFuzzer target: a whole archive through detection and extraction, with a password and the
// disk events answered, so that every road of the walk can be taken. The entries are written
// to memory, with the disk's name checks and refusals, so the walk rather than the file
// system sets the pace.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "memory_unzip_platform.h"
#include "messages.h"
#include "tunzip.h"

namespace {

namespace fs = std::filesystem;

// Room for any entry the input may hold at the sizes fuzzed, small enough that an archive
// claiming more meets a full disk rather than exhausting the fuzzer's memory.
constexpr std::uint64_t kCapacity = 256 << 10;
const std::string kTarget = "/fuzz/out";

// The archive itself is read from a file, as the component always reads it: in shared memory
// where there is some, since a disk file rewritten thousands of times a second costs more than
// the walk.
fs::path ScratchParent() {
  std::error_code error;
  return fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

struct Scratch {
  fs::path root = ScratchParent() / ("unzip-fuzz-" + std::to_string(::getpid()));
  Scratch() { fs::create_directories(root); }
  ~Scratch() {
    std::error_code error;
    fs::remove_all(root, error);
  }
};

const fs::path& ArchivePath() {
  static const Scratch scratch;
  static const fs::path archive = scratch.root / "input.zip";
  return archive;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream out(ArchivePath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }

  unzip::MemoryUnzipPlatform memory(kCapacity);
  unzip::TUnZIP zip(memory);
  zip.SetZipCmntBufSize(2000);
  zip.Passwords = {"secret"};
  int prompts = 0;
  zip.OnGetPassword = [&](unzip::TUnZIP&, const std::string&, std::string& password, bool& tryAgain) {
    password = "secret";
    tryAgain = ++prompts < 3;
  };
  try {
    zip.SetArchiveFile(ArchivePath().string());
    zip.AddFileSpec("*.*");
    zip.SetExtractDir(kTarget);
    zip.ExtractFiles();
  } catch (const unzip::E_RAISE&) {
  } catch (const unzip::EInOutError&) {
  }
  // Whatever the input, nothing may land outside the target folder.
  for (const auto& [name, contents] : memory.Files()) {
    if (name.rfind(kTarget + "/", 0) != 0) __builtin_trap();
  }
  for (const std::string& folder : memory.Folders()) {
    if (folder != "/" && folder != "/fuzz" && folder != kTarget && folder.rfind(kTarget + "/", 0) != 0) {
      __builtin_trap();
    }
  }
  return 0;
}
