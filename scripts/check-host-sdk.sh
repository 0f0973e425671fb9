#!/usr/bin/env bash
# Compiles every plugin source against a real copy of the host's SDK (its
# headers and the Dear ImGui of its imgui_bm.zip) with mingw g++, syntax
# only, and prints how many of how many compile. The stand-in host's headers
# are written to match the SDK's; this is what proves they do.
#
#   scripts/check-host-sdk.sh SDK_DIR      (SDK_DIR holds include/ and imgui_bm.zip)
#
# GCC is not MSVC: a temporary copy of the SDK is adapted (scripts/
# host-sdk-for-gcc.py), never the plugin. The stand-in platform (Linux only)
# is not a source of the DLL and is left out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ne 1 ]; then
  echo "usage: $0 SDK_DIR" >&2
  exit 2
fi
sdk=$(cd "$1" && pwd)
if [ ! -f "$sdk/include/bakkesmod/plugin/bakkesmodplugin.h" ]; then
  echo "check-host-sdk: $sdk has no include/bakkesmod/plugin/bakkesmodplugin.h" >&2
  exit 2
fi
if [ ! -f "$sdk/imgui_bm.zip" ]; then
  echo "check-host-sdk: $sdk has no imgui_bm.zip" >&2
  exit 2
fi
# The posix-thread g++, as the Windows build uses: its C++ thread library is
# complete (std::mutex), as MSVC's is.
cxx=${VTX_MINGW_CXX:-x86_64-w64-mingw32-g++-posix}
command -v "$cxx" >/dev/null || { echo "check-host-sdk: $cxx not found (scripts/setup.sh installs it)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/scripts/host-sdk-for-gcc.py" "$sdk/include" "$work/include" >/dev/null
unzip -q "$sdk/imgui_bm.zip" -d "$work/zip"
imgui=$(dirname "$(find "$work/zip" -name imgui.h | head -n 1)")

# -w: the SDK's warnings are not ours, and the errors are what counts.
flags=(-std=c++20 -fsyntax-only -w -DNOMINMAX "-D__pragma(x)=" "-D_NODISCARD=[[nodiscard]]" -include functional
       -I"$root/src" -I"$work/include" -isystem "$imgui")
# MSVC looks for a quoted include beside every file that includes it.
while IFS= read -r folder; do flags+=(-iquote "$folder"); done < <(find "$work/include" -type d)

# One compiler per core; each source leaves its errors in a file of its own.
export cxx work
compile_one() {
  local log="$work/logs/$(echo "$1" | tr '/' '_').txt"
  "$cxx" "$@" 2>"$log" || { echo "$1" >>"$work/failed.txt"; return 0; }
}
export -f compile_one
mkdir -p "$work/logs"
: >"$work/failed.txt"
find "$root/src" -name '*.cpp' -not -path "$root/src/platform/standin/*" | sort >"$work/sources.txt"
# The source comes first so that compile_one can name its log after it.
xargs -a "$work/sources.txt" -P "$(nproc)" -I{} bash -c 'compile_one "$@"' _ {} "${flags[@]}"

total=$(wc -l <"$work/sources.txt")
sort -o "$work/failed.txt" "$work/failed.txt"
while IFS= read -r source; do
  echo "  does not compile: ${source#"$root"/}"
  grep -m 3 'error' "$work/logs/$(echo "$source" | tr '/' '_').txt" | sed 's/^/      /'
done <"$work/failed.txt"
passed=$((total - $(wc -l <"$work/failed.txt")))
echo "check-host-sdk: $passed of $total plugin sources compile against $sdk"
[ "$passed" = "$total" ] && [ "$total" -gt 0 ]
