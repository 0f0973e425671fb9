#!/bin/sh
# Checks that the plugin library exports getPlugin, deleteMe and exports and
# nothing else, that it imports no Dear ImGui function (it brings its own copy;
# the host library's is for host programs), and (Windows) that it imports only
# system DLLs and the host's.
set -eu
kind=$1 library=$2
expected="deleteMe exports getPlugin"
case $kind in
  linux)
    found=$(nm -D --defined-only "$library" | awk '{print $3}' | sort | tr '\n' ' ' | sed 's/ $//')
    imgui=$(nm -D --undefined-only "$library" | awk '{print $2}' | grep -i imgui || true)
    ;;
  windows)
    dump=$(x86_64-w64-mingw32-objdump -p "$library")
    found=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk 'NR>1 && NF {print $NF}' | sort | tr '\n' ' ' | sed 's/ $//')
    imports=$(printf '%s\n' "$dump" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
    imgui=$(printf '%s\n' "$dump" | sed -n '/DLL Name:/,$p' | grep -i imgui || true)
    for dll in $imports; do
      case $dll in
        pluginsdk.dll|kernel32.dll|user32.dll|shell32.dll|ole32.dll|hid.dll|msvcrt.dll|advapi32.dll|gdi32.dll|imm32.dll|api-ms-win-*) ;;
        *) echo "unexpected import: $dll"; exit 1 ;;
      esac
    done
    echo "imports: $(echo $imports | tr '\n' ' ')"
    ;;
esac
if [ -n "$imgui" ]; then
  echo "imports Dear ImGui from another library:"
  echo "$imgui"
  exit 1
fi
if [ "$found" != "$expected" ]; then
  echo "exports: expected '$expected', found '$found'"
  exit 1
fi
echo "exports: $found"
