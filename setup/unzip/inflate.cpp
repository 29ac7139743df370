// Deflate (method 8) after RFC 1951.
#include <array>
#include <cstring>

#include "huffman_table.h"
#include "methods.h"

namespace unzip {

namespace {

using namespace entry;

// Primary lookup widths of the tables built for dynamic blocks; wider than the shortest codes
// need so that nearly every symbol resolves in one lookup.
constexpr unsigned kLiteralRootBits = 10;
constexpr unsigned kDistanceRootBits = 8;
constexpr unsigned kCodeLengthRootBits = 7;

constexpr unsigned kMaxMatch = 258;
constexpr std::array<std::uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                           11, 4,  12, 3, 13, 2, 14, 1, 15};

std::uint64_t Load64(const std::uint8_t* p) {
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);  // little-endian hosts only, as every target of the installer
  return v;
}

class Inflater {
 public:
  Inflater(BitInput& in, OutputWindow& out) : in_(in), out_(out) {}

  void Run() {
    bool last = false;
    while (!last) {
      last = in_.Read(1) != 0;
      switch (in_.Read(2)) {
        case 0:
          StoredBlock();
          break;
        case 1:
          DecodeBlock(FixedLiteralLengthTable(), FixedDistanceTable());
          break;
        case 2:
          ReadDynamicTables();
          DecodeBlock(literals_, distances_);
          break;
        default:
          FailBadData();
      }
    }
  }

 private:
  void StoredBlock() {
    in_.AlignToByte();
    const std::uint32_t length = in_.Read(16);
    const std::uint32_t complement = in_.Read(16);
    if (length != (~complement & 0xFFFF)) FailBadData();
    in_.CopyAlignedBytes(length, [this](const std::uint8_t* data, std::size_t n) { out_.Append(data, n); });
  }

  void ReadDynamicTables() {
    const unsigned literalCount = in_.Read(5) + 257;
    const unsigned distanceCount = in_.Read(5) + 1;
    const unsigned codeLengthCount = in_.Read(4) + 4;

    std::array<std::uint8_t, 19> codeLengthLengths{};
    for (unsigned i = 0; i < codeLengthCount; ++i) {
      codeLengthLengths[kCodeLengthOrder[i]] = static_cast<std::uint8_t>(in_.Read(3));
    }
    if (BuildHuffmanTable(codeLengthLengths.data(), 19, Alphabet::CodeLength, kCodeLengthRootBits, codeLengths_) !=
        BuildResult::Complete) {
      FailBadData(kMsgIncompleteCodeSet);
    }

    std::array<std::uint8_t, 288 + 32> lengths{};
    const unsigned total = literalCount + distanceCount;
    unsigned i = 0;
    while (i < total) {
      const unsigned symbol = Value(DecodeSlow(codeLengths_));
      if (symbol < 16) {
        lengths[i++] = static_cast<std::uint8_t>(symbol);
        continue;
      }
      std::uint8_t value = 0;
      unsigned repeat;
      if (symbol == 16) {
        if (i == 0) FailBadData(kMsgIncompleteCodeSet);  // nothing to repeat
        value = lengths[i - 1];
        repeat = 3 + in_.Read(2);
      } else if (symbol == 17) {
        repeat = 3 + in_.Read(3);
      } else {
        repeat = 11 + in_.Read(7);
      }
      if (repeat > total - i) FailBadData(kMsgIncompleteCodeSet);
      for (; repeat > 0; --repeat) lengths[i++] = value;
    }

    if (BuildHuffmanTable(lengths.data(), literalCount, Alphabet::LiteralLength, kLiteralRootBits, literals_) !=
            BuildResult::Complete ||
        BuildHuffmanTable(lengths.data() + literalCount, distanceCount, Alphabet::Distance, kDistanceRootBits,
                          distances_) == BuildResult::OverSubscribed) {
      FailBadData(kMsgIncompleteCodeSet);
    }
  }

  // One symbol through the bit reader's checked calls; used near the ends of the input and
  // of the output and for the code-length code.
  std::uint32_t DecodeSlow(const HuffmanTable& table) {
    in_.Need(kMaxCodeBits);
    std::uint32_t e = table.entries[in_.Peek(table.rootBits)];
    unsigned used = 0;
    if (Kind(e) & kSubTable) {
      used = table.rootBits;
      e = table.entries[Value(e) + (in_.Peek(used + (Kind(e) & 15)) >> used)];
    }
    if (Kind(e) & kInvalid) {
      // A code that runs into the end of the data is a cut stream, not a bad one.
      if (in_.count - in_.padBits < used + Bits(e)) FailTruncated();
      FailBadData();
    }
    in_.Drop(used + Bits(e));
    return e;
  }

  void DecodeBlock(const HuffmanTable& literals, const HuffmanTable& distances) {
    for (;;) {
      if (in_.end - in_.next >= 8 && out_.stop - out_.next >= kMaxMatch) {
        if (DecodeFast(literals, distances)) return;
        continue;
      }
      if (in_.end - in_.next < 8 && in_.RefillBuffer()) continue;
      const std::uint32_t e = DecodeSlow(literals);
      const unsigned kind = Kind(e);
      if (kind == kLiteral) {
        out_.Put(static_cast<std::uint8_t>(Value(e)));
      } else if (kind & kEndOfBlock) {
        return;
      } else {
        const unsigned length = Value(e) + in_.Read(kind & 15);
        const std::uint32_t d = DecodeSlow(distances);
        out_.CopyMatch(Value(d) + in_.Read(Kind(d) & 15), length);
      }
    }
  }

  // Decodes while at least 8 input bytes and room for the longest match remain, so that one
  // unchecked refill covers a whole length/distance pair (at most 48 bits) and no copy can
  // pass the entry's size. True at the end of the block.
  bool DecodeFast(const HuffmanTable& literals, const HuffmanTable& distances) {
    const std::uint8_t* ip = in_.next;
    const std::uint8_t* const ipLast = in_.end - 8;
    std::uint64_t bits = in_.bits;
    unsigned count = in_.count;
    std::uint8_t* op = out_.next;
    std::uint8_t* const opLast = out_.stop - kMaxMatch;
    const std::uint8_t* const floor = out_.floor;
    const std::uint32_t* const lit = literals.entries.data();
    const std::uint32_t* const dist = distances.entries.data();
    const std::uint64_t litMask = (std::uint64_t{1} << literals.rootBits) - 1;
    const std::uint64_t distMask = (std::uint64_t{1} << distances.rootBits) - 1;

    auto store = [&] {
      in_.next = ip;
      in_.bits = bits & ((std::uint64_t{1} << count) - 1);  // no stale bits above count
      in_.count = count;
      out_.next = op;
    };
    auto take = [&](unsigned n) {
      const std::uint32_t v = static_cast<std::uint32_t>(bits & ((std::uint64_t{1} << n) - 1));
      bits >>= n;
      count -= n;
      return v;
    };

    while (ip <= ipLast && op <= opLast) {
      bits |= Load64(ip) << count;
      ip += (63 - count) >> 3;
      count |= 56;

      std::uint32_t e = lit[bits & litMask];
      if (Kind(e) & kSubTable) {
        take(literals.rootBits);
        e = lit[Value(e) + (bits & ((1u << (Kind(e) & 15)) - 1))];
      }
      take(Bits(e));
      unsigned kind = Kind(e);
      if (kind == kLiteral) {
        *op++ = static_cast<std::uint8_t>(Value(e));
        continue;
      }
      if (!(kind & kBase)) {
        store();
        if (kind & kEndOfBlock) return true;
        FailBadData();
      }
      const unsigned length = Value(e) + take(kind & 15);

      e = dist[bits & distMask];
      if (Kind(e) & kSubTable) {
        take(distances.rootBits);
        e = dist[Value(e) + (bits & ((1u << (Kind(e) & 15)) - 1))];
      }
      take(Bits(e));
      kind = Kind(e);
      if (!(kind & kBase)) {
        store();
        FailBadData();
      }
      const std::size_t distance = Value(e) + take(kind & 15);
      if (distance > static_cast<std::size_t>(op - floor)) {
        store();
        FailBadData();  // before the start of the entry's output
      }

      const std::uint8_t* from = op - distance;
      std::uint8_t* const to = op + length;
      if (distance >= 8) {
        // Word copies may run up to 7 bytes past the match; the window has slack for it.
        do {
          std::memcpy(op, from, 8);
          op += 8;
          from += 8;
        } while (op < to);
      } else if (distance == 1) {
        std::memset(op, *from, length);
      } else {
        do *op++ = *from++;
        while (op < to);
      }
      op = to;
    }
    store();
    return false;
  }

  BitInput& in_;
  OutputWindow& out_;
  HuffmanTable codeLengths_;
  HuffmanTable literals_;
  HuffmanTable distances_;
};

}  // namespace

void Inflate(BitInput& in, OutputWindow& out) { Inflater(in, out).Run(); }

}  // namespace unzip
