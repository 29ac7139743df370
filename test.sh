#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prepare.sh
ovalto_prepare
ovalto_prepare_test_locale

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DOVALTO_SANITIZE=ON
cmake --build build/test -j"$(nproc)"

cd build/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
