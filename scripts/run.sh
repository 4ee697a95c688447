#!/usr/bin/env bash
# Installs what is missing, builds, and starts ORX_KMB.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec ./build/orx_kmb "$@"
