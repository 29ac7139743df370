#!/usr/bin/env bash
# Builds the zip library and its fuzz target with clang in a build folder of its own, then
# fuzzes whole archives for a minute, seeded with the test archives. Any crash, leak, hang or
# sanitizer report fails the run.
#   run_fuzz.sh [build folder] [seconds]
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../../../.." && pwd)"
build="${1:-$repo/build-fuzz}"
seconds="${2:-60}"

mkdir -p "$build"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DUNZIP_SOURCE_DIR="$repo/setup/unzip" >"$build/configure.log" 2>&1 \
  || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" --target fuzz_unzip -j"$(nproc)" >"$build/build.log" 2>&1 || { cat "$build/build.log"; exit 1; }

corpus="$build/corpus"
rm -rf "$corpus" "$build/artifacts"
mkdir -p "$corpus" "$build/artifacts"
cp "$here"/../data/*.zip "$here"/../data/*.exe "$here"/../data/split.z0* "$corpus/"

cd "$build"
ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ./fuzz_unzip "$corpus" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 -max_len=32768 \
  -artifact_prefix="$build/artifacts/" -print_final_stats=1 2>&1 | tail -n 40
status=${PIPESTATUS[0]}
if ls "$build"/artifacts/* >/dev/null 2>&1; then
  echo "fuzzing found failing inputs in $build/artifacts" >&2
  exit 1
fi
exit "$status"
