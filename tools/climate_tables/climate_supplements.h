// Later data files that fill gaps of the climate file. A supplement gives
// some of the climate file's columns (matched by header name) for
// settlements of the climate file; it only fills fields the climate file
// leaves empty, so a value of an earlier file is never replaced.
#pragma once

#include <set>
#include <string>

#include "tsv_file.h"

namespace climate_data {

// The settlements of the supplement that its record (a Markdown file) holds
// in doubt: those named under a heading "Doubtful rows" or in a list item
// that calls its names doubtful. The record is prose, so a settlement counts
// as named where its name stands as a whole word.
std::set<std::string> DoubtfulSettlements(const std::string& recordPath, const TsvFile& supplement);

// Fills the empty fields of the climate file from the supplement, leaving out
// the rows of the settlements given.
void FillGaps(TsvFile& climate, const TsvFile& supplement, const std::set<std::string>& leftOut);

}  // namespace climate_data
