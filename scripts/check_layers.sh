#!/usr/bin/env bash
# The layers the tree shows: src/core is plain C++ (no Qt, no window), src/ui
# holds the windows over it, src/app the main window; no folder includes one
# that includes it back. Prints what breaks the rule and fails.
set -euo pipefail
cd "$(dirname "$0")/../src"
status=0
fail() { echo "layers: $*"; status=1; }

while IFS= read -r hit; do fail "core code uses Qt or a window: $hit"; done \
  < <(grep -rnE '#include (<Q|"ui/|"app/)' core || true)
while IFS= read -r hit; do fail "a window includes the main window: $hit"; done \
  < <(grep -rnE '#include "app/' ui || true)

# Folder-to-folder includes, e.g. "ui/award core/award".
pairs=$(grep -rn '#include "' core ui app | sed -E 's#^(core|ui)/([^/]+)/[^:]*:[0-9]+:.*"([^"]+)/[^/"]+"#\1/\2 \3#;
                                                    s#^app/[^:]*:[0-9]+:.*"([^"]+)/[^/"]+"#app \1#' |
        awk '$1 != $2' | sort -u)
while read -r from to; do
  [ -z "$from" ] && continue
  if grep -qx "$to $from" <<<"$pairs"; then fail "$from and $to include each other"; fi
done <<<"$pairs"
exit $status
