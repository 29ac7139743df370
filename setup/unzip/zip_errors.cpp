// How the component tells its caller about failures and progress.
#include <cmath>

#include "messages.h"
#include "tunzip.h"

namespace unzip {

namespace {

std::string FileNamePart(const std::string& name) {
  const std::size_t slash = name.find_last_of("/\\");
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

std::uint8_t Percent(std::uint64_t part, std::uint64_t whole) {
  if (whole == 0) return 0;
  const double percent = std::nearbyint(static_cast<long double>(part) * 100.0L / whole);
  return static_cast<std::uint8_t>(std::min(percent, 100.0));
}

}  // namespace

void TUnZIP::FireOnError(const std::string& fn, const std::string& msgEx, const std::string& volumeId, int eCode) {
  // A cancelled run stays quiet about what its cancelling caused.
  if (!OnError || (activeExtractor_ != nullptr && activeExtractor_->cancelFlag_)) return;
  Fire(OnError, *this, fn, msgEx, volumeId, eCode);
}

void TUnZIP::RaiseError(const std::string& fn, const std::string& msgEx, const std::string& volumeId, int eCode) {
  FireOnError(fn, msgEx, volumeId, eCode);
  throw E_RAISE(eCode);
}

void TUnZIP::ReportError(const std::string& fn, const std::string& msgEx, int eCode, const std::string& volumeId) {
  FireOnError(FileNamePart(fn), msgEx, volumeId, eCode);
}

void TUnZIP::FailEntry(const std::string& fn, const std::string& msgEx, int eCode) {
  ReportError(fn, msgEx, eCode);
  ++failedCount_;
  if (firstFailureCode_ == 0) firstFailureCode_ = eCode;
}

void TUnZIP::FailRun(int eCode, bool reported) {
  if (!reported) ReportError(archiveFile_, "", eCode);
  if (firstFailureCode_ == 0) firstFailureCode_ = eCode;
}

void TUnZIP::ReportProgress(std::uint64_t done, std::uint64_t total) {
  filePercent_ = Percent(done, total);
  archivePercent_ = Percent(archiveTotal_ - archiveRemaining_, archiveTotal_);
  Fire(OnProgress, *this, filePercent_, archivePercent_);
}

}  // namespace unzip
