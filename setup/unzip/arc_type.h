// Archive types the component recognises, and the signature table that tells them apart.
#pragma once

#include <cstdint>
#include <string>

namespace unzip {

enum TArcType : std::uint8_t {
  atNA,
  atUnsupported,
  atFileOpenErr,
  atUnknown,
  atACE,
  atArc,
  atArcExe,
  atArj,
  atArjExe,
  atBh,
  atBhExe,
  atCab,
  atGZip,
  atHa,
  atJar,
  atLha,
  atLhaExe,
  atLzh,
  atLzhExe,
  atMsGZ,
  atPak,
  atPakExe,
  atRar,
  atRarExe,
  atTar,
  atUue,
  atZip,
  atZipExe,
  atZipMV,
  atZoo,
};

// Every type but the four "not an archive" results.
bool IsKnownArcType(TArcType type);
// The zip types, the only ones this component's walk can read.
bool IsZipArcType(TArcType type);
// The types whose entries may carry traditional zip encryption.
bool IsTraditionalEncryptionType(TArcType type);

// Where four signature bytes were found.
enum class SignaturePlace { InsideExecutable = 0, FileStart = 1 };

// The row of the signature table that four bytes match, 1 to 18 (18: nothing matched).
// Rows 1 and 2 (spanned zip markers) depend on the drive and are decided by the caller.
int SignatureRow(const std::uint8_t signature[4]);
// The type of a row other than 1 and 2 for the place where the bytes were found.
TArcType ArcTypeOfSignatureRow(int row, SignaturePlace place);

// The value of the octal digits of a text; other characters are skipped (tar header fields).
std::uint32_t OctalToInt(const std::string& text);

inline constexpr int kRowSpanMarker = 1;     // 50 4B 07 08
inline constexpr int kRowCentralHeader = 2;  // 50 4B 01 02
inline constexpr int kRowArcExeOffset = 17;  // B7 92 / B7 DF: the archive lies at 7717

}  // namespace unzip
