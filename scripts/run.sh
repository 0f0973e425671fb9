#!/usr/bin/env bash
# The main job: build the plugin and the skin packs for Linux and Windows, then
# play the demo scenario in the preview host and print its transcript.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh

jobs=$(nproc)
for preset in linux windows; do
  cmake --preset "$preset" -DVTX_TESTS=OFF >/dev/null
  cmake --build --preset "$preset" -j"$jobs" --target vantrix skins
done
cmake --build --preset linux -j"$jobs" --target vantrix-preview
echo "Built: build/linux/bin/vantrix.so and build/windows/bin/vantrix.dll"
echo "Skin packs for the host's data folder: build/linux/bakkesmod/data/Vantrix/skins (xbox, ps5)"
exec build/linux/bin/vantrix-preview run demo/demo.vtx
