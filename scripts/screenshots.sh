#!/usr/bin/env bash
# Takes again the pictures of the guide (docs/images/*.png) from the real
# windows, over the sample log resources/sample/F4KMB_KMB.log, under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j 2 --target kmb_screenshots
rm -f docs/images/*.png
xvfb-run -a -s "-screen 0 1600x1200x24" \
  env QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu" \
  build/tools/kmb_screenshots resources/sample/F4KMB_KMB.log docs/images
