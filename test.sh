#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test:
#   1. the libraries and their tests without widgets under ASan + UBSan,
#   2. the fuzz targets, each for a few seconds (clang + libFuzzer),
#   3. the whole program and all its tests (widget tests offscreen, X tests under Xvfb).
# The last ctest summary covers the full build; the script fails if any stage failed.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/setup.sh || exit 1

status=0
stage() {  # stage <name> <build dir> [cmake options...]
  local name="$1" dir="$2"; shift 2
  echo "=== $name"
  if ! scripts/build.sh "$dir" "$@"; then
    echo "=== $name: build FAILED"; status=1; return
  fi
  if ! ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" --timeout 600; then
    echo "=== $name: tests FAILED"; status=1
  fi
}

stage "sanitizers (ASan + UBSan)" build-asan -DKV_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
stage "fuzz targets" build-fuzz -DKV_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
stage "program and all tests" build
exit $status
