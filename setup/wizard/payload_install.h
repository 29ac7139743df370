// Unpacking the payload into the target folder.
//
// The archive copy "Ovalto4.dat" is written first and extracted in three passes of up to three
// attempts; existing files are kept, only the program is written anew. The new program is
// extracted under a name of its own and takes the old one's place only once it is whole, so no
// failure leaves the user without a program. An attempt counts as failed when the component
// raises or leaves any selected entry unwritten.
#pragma once

#include <functional>
#include <string>

#include "unzip_platform.h"

namespace setup {

inline constexpr const char* kProgramFile = "Ovalto4";
inline constexpr const char* kArchiveCopy = "Ovalto4.dat";

class PayloadInstall {
 public:
  // target: an absolute folder that exists. pumpMessages runs between failed attempts.
  PayloadInstall(std::string target, std::function<void()> pumpMessages,
                 unzip::UnzipPlatform& platform = unzip::SystemUnzipPlatform());

  // Writes the archive whole as "Ovalto4.dat"; false (and no copy left) when it can't.
  bool WriteArchiveCopy(const std::string& archive);
  // The three passes; false when a pass failed three times. On success the program is in place
  // and the archive copy deleted; on failure the old program is untouched.
  bool Extract();

  std::string ProgramPath() const { return target_ + "/" + kProgramFile; }
  std::string ArchivePath() const { return target_ + "/" + kArchiveCopy; }

 private:
  bool RunPass();
  bool RunAttempt();
  bool PlaceProgram();
  std::string StagedProgramPath() const { return target_ + "/.Ovalto4.new"; }

  std::string target_;
  std::function<void()> pumpMessages_;
  unzip::UnzipPlatform& platform_;
  bool programPlaced_ = false;
};

}  // namespace setup
