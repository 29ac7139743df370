// Speed of the zip decompressors. Inflate is compared with zlib on about 128 MB of made-up text
// and binary data, and the same data is extracted as a whole archive through the component;
// shrink, reduce and implode are timed on the largest entries of the test archives.
// Usage: unzip_bench [folder of the test archives]
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "decompress.h"
#include "tunzip.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kDataSize = std::size_t{128} << 20;
constexpr int kRounds = 3;

// Deterministic stand-in for an installer's payload: prose, tables of records, machine code
// like bytes and some incompressible stretches.
Bytes MakeData() {
  static const char* const kWords[] = {"the",         "insulation", "pipeline",    "thickness", "of",
                                       "heat",        "flow",       "temperature", "surface",   "and",
                                       "a",           "tank",       "duct",        "design",    "rule",
                                       "for",         "outer",      "coefficient", "density",   "with",
                                       "calculation", "project",    "material",    "covering",  "standard"};
  Bytes data;
  data.reserve(kDataSize);
  std::uint64_t state = 0x9E3779B97F4A7C15u;
  auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  while (data.size() < kDataSize) {
    const std::uint64_t kind = next() % 10;
    if (kind < 5) {  // prose
      for (int i = 0; i < 400; ++i) {
        const char* word = kWords[next() % std::size(kWords)];
        data.insert(data.end(), word, word + std::strlen(word));
        data.push_back(next() % 12 == 0 ? '\n' : ' ');
      }
    } else if (kind < 8) {  // records of small numbers
      for (int i = 0; i < 200; ++i) {
        const std::uint32_t record[4] = {static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(next() % 1000),
                                         0x3F800000u, static_cast<std::uint32_t>(next() % 7)};
        const auto* p = reinterpret_cast<const std::uint8_t*>(record);
        data.insert(data.end(), p, p + sizeof record);
      }
    } else if (kind < 9) {  // code-like bytes with a skewed distribution
      for (int i = 0; i < 4096; ++i) {
        const std::uint64_t r = next();
        data.push_back(static_cast<std::uint8_t>((r & 0xF) < 10 ? (r >> 8) & 0x1F : r >> 16));
      }
    } else {  // random
      for (int i = 0; i < 1024; ++i) data.push_back(static_cast<std::uint8_t>(next()));
    }
  }
  data.resize(kDataSize);
  return data;
}

Bytes RawDeflate(const Bytes& data) {
  z_stream z{};
  deflateInit2(&z, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  Bytes out(deflateBound(&z, data.size()));
  z.next_in = const_cast<Bytes::value_type*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// Decompresses into `out`, which receives the bytes as a file would.
unzip::DecompressResult Ours(std::uint16_t method, std::uint16_t flags, const Bytes& packed, Bytes& out) {
  std::size_t read = 0;
  std::size_t written = 0;
  unzip::EntryStreams streams;
  streams.input = [&](std::uint8_t* buffer, std::size_t capacity) {
    const std::size_t n = std::min(capacity, packed.size() - read);
    std::memcpy(buffer, packed.data() + read, n);
    read += n;
    return n;
  };
  streams.output = [&](const std::uint8_t* data, std::size_t count) {
    std::memcpy(out.data() + written, data, count);
    written += count;
    return true;
  };
  return unzip::DecompressEntry({method, flags, packed.size(), out.size()}, streams);
}

bool Zlib(const Bytes& packed, Bytes& out) {
  z_stream z{};
  inflateInit2(&z, -15);
  z.next_in = const_cast<Bytes::value_type*>(packed.data());
  z.avail_in = static_cast<uInt>(packed.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const int status = inflate(&z, Z_FINISH);
  inflateEnd(&z);
  return status == Z_STREAM_END;
}

// Best of kRounds, in seconds.
double Time(const std::function<bool()>& run) {
  double best = 1e30;
  for (int i = 0; i < kRounds; ++i) {
    const auto start = Clock::now();
    if (!run()) return -1;
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

double MBps(std::size_t bytes, double seconds) { return bytes / 1e6 / seconds; }

std::uint16_t U16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8); }
std::uint32_t U32(const Bytes& b, std::size_t at) { return U16(b, at) | std::uint32_t{U16(b, at + 2)} << 16; }

struct ArchiveEntry {
  std::string name;
  std::uint16_t method = 0;
  std::uint16_t flags = 0;
  Bytes packed;
  std::size_t size = 0;
};

// The largest entry of a plain single-part archive, found through its central directory.
bool LargestEntry(const std::string& path, ArchiveEntry& largest) {
  std::ifstream file(path, std::ios::binary);
  const Bytes zip((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (zip.size() < 22) return false;
  std::size_t end = zip.size() - 22;
  while (end > 0 && U32(zip, end) != 0x06054B50) --end;
  std::size_t record = U32(zip, end + 16);
  for (unsigned i = 0; i < U16(zip, end + 10); ++i) {
    const std::size_t size = U32(zip, record + 24);
    const std::size_t nameLength = U16(zip, record + 28);
    if (size > largest.size) {
      const std::size_t local = U32(zip, record + 42);
      const std::size_t data = local + 30 + U16(zip, local + 26) + U16(zip, local + 28);
      largest.name = std::string(zip.begin() + record + 46, zip.begin() + record + 46 + nameLength);
      largest.method = U16(zip, record + 10);
      largest.flags = U16(zip, record + 8);
      largest.size = size;
      largest.packed.assign(zip.begin() + data, zip.begin() + data + U32(zip, record + 20));
    }
    record += 46 + nameLength + U16(zip, record + 30) + U16(zip, record + 32);
  }
  return largest.size > 0;
}

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A one-entry zip archive around the deflated data, as an installer payload would be.
Bytes MakeArchive(const Bytes& data, const Bytes& packed) {
  const std::string name = "payload.bin";
  const auto crc = static_cast<std::uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size())));
  const auto header = [&](Bytes& b, bool central) {
    Put32(b, central ? 0x02014B50 : 0x04034B50);
    if (central) Put16(b, 20);
    Put16(b, 20);
    Put16(b, 0);       // flags
    Put16(b, 8);       // deflated
    Put16(b, 0x5000);  // 10:00
    Put16(b, 0x586F);  // 2024-03-15
    Put32(b, crc);
    Put32(b, static_cast<std::uint32_t>(packed.size()));
    Put32(b, static_cast<std::uint32_t>(data.size()));
    Put16(b, static_cast<std::uint32_t>(name.size()));
    Put16(b, 0);
    if (central) {
      for (int field : {0, 0, 0}) Put16(b, field);  // comment, disk, internal attributes
      Put32(b, 0);                                  // external attributes
      Put32(b, 0);                                  // local header at the start
    }
    b.insert(b.end(), name.begin(), name.end());
  };
  Bytes zip;
  header(zip, false);
  zip.insert(zip.end(), packed.begin(), packed.end());
  const auto directory = static_cast<std::uint32_t>(zip.size());
  header(zip, true);
  const auto directorySize = static_cast<std::uint32_t>(zip.size()) - directory;
  Put32(zip, 0x06054B50);
  for (int field : {0, 0, 1, 1}) Put16(zip, field);
  Put32(zip, directorySize);
  Put32(zip, directory);
  Put16(zip, 0);
  return zip;
}

// Extracts the archive with the installer's component into a fresh folder: reading, inflating,
// checking the CRC and writing the file.
bool ExtractWithComponent(const std::filesystem::path& archive, const std::filesystem::path& target) {
  std::filesystem::remove_all(target);
  std::filesystem::create_directories(target);
  try {
    unzip::TUnZIP component;
    component.SetArchiveFile(archive.string());
    component.AddFileSpec("*.*");
    component.SetExtractDir(target.string());
    return component.ExtractFiles() == 1 && component.FailedCount() == 0;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : UNZIP_BENCH_DATA_DIR;

  const Bytes data = MakeData();
  const Bytes packed = RawDeflate(data);
  std::printf("inflate: %.1f MB of text and binary, deflated to %.1f MB (zlib level 6)\n", data.size() / 1e6,
              packed.size() / 1e6);

  Bytes out(data.size());
  const double ours = Time([&] { return Ours(8, 0, packed, out).status == unzip::DecompressStatus::Ok; });
  const bool oursExact = out == data;
  std::fill(out.begin(), out.end(), 0);
  const double zlib = Time([&] { return Zlib(packed, out); });
  const bool zlibExact = out == data;
  if (ours < 0 || zlib < 0 || !oursExact || !zlibExact) {
    std::printf("inflate failed (ours %s, zlib %s)\n", oursExact ? "exact" : "WRONG", zlibExact ? "exact" : "WRONG");
    return 1;
  }
  std::printf("  ours  %8.1f MB/s\n  zlib  %8.1f MB/s\n  ratio ours/zlib %.2f\n", MBps(data.size(), ours),
              MBps(data.size(), zlib), zlib / ours);

  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "unzip_bench";
  std::filesystem::create_directories(scratch);
  const std::filesystem::path archive = scratch / "payload.zip";
  {
    const Bytes zip = MakeArchive(data, packed);
    std::ofstream(archive, std::ios::binary)
        .write(reinterpret_cast<const char*>(zip.data()), static_cast<std::streamsize>(zip.size()));
  }
  const double component = Time([&] { return ExtractWithComponent(archive, scratch / "out"); });
  std::filesystem::remove_all(scratch);
  if (component < 0) {
    std::printf("the component could not extract the archive\n");
    return 1;
  }
  std::printf("  whole archive through the component, to disk: %8.1f MB/s\n", MBps(data.size(), component));

  std::printf("old methods, largest entry of each test archive (%s):\n", folder.c_str());
  for (const char* archive : {"shrink.zip", "reduce_1.zip", "reduce_2.zip", "reduce_3.zip", "reduce_4.zip",
                              "implode_4k.zip", "implode_8k.zip", "implode_4k_lit.zip", "implode_8k_lit.zip"}) {
    ArchiveEntry entry;
    if (!LargestEntry(folder + "/" + archive, entry)) {
      std::printf("  %-20s not readable\n", archive);
      continue;
    }
    Bytes result(entry.size);
    constexpr int kRepeats = 10;
    const double seconds = Time([&] {
      for (int i = 0; i < kRepeats; ++i) {
        if (Ours(entry.method, entry.flags, entry.packed, result).status != unzip::DecompressStatus::Ok) {
          return false;
        }
      }
      return true;
    });
    if (seconds < 0) {
      std::printf("  %-20s %s: FAILED\n", archive, entry.name.c_str());
      continue;
    }
    std::printf("  %-20s %s, method %u, %zu bytes: %.2f ms, %.1f MB/s\n", archive, entry.name.c_str(), entry.method,
                entry.size, seconds * 1000 / kRepeats, MBps(entry.size * kRepeats, seconds));
  }
  return 0;
}
