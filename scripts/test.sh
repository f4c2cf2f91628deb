#!/usr/bin/env bash
# Installs what Sondrel needs, builds the test tree (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test; then builds the
# ThreadSanitizer tree and runs the tests of parallel work in it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh test
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
(cd build/test && ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" "$@")

bash scripts/build.sh tsan
# A race report fails the run (and sondrel-cli, which the tests start from
# the same tree, exits with 66 on one). Kernels with many random bits for
# mmap (vm.mmap_rnd_bits above 28) make ThreadSanitizer abort with
# "unexpected memory mapping": the tests then run without address-space
# randomisation, which setarch -R turns off for them and their children.
# The OpenMP runtime that the SoundFont synthesizer starts threads with is
# not built with ThreadSanitizer, which so cannot see its synchronisation
# and reports races inside it (when the engine loads the SoundFont, before
# any batch): those are left out.
suppressions=$PWD/build/tsan/suppressions.txt
printf '%s\n' 'called_from_lib:libgomp.so.1' 'race:libgomp.so.1' >"$suppressions"
# The tests start sondrel-cli, sox and ffmpeg as child processes after other
# tests have run threads; each child execs at once, so ThreadSanitizer's
# refusal to let a forked child of a threaded process start threads of its
# own (die_after_fork) is turned off.
export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=0:second_deadlock_stack=1:die_after_fork=0:suppressions=$suppressions}
tsan_tests=(build/tsan/sondrel-tests --gtest_filter='*Parallel*')
if "${tsan_tests[0]}" --gtest_list_tests >/dev/null 2>&1; then
  "${tsan_tests[@]}"
else
  setarch "$(uname -m)" -R "${tsan_tests[@]}"
fi
