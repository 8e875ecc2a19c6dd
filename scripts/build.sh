#!/usr/bin/env bash
# Builds into the given folder (default build/); extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAV_WERROR=ON "$@"
cmake --build "$dir" -j"$(nproc)"
