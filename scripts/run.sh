#!/usr/bin/env bash
# The main job: build the plugin, our skin packs and the preview host for
# Linux, then play the demo scenario and write every frame of it, with a
# contact sheet of its key moments, into an output folder (default out/demo).
# Needs neither Wine nor the Windows build.
#   scripts/run.sh [OUTPUT_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/out/demo}")
cd "$root"
bash scripts/setup.sh

cmake --preset linux -DVTX_TESTS=OFF >/dev/null
cmake --build --preset linux -j"$(nproc)" --target vantrix skins vantrix-preview
echo "Built: build/linux/bin/vantrix.so and build/linux/bin/vantrix-preview"
echo "Skin packs for the host's data folder: build/linux/bakkesmod/data/Vantrix/skins (xbox, ps5)"
build/linux/bin/vantrix-preview run demo/demo.vtx --frames "$out"
echo "Demo frames: $out/frame-*.png"
echo "Key moments: $out/contact-sheet.png"
