#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Brevalon need.
set -euo pipefail
packages=(
  build-essential cmake pkg-config python3
  qt6-base-dev qt6-base-dev-tools libqt6sql6-mysql libqt6sql6-sqlite qt6-serialport-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  libqrencode-dev libcurl4-openssl-dev
  mariadb-server mariadb-client
  xvfb xauth xdotool imagemagick zbar-tools socat
  cups cups-bsd cups-client python3-aiosmtpd poppler-utils
  fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "deps: all packages present"
  exit 0
fi
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
