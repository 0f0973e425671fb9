#!/usr/bin/env bash
# Every test: the Linux build, the Linux build under AddressSanitizer/UBSan
# (with the fuzzers' short runs), the Windows build under Wine, the Linux
# build under ThreadSanitizer (the plugin windows' operations also on a thread
# of their own, in the scenarios of tests/scenarios/threads), and the
# checks against the host's own SDK: every plugin source compiles against its
# headers, and our Dear ImGui is the host's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh

# ccache (set up by setup.sh) keeps compiled objects between runs; with the
# base folder set to this checkout, another clone of the same sources reuses them.
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
fi

jobs=$(nproc)
status=0
for preset in linux linux-asan windows linux-tsan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  ctest --preset "$preset" -j"$jobs" || status=1
done
# The host's SDK: VTX_HOST_SDK_DIR, else the copy beside the project.
sdk=${VTX_HOST_SDK_DIR:-}
if [ -z "$sdk" ] && [ -d "$root/../shared/host-sdk" ]; then
  sdk=$root/../shared/host-sdk
fi
echo "== host SDK"
if [ -z "$sdk" ]; then
  echo "host SDK checks skipped: set VTX_HOST_SDK_DIR to a copy of the host's SDK repository (none at ../shared/host-sdk)"
else
  bash scripts/check-host-sdk.sh "$sdk" || status=1
  bash scripts/check-imgui-copy.sh "$sdk" || status=1
fi
exit $status
