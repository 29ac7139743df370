// Packs the installer's payload at build time:
//   ovalto_pack_payload <staged folder> <output archive>
#include <fstream>
#include <iostream>

#include "pack_folder.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: ovalto_pack_payload <staged folder> <output archive>\n";
    return 2;
  }
  try {
    int entries = 0;
    const payload::Bytes archive = payload::PackFolder(argv[1], &entries);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(archive.data()), static_cast<std::streamsize>(archive.size()));
    if (!out.flush()) {
      std::cerr << "cannot write " << argv[2] << '\n';
      return 1;
    }
    std::cout << argv[2] << ": " << entries << " entries, " << archive.size() << " bytes\n";
  } catch (const payload::PackError& error) {
    std::cerr << error.what << '\n';
    return 1;
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
