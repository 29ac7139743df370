// The decoders behind DecompressEntry. Each one produces the entry's output into the window and
// reports a failure by throwing DecodeFailure.
#pragma once

#include "bit_input.h"
#include "decompress.h"
#include "output_window.h"

namespace unzip {

void Inflate(BitInput& in, OutputWindow& out);
void Unshrink(BitInput& in, OutputWindow& out);
void Unreduce(BitInput& in, OutputWindow& out, unsigned factor);
void Explode(BitInput& in, OutputWindow& out, std::uint16_t flags);

}  // namespace unzip
