#!/usr/bin/env bash
# Compares the repository's Dear ImGui (third_party/imgui) with the host's own,
# the imgui_bm.zip of its SDK, file by file, line ends ignored. The plugin
# draws in the host's ImGui context, so any difference in these files can
# move a field or a colour index: one differing line fails the check.
#
#   scripts/check-imgui-copy.sh SDK_DIR    (SDK_DIR holds imgui_bm.zip)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ne 1 ] || [ ! -f "$1/imgui_bm.zip" ]; then
  echo "usage: $0 SDK_DIR (a folder holding imgui_bm.zip)" >&2
  exit 2
fi
ours=${VTX_IMGUI_COPY:-$root/third_party/imgui}
core=(imconfig.h imgui.h imgui_internal.h imgui.cpp imgui_draw.cpp imgui_widgets.cpp
      imstb_rectpack.h imstb_textedit.h imstb_truetype.h)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$1/imgui_bm.zip" -d "$work/zip"
theirs=$(dirname "$(find "$work/zip" -name imgui.h | head -n 1)")

differ=0
for f in "${core[@]}"; do
  if [ ! -f "$ours/$f" ] || [ ! -f "$theirs/$f" ]; then
    echo "  missing: $f (ours: $([ -f "$ours/$f" ] && echo yes || echo no), the host's: $([ -f "$theirs/$f" ] && echo yes || echo no))"
    differ=$((differ + 1))
    continue
  fi
  if ! diff -q <(tr -d '\r' <"$ours/$f") <(tr -d '\r' <"$theirs/$f") >/dev/null; then
    echo "  differs: $f"
    diff <(tr -d '\r' <"$ours/$f") <(tr -d '\r' <"$theirs/$f") | sed -n '1,10p' | sed 's/^/      /'  || true
    differ=$((differ + 1))
  fi
done
if [ $differ -gt 0 ]; then
  echo "check-imgui-copy: $differ of ${#core[@]} Dear ImGui files differ from the host's imgui_bm.zip"
  exit 1
fi
echo "check-imgui-copy: ${#core[@]} of ${#core[@]} Dear ImGui files match the host's imgui_bm.zip"
