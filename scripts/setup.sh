#!/usr/bin/env bash
# Installs the Debian packages Zoravel needs to build, run and test, when missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libmagickcore-6.q16-6 libmagickcore-6.q16-dev imagemagick
  libsimpleini-dev libfontconfig-dev
  libsane1 libsane-dev sane-utils
  xdg-utils
  fonts-dejavu-core fonts-liberation2
  googletest libgtest-dev libgmock-dev
  xvfb xdotool x11-apps
  graphicsmagick mate-backgrounds
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
