// Whole-file reads and writes for the files the program keeps. A write
// replaces a file in one step: after a crash, a full disk or any failure the
// file holds either its old contents or the new ones, never part of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ovalto {

bool FileExists(const std::string& path);

// The whole file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes `bytes` to a temporary file in the same folder, flushes it to the
// disk, renames it over `path` and flushes the folder. Returns the reason of
// a failure (the temporary file is removed then), or nothing on success. A
// file that nobody may write, or that the user may not, is not replaced:
// the rename would go round its rights.
std::optional<std::string> ReplaceFileAtomically(const std::string& path, const std::string& bytes);

// The file that a temporary file of ReplaceFileAtomically named `name` was
// to replace, as a name in the same folder; nothing for any other name.
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
