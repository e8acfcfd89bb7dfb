#!/usr/bin/env bash
# Installs the Debian packages the build needs; does nothing when they are all present.
# Usage: scripts/setup.sh [--fuzz]   (--fuzz adds clang for the fuzz targets)
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config git
  zlib1g-dev libpng-dev libjpeg62-turbo-dev libgif-dev libtiff-dev
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
)
if [[ "${1:-}" == "--fuzz" ]]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
