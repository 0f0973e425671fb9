#!/usr/bin/env bash
# Every test: the Linux build, the checks against the host's own SDK (every
# plugin source compiles against its headers, every host function the plugin
# calls is in its import library, and our Dear ImGui is the host's), the
# Windows build under Wine, the Linux build under AddressSanitizer/UBSan
# (with the fuzzers' short runs) and the Linux build under ThreadSanitizer
# (the plugin windows' operations also on a thread of their own, in the
# scenarios of tests/scenarios/threads). At the end it prints how long each
# stage took.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# Each stage's time, printed at the end, also when a stage stops the run: a
# slowdown shows in the run that brings it. Beside the wall-clock seconds,
# the processor seconds the stage's programs used: on a machine busy with
# other work the first grows and the second does not.
stage_names=()
stage_wall=()
stage_cpu=()
stage_name=
run_began=$SECONDS
times_file=$(mktemp)
read_cpu() { # cpu: user and system seconds of the finished child processes
  times >"$times_file"
  cpu=$(awk 'NR == 2 { t = 0; for (i = 1; i <= NF; i++) { split($i, p, "m"); t += p[1] * 60 + p[2] } printf "%d", t }' "$times_file")
}
begin() {
  stage_name=$1
  stage_began=$SECONDS
  read_cpu
  stage_cpu_began=$cpu
}
end() {
  read_cpu
  stage_names+=("$stage_name")
  stage_wall+=($((SECONDS - stage_began)))
  stage_cpu+=($((cpu - stage_cpu_began)))
  stage_name=
}
print_times() {
  local i
  [ -n "$stage_name" ] && end
  read_cpu
  rm -f "$times_file"
  echo "== times (seconds)"
  printf '  %-20s %6s %6s\n' stage wall cpu
  for i in "${!stage_names[@]}"; do
    printf '  %-20s %6d %6d\n' "${stage_names[$i]}" "${stage_wall[$i]}" "${stage_cpu[$i]}"
  done
  printf '  %-20s %6d %6d\n' total $((SECONDS - run_began)) "$cpu"
}
trap print_times EXIT

begin setup
bash scripts/setup.sh
end

# ccache (set up by setup.sh) keeps compiled objects between runs; with the
# base folder set to this checkout, another clone of the same sources reuses them.
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
fi

# The presets build their tests in unity batches with unoptimised test
# programs (CMakePresets.json). The quickest to build comes first, so that a
# broken build stops the run within minutes; then the host SDK checks, which
# compile each plugin source alone (the presets batch them) in a minute or
# two; then the Windows build, the only one that compiles the Win32 platform
# layer; the sanitizer builds last.
jobs=$(nproc)
status=0
preset() {
  echo "== $1"
  begin "$1 build"
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j"$jobs"
  end
  begin "$1 test"
  ctest --preset "$1" -j"$jobs" || status=1
  end
}
# The host's SDK: VTX_HOST_SDK_DIR, else the copy beside the project.
host_sdk_checks() {
  local sdk=${VTX_HOST_SDK_DIR:-}
  if [ -z "$sdk" ] && [ -d "$root/../shared/host-sdk" ]; then
    sdk=$root/../shared/host-sdk
  fi
  echo "== host SDK"
  begin "host SDK"
  if [ -z "$sdk" ]; then
    echo "host SDK checks skipped: set VTX_HOST_SDK_DIR to a copy of the host's SDK repository (none at ../shared/host-sdk)"
  else
    bash scripts/check-host-sdk.sh "$sdk" || status=1
    bash scripts/check-imgui-copy.sh "$sdk" || status=1
  fi
  end
}
preset linux
host_sdk_checks
preset windows
preset linux-asan
preset linux-tsan
exit $status
