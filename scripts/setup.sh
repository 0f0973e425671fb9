#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test Vantrix.
# Idempotent: packages already present are not fetched again.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
packages=(
  # libclang-rt-14-dev: clang's sanitizer runtimes (ASan, UBSan, TSan) and libFuzzer
  cmake g++ clang-14 libclang-rt-14-dev clang-format-14 git
  g++-mingw-w64-x86-64 wine64
  libstb-dev libsdl2-dev zlib1g-dev
  xvfb xauth
  librsvg2-bin
  binutils zip unzip
  # llvm-14: llvm-nm and llvm-undname, which read the host's import library (MSVC names)
  llvm-14
  googletest libgtest-dev libbenchmark-dev
  python3 ccache
)

sudo_if_needed() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm runs the workflow validator; a Node.js from elsewhere may bring its own.
command -v npm >/dev/null || missing+=(nodejs npm)

updated=0
apt_update() {
  if [ $updated = 0 ]; then
    # Unreachable third-party lists must not stop the install of Debian's packages.
    sudo_if_needed apt-get update -qq || true
    updated=1
  fi
}

if [ ${#missing[@]} -gt 0 ]; then
  apt_update
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The validator of the GitHub workflows (npm registry), pinned, in the build
# folder; the tests run it on .github/workflows.
tools=$root/build/tools
validator_version=0.6.0
if [ "$(cat "$tools/action-validator.version" 2>/dev/null)" != "$validator_version" ]; then
  mkdir -p "$tools"
  npm install --prefix "$tools" --no-audit --no-fund --save-exact --loglevel=error \
    "@action-validator/cli@$validator_version" "@action-validator/core@$validator_version" >/dev/null
  echo "$validator_version" >"$tools/action-validator.version"
fi
echo "setup: ready"
