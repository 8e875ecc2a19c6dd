#!/usr/bin/env bash
# Installs what building, running and testing the manager needs on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" != "0" ]; then SUDO="sudo"; fi
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libgtest-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth xdotool imagemagick xdg-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
