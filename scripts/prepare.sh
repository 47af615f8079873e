#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine is missing for building Tarnwell,
# then configures and builds it in the given build folder.
# Usage: scripts/prepare.sh BUILD_DIR [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$1; shift

packages=(g++ clang libfuzzer-14-dev make cmake pkg-config qt6-base-dev libssl-dev libgtest-dev libgmock-dev
          xvfb xauth xdotool fonts-dejavu-core dbus mpv mpv-mpris
          librsvg2-bin file dpkg-dev desktop-file-utils appstream)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build_dir" -j"$(nproc)"
