// A fresh program folder for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>

#include "files.h"

namespace ovalto::testing {

class ProjectFolder {
 public:
  ProjectFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ovalto-projects-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    path_ += '/';
  }
  ~ProjectFolder() { std::filesystem::remove_all(path_); }
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }
  std::string Read(const std::string& name) const { return ReadWholeFile(File(name)).value_or("<missing>"); }
  void Write(const std::string& name, const std::string& bytes) const { ReplaceFileAtomically(File(name), bytes); }

 private:
  std::string path_;
};

}  // namespace ovalto::testing
