#!/usr/bin/env bash
# Builds the fault-injection and bad-input tests, and those of the radio's
# and the cluster's threads and sockets, with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
tests=(test_log_files test_main_editing test_reports_adif test_award_lists test_bad_input test_radio_window test_spots_window)
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan -j 2 --target "${tests[@]}"
cd build-asan
# Qt's own allocations at exit are not this program's leaks.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j 2 -R "^($(IFS='|'; echo "${tests[*]}"))\$"
