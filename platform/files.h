// Whole-file reads and writes for the files the program keeps. A write
// replaces a file in one step: after a crash, a full disk or any failure the
// file holds either its old contents or the new ones, never part of them.
//
// A file that is a symbolic link stays one: a write replaces the file the
// link leads to, in that file's folder, and the link keeps leading there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ovalto {

bool FileExists(const std::string& path);

// The whole file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The folder of `path`, without a trailing separator; "." for a bare name.
std::string FolderOf(const std::string& path);

// The file that `path` names in the end: `path` itself, or where its chain
// of symbolic links leads (whether that file exists or not). Nothing when
// the links run in a circle.
std::optional<std::string> FinalTarget(const std::string& path);

// A file written under a temporary name beside the final target of `path`
// that takes the target's place only when it is complete. One never
// finished is removed with the object, so no part of a file is ever left.
class FileReplacement {
 public:
  FileReplacement() = default;
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // Makes the temporary file. Returns the reason of a failure, or nothing.
  // A file that nobody may write, or that the user may not, is not
  // replaced: the rename would go round its rights.
  std::optional<std::string> Start(const std::string& path);
  // Where the contents go; the file is open for writing as Descriptor().
  const std::string& TemporaryPath() const { return temporary_; }
  int Descriptor() const { return fd_; }
  // Flushes the temporary file to the disk, gives it the rights of the file
  // it replaces and renames it over that file. Returns the reason of a
  // failure (the temporary file is removed then), or nothing.
  std::optional<std::string> Finish();
  // The reason of a failure in `step`, from errno, naming the target when
  // it is reached through a link.
  std::string Failure(const char* step) const;
  // Removes the temporary file: the target stays as it was.
  void Discard();

 private:
  std::string Described(const std::string& reason) const;

  std::string path_;
  std::string target_;
  std::string temporary_;
  int fd_ = -1;
};

// Writes `bytes` through a FileReplacement of `path`. Returns the reason of
// a failure, or nothing on success.
std::optional<std::string> ReplaceFileAtomically(const std::string& path, const std::string& bytes);

// The file that a temporary file of a FileReplacement named `name` was to
// replace, as a name in the same folder; nothing for any other name.
std::optional<std::string> TemporaryFileTarget(const std::string& name);

// What tells one version of a file from another. Every write replaces the
// file by a new one, so its identity changes with each write.
struct FileStamp {
  bool Exists = false;  // a regular file; all missing files are equal
  std::uint64_t Device = 0;
  std::uint64_t Inode = 0;
  std::uint64_t Size = 0;
  std::int64_t ModifiedNs = 0;
  std::int64_t ChangedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& path);

}  // namespace ovalto
