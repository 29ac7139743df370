// The library's message table and its error class.
//
// Every failure the component reports carries one of these numbers; the event handler
// gets the number, the exception carries the text.
#pragma once

#include <stdexcept>
#include <string>

namespace unzip {

// Numbers used by the archive component and its walk (the decompressors' own numbers are
// declared in decompress.h).
inline constexpr int kMsgBadFileHeader = 25108;
inline constexpr int kMsgErrorClosing = 25137;
inline constexpr int kMsgCrcFailed = 25151;
inline constexpr int kMsgCannotCreateDir = 25153;
inline constexpr int kMsgNotAccessible = 25157;
inline constexpr int kMsgFileNotFound = 25172;
inline constexpr int kMsgErrorOpening = 25235;
inline constexpr int kMsgErrorReading = 25236;
inline constexpr int kMsgBadArchiveType = 25242;
inline constexpr int kMsgBadLocalHeader = 25248;
inline constexpr int kMsgOutOfMemory = 25253;
inline constexpr int kMsgEventNotAssigned = 25270;
inline constexpr int kMsgSeekError = 25292;
inline constexpr int kMsgInvalidPassword = 26517;
inline constexpr int kMsgPasswordFailed = 26522;

// The text of a message number; empty for a number the table does not hold.
std::string MessageText(int code);

// The library's exception: its text is the message of its number.
class E_RAISE : public std::runtime_error {
 public:
  explicit E_RAISE(int code);
  int Code() const { return code_; }

 private:
  int code_;
};

// A read, seek or write of a file failed at the system level.
class EInOutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace unzip
