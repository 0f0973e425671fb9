#!/usr/bin/env bash
# scripts/release.sh against DLLs linked here with mingw-w64 (test_plugin.c):
# an MSVC-like one (PE32+ x86-64, importing only VCRUNTIME140.dll) is packed
# into vantrix-VERSION-win64.zip with the host's folder layout; mingw builds,
# a 32-bit DLL, a program, files that are no PE at all, a DLL that is not the
# plugin and one of another version are each refused with one line and no zip.
#   release_test.sh SOURCE_DIR WORK_DIR VERSION SKINS_DIR ELF_PLUGIN [MINGW_PLUGIN_DLL]
set -uo pipefail
source_dir=$1 work=$2 version=$3 skins=$4 elf_plugin=$5 mingw_plugin=${6:-}
here=$(cd "$(dirname "$0")" && pwd)
release=$source_dir/scripts/release.sh
export VTX_SKINS_DIR=$skins
failures=0

problem() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

rm -rf "$work" && mkdir -p "$work/out" || exit 1

# make_dll NAME IMPORTED_DLL VERSION [extra gcc flags]: $work/NAME.
make_dll() {
  local name=$1 imported=$2 text=$3
  shift 3
  printf 'LIBRARY %s\nEXPORTS\n__std_terminate\n' "$imported" >"$work/$name.def"
  x86_64-w64-mingw32-dlltool -d "$work/$name.def" -l "$work/lib$name.a" &&
    x86_64-w64-mingw32-gcc -O1 -nostdlib -e DllMain -DVTX_TEST_VERSION="\"$text\"" "$@" \
      -o "$work/$name" "$here/test_plugin.c" "$work/lib$name.a"
}

# --- Accepted: the zip's name, its file list and its contents.
make_dll msvc.dll VCRUNTIME140.dll "$version" -shared || exit 1
zip_name=vantrix-$version-win64.zip
# A zip left by an earlier run, holding a file no longer shipped: replaced whole.
(cd "$work" && mkdir -p stale/plugins && echo old >stale/plugins/old.dll && cd stale && zip -q -r "$work/out/$zip_name" plugins)
output=$("$release" "$work/msvc.dll" "$work/out" 2>&1)
status=$?
if [ $status != 0 ]; then
  problem "the MSVC-like DLL was refused ($status): $output"
elif [ "$output" != "release: $work/out/$zip_name (42 files, $(wc -c <"$work/out/$zip_name") bytes)" ]; then
  problem "unexpected report: $output"
fi
if [ "$(ls "$work/out")" != "$zip_name" ]; then
  problem "output folder holds: $(ls -A "$work/out" | tr '\n' ' ') (expected only $zip_name)"
fi
expected=$(sort <<'EOF'
plugins/vantrix.dll
data/Vantrix/skins/xbox/Base.png
data/Vantrix/skins/xbox/A_Button.png
data/Vantrix/skins/xbox/B_Button.png
data/Vantrix/skins/xbox/X_Button.png
data/Vantrix/skins/xbox/Y_Button.png
data/Vantrix/skins/xbox/Dpad_Up.png
data/Vantrix/skins/xbox/Dpad_Down.png
data/Vantrix/skins/xbox/Dpad_Left.png
data/Vantrix/skins/xbox/Dpad_Right.png
data/Vantrix/skins/xbox/Left_Bumper.png
data/Vantrix/skins/xbox/Right_Bumper.png
data/Vantrix/skins/xbox/Left_Trigger.png
data/Vantrix/skins/xbox/Right_Trigger.png
data/Vantrix/skins/xbox/L3.png
data/Vantrix/skins/xbox/R3.png
data/Vantrix/skins/xbox/Menu.png
data/Vantrix/skins/xbox/View.png
data/Vantrix/skins/ps5/Base.png
data/Vantrix/skins/ps5/A.png
data/Vantrix/skins/ps5/B.png
data/Vantrix/skins/ps5/X.png
data/Vantrix/skins/ps5/Y.png
data/Vantrix/skins/ps5/DpadUp.png
data/Vantrix/skins/ps5/DpadDown.png
data/Vantrix/skins/ps5/DpadLeft.png
data/Vantrix/skins/ps5/DpadRight.png
data/Vantrix/skins/ps5/L1.png
data/Vantrix/skins/ps5/R1.png
data/Vantrix/skins/ps5/L2.png
data/Vantrix/skins/ps5/R2.png
data/Vantrix/skins/ps5/LeftStick.png
data/Vantrix/skins/ps5/RightStick.png
data/Vantrix/skins/ps5/Options.png
data/Vantrix/skins/ps5/Create.png
data/Vantrix/skins/ps5/PS.png
data/Vantrix/skins/ps5/Touchpad.png
data/Vantrix/skins/ps5/Mute.png
data/Vantrix/skins/ps5/FnL.png
data/Vantrix/skins/ps5/FnR.png
data/Vantrix/skins/ps5/PaddleL.png
data/Vantrix/skins/ps5/PaddleR.png
EOF
)
listed=$(unzip -Z1 "$work/out/$zip_name" 2>&1 | sort)
if [ "$listed" != "$expected" ]; then
  problem "the zip's files differ from the host's layout:"
  diff <(echo "$expected") <(echo "$listed") | sed 's/^/    /'
fi
unzip -p "$work/out/$zip_name" plugins/vantrix.dll | cmp -s - "$work/msvc.dll" ||
  problem "plugins/vantrix.dll is not the DLL given"
unzip -p "$work/out/$zip_name" data/Vantrix/skins/ps5/Base.png | cmp -s - "$skins/ps5/Base.png" ||
  problem "data/Vantrix/skins/ps5/Base.png is not the rendered pack's"

# --- Refused: one line naming the file and why, exit status 1, no zip.
# refused WHAT FILE EXPECTED_TEXT
refused() {
  local what=$1 file=$2 because=$3 out status lines
  rm -rf "$work/out" && mkdir -p "$work/out"
  out=$("$release" "$file" "$work/out" 2>&1 >/dev/null)
  status=$?
  lines=$(printf '%s\n' "$out" | wc -l)
  if [ $status != 1 ]; then
    problem "$what: exit status $status, expected 1 (output: $out)"
  elif [ "$lines" != 1 ] || [[ $out != "release: $file"[:\ ]* ]] || [[ $out != *"$because"* ]]; then
    problem "$what: expected one line 'release: $file ...$because...', got: $out"
  fi
  if [ -n "$(ls -A "$work/out")" ]; then
    problem "$what: left $(ls -A "$work/out" | tr '\n' ' ')"
  fi
}

for runtime in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll msvcrt.dll; do
  make_dll "with-$runtime" "$runtime" "$version" -shared || exit 1
  refused "a DLL importing $runtime" "$work/with-$runtime" "imports $runtime: a mingw-w64 build"
done
if [ -n "$mingw_plugin" ] && [ -f "$mingw_plugin" ]; then
  refused "the windows preset's mingw-w64 plugin" "$mingw_plugin" "a mingw-w64 build"
else
  echo "note: no mingw-w64 plugin built at ${mingw_plugin:-(none given)}; its refusal is checked with the DLLs above"
fi

make_dll static.dll KERNEL32.dll "$version" -shared || exit 1
refused "a DLL without the MSVC runtime DLLs" "$work/static.dll" "does not import VCRUNTIME140.dll"

x86_64-w64-mingw32-objcopy -O pei-i386 "$work/msvc.dll" "$work/x86.dll" || exit 1
refused "a 32-bit DLL" "$work/x86.dll" "is a 32-bit DLL (PE32)"

make_dll program.exe VCRUNTIME140.dll "$version" || exit 1
refused "a program" "$work/program.exe" "is a program, not a DLL"

printf 'MZ but no more\n' >"$work/text.dll"
refused "a text file" "$work/text.dll" "is not a Windows DLL"
refused "the Linux plugin (ELF)" "$elf_plugin" "is not a Windows DLL (file format elf64-x86-64)"
refused "a missing file" "$work/missing.dll" ": no such file"

make_dll other.dll VCRUNTIME140.dll "$version" -shared -DVTX_TEST_NO_RECORD || exit 1
refused "a DLL without the record 'exports'" "$work/other.dll" "exports no record 'exports'"

make_dll old.dll VCRUNTIME140.dll 0.9.1 -shared || exit 1
refused "a DLL of another version" "$work/old.dll" "is version 0.9.1, this tree is $version"

if [ $failures != 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "release zip: $zip_name accepted with the host's layout; mingw-w64, 32-bit, program, non-PE, foreign and other-version files refused"
