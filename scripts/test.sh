#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test twice: in a normal build and in one
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

echo "== normal build"
bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j2

echo "== sanitizer build"
bash scripts/build.sh build-asan -DZAV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp":print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j2
