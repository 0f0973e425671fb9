#!/usr/bin/env bash
# The plugin's folders are layers: each may include only the folders below it
# (and itself). Prints every include that points up and fails if there is one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root/src"
layers=(platform core input overlay menu plugin)
status=0
for ((i = 0; i < ${#layers[@]}; i++)); do
  folder=${layers[$i]}
  for ((j = i + 1; j < ${#layers[@]}; j++)); do
    above=${layers[$j]}
    if grep -rn --include='*.cpp' --include='*.h' "#include \"$above/" "$folder"; then
      echo "$folder includes $above, a layer above it"
      status=1
    fi
  done
done
[ $status -eq 0 ] && echo "layers: no include points up"
exit $status
