#!/usr/bin/env bash
# Compiles every plugin source against a real copy of the host's SDK (its
# headers and the Dear ImGui of its imgui_bm.zip) with mingw g++, and prints
# how many of how many compile. The stand-in host's headers are written to
# match the SDK's; this is what proves they do. Then it looks up every host
# function those objects call (an imported member of a class the SDK
# declares) among the functions the SDK's import library pluginsdk.lib
# exports, and prints how many of how many it found (scripts/
# host-functions.py): a DLL calling one the host does not export would not
# load.
#
#   scripts/check-host-sdk.sh SDK_DIR      (SDK_DIR holds include/, imgui_bm.zip and
#                                           pluginsdk.lib in lib/ or in itself)
#
# GCC is not MSVC: a copy of the SDK is adapted (scripts/host-sdk-for-gcc.py),
# never the plugin, and what is compared are the functions' names and
# parameters, not the MSVC ABI. The stand-in platform (Linux only) is not a
# source of the DLL and is left out. The copy and the objects are kept in
# build/host-sdk-check; ccache, when installed, keeps the objects between runs.
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
lib=$sdk/lib/pluginsdk.lib
[ -f "$lib" ] || lib=$sdk/pluginsdk.lib
if [ ! -f "$lib" ]; then
  echo "check-host-sdk: $sdk has no pluginsdk.lib (in lib/ or in itself)" >&2
  exit 2
fi
# The posix-thread g++, as the Windows build uses: its C++ thread library is
# complete (std::mutex), as MSVC's is.
cxx=${VTX_MINGW_CXX:-x86_64-w64-mingw32-g++-posix}
command -v "$cxx" >/dev/null || { echo "check-host-sdk: $cxx not found (scripts/setup.sh installs it)" >&2; exit 2; }

# A fixed folder, so that the compile commands are the same from run to run
# and ccache finds their objects again.
work=$root/build/host-sdk-check
rm -rf "$work"
mkdir -p "$work"
if command -v ccache >/dev/null; then
  launcher=ccache
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
else
  launcher=
fi
python3 "$root/scripts/host-sdk-for-gcc.py" "$sdk/include" "$work/include" >/dev/null
unzip -q "$sdk/imgui_bm.zip" -d "$work/zip"
imgui=$(dirname "$(find "$work/zip" -name imgui.h | head -n 1)")

# -w: the SDK's warnings are not ours, and the errors are what counts.
flags=(-std=c++20 -c -w -DNOMINMAX "-D__pragma(x)=" "-D_NODISCARD=[[nodiscard]]" -include functional
       -I"$root/src" -I"$work/include" -isystem "$imgui")
# MSVC looks for a quoted include beside every file that includes it.
while IFS= read -r folder; do flags+=(-iquote "$folder"); done < <(find "$work/include" -type d)

# One compiler per core; each source leaves its errors in a file of its own
# and its object beside it.
export cxx work launcher
compile_one() {
  local name=${1#"$root"/}
  mkdir -p "$(dirname "$work/objects/$name")"
  $launcher "$cxx" "$@" -o "$work/objects/$name.o" 2>"$work/logs/$(echo "$name" | tr '/' '_').txt" || {
    echo "$1" >>"$work/failed.txt"
    rm -f "$work/objects/$name.o"
  }
  return 0
}
export -f compile_one
export root
mkdir -p "$work/logs" "$work/objects"
: >"$work/failed.txt"
find "$root/src" -name '*.cpp' -not -path "$root/src/platform/standin/*" | sort >"$work/sources.txt"
# The source comes first so that compile_one can name its log after it.
xargs -a "$work/sources.txt" -P "$(nproc)" -I{} bash -c 'compile_one "$@"' _ {} "${flags[@]}"

total=$(wc -l <"$work/sources.txt")
sort -o "$work/failed.txt" "$work/failed.txt"
while IFS= read -r source; do
  echo "  does not compile: ${source#"$root"/}"
  grep -m 3 'error' "$work/logs/$(echo "${source#"$root"/}" | tr '/' '_').txt" | sed 's/^/      /'
done <"$work/failed.txt"
passed=$((total - $(wc -l <"$work/failed.txt")))
echo "check-host-sdk: $passed of $total plugin sources compile against $sdk"
compiled=0
[ "$passed" = "$total" ] && [ "$total" -gt 0 ] && compiled=1

# The link: every host function the objects call, looked up in the library.
linked=0
if [ "$passed" -gt 0 ]; then
  python3 "$root/scripts/host-functions.py" "$work/include" "$lib" "$work/objects" && linked=1
fi
[ $compiled = 1 ] && [ $linked = 1 ]
