#!/usr/bin/env bash
# Installs the Debian packages the terminal, its tests and its tools need.
# Safe to run repeatedly: it only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libqt6svg6 libqt6svg6-dev
  qt6-qpa-plugins libgl-dev
  xvfb xauth socat libhamlib-utils dbus-daemon
  clang clang-format libclang-rt-14-dev fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev file util-linux tzdata
  qt6-httpserver-dev qt6-websockets-dev openssl
  chromium chromium-driver python3-selenium
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
