#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer, UndefinedBehavior-
# Sanitizer) and runs each for the given number of seconds (default 60).
# Crashing inputs are kept in build-fuzz/crashes/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/setup.sh
CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-fuzz -j 2 >/dev/null
status=0
for target in $(find build-fuzz -maxdepth 1 -type f -name 'fuzz_*' -executable | sort); do
  name=$(basename "$target")
  corpus="build-fuzz/corpus/$name"
  crashes="build-fuzz/crashes/$name"
  log="build-fuzz/logs/$name.log"
  mkdir -p "$corpus" "$crashes" build-fuzz/logs
  if ! "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$crashes/" \
        "$corpus" >"$log" 2>&1; then
    echo "fuzz: $name FOUND A CRASH (see $log and $crashes)"
    status=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  echo "fuzz: $name ${seconds}s, ${runs} inputs executed"
done
exit $status
