#!/usr/bin/env bash
# Configures and builds one of the build trees:
#   release  optimised, for running and benchmarks   -> build/release
#   test     debug with AddressSanitizer and UBSan   -> build/test
#   tsan     debug with ThreadSanitizer, only the test program and
#            sondrel-cli (for the tests of parallel work) -> build/tsan
# Further arguments go to CMake (scripts/build.sh release -DSONDREL_BENCH=ON).
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-release}
targets=()
jobs=$(nproc 2>/dev/null || echo 2)
case "$kind" in
  release) args=(-DCMAKE_BUILD_TYPE=Release -DSONDREL_TESTS=OFF) ;;
  test)    args=(-DCMAKE_BUILD_TYPE=Debug -DSONDREL_SANITIZE=ON -DSONDREL_TESTS=ON -DSONDREL_WERROR=ON) ;;
  tsan)
    tsan=(-fsanitize=thread -fno-omit-frame-pointer)
    args=(-DCMAKE_BUILD_TYPE=Debug -DSONDREL_SANITIZE=OFF -DSONDREL_TESTS=ON
          "-DCMAKE_C_FLAGS=${tsan[*]}" "-DCMAKE_CXX_FLAGS=${tsan[*]}"
          -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread)
    targets=(--target sondrel-tests sondrel-cli) ;;
  *) echo "usage: scripts/build.sh [release|test|tsan]" >&2; exit 2 ;;
esac
args+=("${@:2}")

# A compiler cache, when one is installed, makes rebuilds of other checkouts cheap.
if command -v ccache >/dev/null 2>&1; then
  args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi
cmake -S . -B "build/$kind" "${args[@]}" >/dev/null
cmake --build "build/$kind" -j "$jobs" "${targets[@]}"
