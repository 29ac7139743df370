#include "arc_type.h"

namespace unzip {

bool IsKnownArcType(TArcType type) { return type > atUnknown; }

bool IsZipArcType(TArcType type) { return type == atJar || type == atZip || type == atZipExe || type == atZipMV; }

bool IsTraditionalEncryptionType(TArcType type) {
  switch (type) {
    case atBh:
    case atBhExe:
    case atJar:
    case atZip:
    case atZipExe:
    case atZipMV:
      return true;
    default:
      return false;
  }
}

int SignatureRow(const std::uint8_t s[4]) {
  if (s[0] == 0x50 && s[1] == 0x4B) {
    if (s[2] == 0x07 && s[3] == 0x08) return 1;
    if (s[2] == 0x01 && s[3] == 0x02) return 2;
    if (s[2] == 0x47 && s[3] == 0x34) return 3;
    return 4;
  }
  if (s[0] == 0x4D && s[1] == 0x53 && s[2] == 0x43 && s[3] == 0x46) return 5;
  if (s[0] == 0x42 && s[1] == 0x48 && s[2] == 0x05 && s[3] == 0x07) return 6;
  if (s[0] == 0x13 && s[1] == 0x5D && s[2] == 0x65 && s[3] == 0x8C) return 7;
  if (s[0] == 0x48 && s[1] == 0x41) return 8;
  if ((s[0] == 0x1F && (s[1] == 0x8B || s[1] == 0x9D || s[1] == 0x9E || s[1] == 0x1E || s[1] == 0xA0)) ||
      (s[0] == 0x25 && s[1] == 0x21)) {
    return 9;
  }
  if (s[0] == 0x60 && s[1] == 0xEA) return 10;
  if (s[0] == 0x5A && s[1] == 0x4F) return 11;
  if (s[2] == 0x2D && s[3] == 0x6C) return 12;
  if (s[0] == 0x52 && s[1] == 0x61 && s[2] == 0x72 && s[3] == 0x21) return 13;
  if (s[0] == 0x1A && (s[1] == 0x0A || s[1] == 0x0B)) return 14;
  if (s[0] == 0x1A && (s[1] == 0x1E || s[1] == 0x02)) return 15;
  if (s[0] == 0x1A && (s[1] == 0x08 || s[1] == 0x09)) return 16;
  if (s[0] == 0xB7 && (s[1] == 0x92 || s[1] == 0xDF)) return 17;
  return 18;
}

TArcType ArcTypeOfSignatureRow(int row, SignaturePlace place) {
  const bool atStart = place == SignaturePlace::FileStart;
  switch (row) {
    case 3:
      return atNA;
    case 4:
      return atStart ? atZip : atZipExe;
    case 5:
      return atStart ? atCab : atUnsupported;
    case 6:
      return atStart ? atBh : atBhExe;
    case 7:
      return atStart ? atMsGZ : atUnsupported;
    case 8:
      return atStart ? atHa : atUnsupported;
    case 9:
      return atStart ? atGZip : atUnsupported;
    case 10:
      return atStart ? atArj : atArjExe;
    case 11:
      return atStart ? atZoo : atUnsupported;
    case 12:
      return atStart ? atLha : atLhaExe;
    case 13:
      return atStart ? atRar : atRarExe;
    case 14:
      return atStart ? atPak : atPakExe;
    case 15:
      return atStart ? atArc : atUnsupported;
    case 16:
      return atStart ? atArc : atArcExe;
    case 17:
      return atArcExe;
    default:
      return atUnknown;
  }
}

}  // namespace unzip
