#!/usr/bin/env bash
# Installs the Debian 12 packages Zerin needs to build and test, when any is missing.
# Sourced by start.sh and test.sh; .ci/run installs the same list unconditionally.
ZERIN_PACKAGES=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev libarchive-dev libasound2-dev libx11-dev
  libgtest-dev libgmock-dev googletest
  xvfb xauth adwaita-icon-theme fonts-dejavu-core
  python3 openbox xdotool x11-utils imagemagick
  libglib2.0-bin zip unzip libarchive-tools p7zip-full
)

zerin_install_missing() {
  local missing=() p
  for p in "${ZERIN_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
