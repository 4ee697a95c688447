#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the package checks
# need; with the argument "bench", those of the benchmarks too. Quick when
# all is present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git file
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-webengine-dev qt6-webengine-dev-tools
  qt6-qpa-plugins qt6-translations-l10n qt6-multimedia-dev libgl-dev libglx-dev
  googletest libgtest-dev clang libclang-rt-14-dev clang-format libicu-dev
  xvfb xauth poppler-utils fonts-dejavu-core fonts-liberation
  dpkg-dev lintian desktop-file-utils appstream
  libhamlib-dev libhamlib-utils
)
[ "${1:-}" = bench ] && packages+=(libbenchmark-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
