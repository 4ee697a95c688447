#!/usr/bin/env bash
# Makes the Debian package from a built tree (argument: its build folder)
# and checks it: lintian reports no error and every warning left is named in
# docs/installation.md; the desktop entry and the AppStream metadata pass
# their validators. Run by ctest as the test debian_package.
set -euo pipefail
build=$(cd "$1" && pwd)
cd "$(dirname "$0")/.."
output=$(cd "$build" && cpack -G DEB)
deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$output")
[ -f "$deb" ] || { echo "$output"; echo "check_package: no package was made"; exit 1; }
status=0

echo "== lintian $(basename "$deb")"
report=$(lintian --fail-on none "$deb" 2>&1)
if [ -n "$report" ]; then echo "$report"; fi
if grep -q '^E: ' <<<"$report"; then
  echo "check_package: lintian reports errors"
  status=1
fi
for tag in $(sed -n 's/^W: [^ ]*: \([^ ]*\).*/\1/p' <<<"$report" | sort -u); do
  if ! grep -q -- "$tag" docs/installation.md; then
    echo "check_package: the lintian warning $tag is not explained in docs/installation.md"
    status=1
  fi
done

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
for desktop in "$tree"/usr/share/applications/*.desktop; do
  echo "== desktop-file-validate ${desktop#"$tree"}"
  desktop-file-validate "$desktop" || status=1
done
for metainfo in "$tree"/usr/share/metainfo/*.metainfo.xml; do
  echo "== appstreamcli validate --no-net ${metainfo#"$tree"}"
  appstreamcli validate --no-net "$metainfo" || status=1
  # Each version of the changelog is a release of the AppStream file, of the same day.
  changelog="$tree/usr/share/doc/orx-kmb/changelog.gz"
  versions=$(zcat "$changelog" | dpkg-parsechangelog -l- --all -S Version)
  dates=$(zcat "$changelog" | dpkg-parsechangelog -l- --all -S Date)
  while read -r version && read -r date <&3; do
    day=$(date -u -d "$date" +%F)
    if ! grep -q "<release version=\"$version\" date=\"$day\"" "$metainfo"; then
      echo "check_package: the changelog's $version of $day is no release of the same day in ${metainfo#"$tree"}"
      status=1
    fi
  done <<<"$versions" 3<<<"$dates"
done
exit $status
