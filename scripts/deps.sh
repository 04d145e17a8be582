#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the game and the tests need and the
# machine does not have yet. Sourced by the play and test commands.
set -euo pipefail

KUROBI_PACKAGES=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev libgl-dev libxcb1-dev
  libpulse-dev pulseaudio pulseaudio-utils
  xvfb xauth fonts-ipafont-gothic
  openbox trayer xdotool imagemagick x11-utils x11-apps dbus libglib2.0-bin
  mutter xfwm4 xfce4-panel xfconf
  sway waybar grim jq xwayland qt6-wayland libwayland-dev libwayland-bin
  mmdebstrap
  clang libclang-rt-14-dev llvm
  desktop-file-utils appstream lintian dpkg-dev file
)

kurobi_install_missing() {
  local missing=()
  for p in "${KUROBI_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

kurobi_jobs() { nproc 2>/dev/null || echo 2; }
