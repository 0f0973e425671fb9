#!/usr/bin/env bash
# Rewrites the expected pictures that snapshot tests compare against
# (tests/scenarios/snapshots/expected, tests/preview/fixtures/expected): run it
# when a change to the drawing is meant, then look at the pictures before
# committing them. The tests never write them on their own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

cmake --preset linux >/dev/null
cmake --build --preset linux -j"$(nproc)" --target vantrix-preview
VTX_UPDATE_SNAPSHOTS=1 ctest --preset linux -R '^(scenario\.snapshot\.|preview_commands$)' --output-on-failure
git status --short -- tests/scenarios/snapshots tests/preview/fixtures
