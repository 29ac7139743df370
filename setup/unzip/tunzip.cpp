// The component's construction and the writers of its published properties.
#include "tunzip.h"

#include <algorithm>

#include "output_name.h"
#include "zip_names.h"

namespace unzip {

TUnZIP::TUnZIP(UnzipPlatform& platform) : platform_(platform), diskManager_(platform), timer_(platform) {}

TUnZIP::~TUnZIP() {
  if (activeExtractor_ == this) activeExtractor_ = nullptr;
}

void TUnZIP::SetExtractDir(const std::string& folder) {
  if (!folder.empty()) {
    extractDir_ = folder.back() == '/' ? folder : folder + '/';
  } else {
    extractDir_ = FolderPart(archiveFile_);
  }
}

void TUnZIP::SetFileSpec(const std::vector<std::string>& specs) {
  fileSpec_ = specs;
  NormalizeNameList(fileSpec_);
}

void TUnZIP::AddFileSpec(const std::string& spec) {
  std::vector<std::string> added{spec};
  NormalizeNameList(added);
  fileSpec_.insert(fileSpec_.end(), added.begin(), added.end());
}

void TUnZIP::SetZipCmntBufSize(int size) { zipCmntBufSize_ = std::clamp(size, 2000, 32767); }

}  // namespace unzip
