#!/usr/bin/env bash
# Builds the Debian package orx-kmb_<version>_<arch>.deb in build/ and prints
# its path as its last line (everything else goes to standard error).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >&2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j 2 --target orx_kmb kmb_install_files >&2
cd build
output=$(cpack -G DEB)
echo "$output" >&2
deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$output")
[ -f "$deb" ] || { echo "package.sh: no package was made" >&2; exit 1; }
echo "$deb"
