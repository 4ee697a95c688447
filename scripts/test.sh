#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds, and runs every test
# (headless). In CI (CI=true) the fault-injection and bad-input tests also
# run once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror; then
  echo "test.sh: some files are not formatted (clang-format -i on them)"
  exit 1
fi
(cd build && ctest --output-on-failure -j 2)
if [ "${CI:-}" = true ] || [ "${KMB_SANITIZE:-}" = 1 ]; then bash scripts/sanitize.sh; fi
