#!/usr/bin/env bash
# Installs what is missing and builds the program and its tests into build/.
# In CI (CI=true) every warning is an error.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKMB_WARNINGS_AS_ERRORS=$werror >/dev/null
cmake --build build -j 2
