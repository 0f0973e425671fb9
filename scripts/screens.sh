#!/usr/bin/env bash
# Regenerates the README's pictures of the menu (docs/screens/*.png): builds
# the preview host for Linux and plays docs/screens/screens.vtx, whose
# snapshots land beside it. No display is needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh

cmake --preset linux >/dev/null
cmake --build --preset linux -j"$(nproc)" --target vantrix-preview
cd docs/screens
"$root/build/linux/bin/vantrix-preview" run screens.vtx
echo "screens: $(ls "$root"/docs/screens/*.png | sed "s|$root/||" | tr '\n' ' ')"
