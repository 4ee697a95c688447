#!/usr/bin/env bash
# Builds the benchmarks (they need Google Benchmark) in build-bench/ and runs
# them; arguments go to the benchmark, e.g. --benchmark_filter=Save.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh bench
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKMB_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j 2 --target kmb_bench
build-bench/bench/kmb_bench "$@"
