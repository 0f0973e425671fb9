#!/usr/bin/env bash
# Makes the zip that players install: vantrix-VERSION-win64.zip, laid out like
# the host's folder (plugins/vantrix.dll, data/Vantrix/skins/xbox/*.png,
# data/Vantrix/skins/ps5/*.png).
#
#   scripts/release.sh PATH/TO/vantrix.dll [OUTDIR]      (OUTDIR: build/release)
#
# The DLL must be the one built for the real host with MSVC (/MD, the
# msvc-host preset). The mingw-w64 DLL is for our tests under Wine and cannot
# run in the host, so it is refused, as is anything that is not a 64-bit x86
# Windows DLL or whose exported record carries another version than this
# tree's (src/core/Version.h), which names the zip.
#
# The skin packs come from the linux preset's build (its skins target renders
# them, and is built here when needed), or from VTX_SKINS_DIR when set (a
# folder holding xbox/ and ps5/). Needs objdump (binutils) and zip.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
packs=(xbox ps5)
# Runtime DLLs of mingw-w64's GCC: a DLL importing any of them is a mingw build.
mingw_runtime=(libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll msvcrt.dll)

fail() {
  echo "release: $*" >&2
  exit 1
}

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: scripts/release.sh PATH/TO/vantrix.dll [OUTDIR]" >&2
  exit 2
fi
dll=$1
outdir=${2:-$root/build/release}
objdump=${OBJDUMP:-objdump}
command -v "$objdump" >/dev/null || fail "needs $objdump (Debian package binutils)"
command -v zip >/dev/null || fail "needs zip (Debian package zip)"
[ -f "$dll" ] || fail "$dll: no such file"

version=$(sed -n 's/.*kVersion\[\] = "\([0-9]*\.[0-9]*\.[0-9]*\)";.*/\1/p' "$root/src/core/Version.h")
[ -n "$version" ] || fail "no version in $root/src/core/Version.h"

# --- The DLL: PE32+ x86-64, a DLL, MSVC's release runtime, this tree's version.
headers=$("$objdump" -p "$dll" 2>/dev/null) || fail "$dll is not a Windows DLL (not a PE file)"
format=$(awk '/file format/ {print $NF; exit}' <<<"$headers")
case $format in
  pei-x86-64) ;;
  pei-i386) fail "$dll is a 32-bit DLL (PE32); the host loads 64-bit x86 (PE32+ x86-64) DLLs only" ;;
  pe*) fail "$dll is not an x86-64 PE32+ DLL (file format $format)" ;;
  *) fail "$dll is not a Windows DLL (file format ${format:-unknown})" ;;
esac
grep -q '^Magic[[:space:]]*020b' <<<"$headers" || fail "$dll is not PE32+"
[ "$(sed -n '/^Characteristics/,/^Time/{/^[[:space:]]*DLL$/p}' <<<"$headers")" ] ||
  fail "$dll is a program, not a DLL"

imports=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$headers")
for runtime in "${mingw_runtime[@]}"; do
  if grep -qxF "$runtime" <<<"$imports"; then
    fail "$dll imports $runtime: a mingw-w64 build, for tests only; players get the MSVC /MD build (README, \"Building for the real host\")"
  fi
done
grep -qxF vcruntime140.dll <<<"$imports" ||
  fail "$dll does not import VCRUNTIME140.dll: not an MSVC build with the release runtime DLLs (/MD), which the host needs"

# The file offset of a virtual address, from the section table.
image_base=$(awk '$1 == "ImageBase" {print $2}' <<<"$headers")
sections=$("$objdump" -h "$dll" | awk '$1 ~ /^[0-9]+$/ && NF >= 6 {print $3, $4, $6}')
file_offset() { # VA (decimal) -> offset (decimal), or nothing
  local va=$1 size vma off
  while read -r size vma off; do
    if ((va >= 16#$vma && va < 16#$vma + 16#$size)); then
      echo $((16#$off + va - 16#$vma))
      return
    fi
  done <<<"$sections"
}
# The record "exports": the export address table's entry for its name; the
# version text pointer is its fifth field, at byte 32 (int32 and padding, then
# four pointers).
export_index=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *\([0-9]*\)\] exports$/\1/p' <<<"$headers")
[ -n "$export_index" ] || fail "$dll exports no record 'exports': not the Vantrix plugin"
export_rva=$(sed -n "s/^[[:space:]]*\[ *$export_index\] +base\[ *[0-9]*\] \([0-9a-f]*\) Export RVA$/\1/p" <<<"$headers")
record=$(file_offset $((16#$image_base + 16#${export_rva:-0})))
pointer=
if [ -n "$record" ]; then
  pointer=$(od -A n -t x8 -j $((record + 32)) -N 8 "$dll" | tr -d ' ')
fi
text=
if [ -n "$pointer" ]; then
  text_offset=$(file_offset $((16#$pointer)))
  if [ -n "$text_offset" ]; then
    text=$(dd if="$dll" bs=1 skip="$text_offset" count=32 2>/dev/null | tr '\0' '\n')
    text=${text%%$'\n'*}
  fi
fi
[[ $text =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "$dll has no version text in its record 'exports': not the Vantrix plugin"
[ "$text" = "$version" ] ||
  fail "$dll is version $text, this tree is $version: package a DLL built from this tree"

# --- The skin packs.
skins=${VTX_SKINS_DIR:-}
if [ -z "$skins" ]; then
  skins=$root/build/linux/bakkesmod/data/Vantrix/skins
  (
    cd "$root"
    [ -f build/linux/CMakeCache.txt ] || cmake --preset linux >/dev/null
    cmake --build --preset linux --target skins >/dev/null
  ) || fail "rendering the skin packs failed: cmake --build --preset linux --target skins"
fi
for pack in "${packs[@]}"; do
  [ -f "$skins/$pack/Base.png" ] || fail "no rendered skin pack $pack in $skins (no $pack/Base.png)"
done

# --- The zip, made beside its final place and then moved there, so that a
# failed run leaves no partial zip and an older one is replaced whole.
mkdir -p "$outdir" || fail "cannot create $outdir"
outdir=$(cd "$outdir" && pwd)
name=vantrix-$version-win64.zip
stage=$(mktemp -d)
partial=$outdir/.$name.partial
trap 'rm -rf "$stage" "$partial"' EXIT
mkdir -p "$stage/plugins"
cp "$dll" "$stage/plugins/vantrix.dll"
for pack in "${packs[@]}"; do
  mkdir -p "$stage/data/Vantrix/skins/$pack"
  cp "$skins/$pack"/*.png "$stage/data/Vantrix/skins/$pack/"
done
rm -f "$partial"
(cd "$stage" && zip -q -X -D -r "$partial" plugins data) || fail "zip failed on $partial"
mv -f "$partial" "$outdir/$name"
count=$(find "$stage" -type f | wc -l)
echo "release: $outdir/$name ($count files, $(wc -c <"$outdir/$name") bytes)"
