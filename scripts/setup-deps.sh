#!/usr/bin/env bash
# Installs the Debian packages Tarvolo needs to build, run and test.
# Idempotent: does nothing when every package is already installed.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang-format ccache
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  qt6-multimedia-dev gstreamer1.0-plugins-good gstreamer1.0-plugins-base gstreamer1.0-tools
  qt6-tools-dev qt6-tools-dev-tools libqt6sql6-sqlite
  libcurl4-openssl-dev
  python3-aiosmtpd python3-pyftpdlib
  fonts-dejavu-core
 
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installiere fehlende Pakete: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Fehlende Pakete und weder root noch sudo: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
