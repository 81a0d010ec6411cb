#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Brevalon need.
set -euo pipefail
packages=(
  build-essential cmake pkg-config python3
  qt6-base-dev qt6-base-dev-tools libqt6sql6-mysql libqt6sql6-sqlite qt6-serialport-dev
  qt6-httpserver-dev qt6-websockets-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  libqrencode-dev libcurl4-openssl-dev libsqlite3-dev
  mariadb-server mariadb-client libmariadb-dev
  xvfb xauth xdotool imagemagick zbar-tools socat
  cups cups-bsd cups-client python3-aiosmtpd poppler-utils openssl
  fonts-dejavu-core locales
  qt6-translations-l10n assistant-qt6 lintian dpkg-dev
  chromium
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Node.js and npm run the ESC/POS check of the slips. They may come from
# elsewhere than Debian (a nodejs package that carries npm itself and
# conflicts with Debian's npm), so only missing commands are installed, and
# when they cannot be, that check skips instead of the setup failing.
node_missing=()
command -v node >/dev/null || node_missing+=(nodejs)
command -v npm >/dev/null || node_missing+=(npm)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
# The tests run a second time under a German locale (decimal comma).
need_locale() { ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; }
make_locale() {
  $SUDO sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
}
if [ ${#missing[@]} -eq 0 ] && [ ${#node_missing[@]} -eq 0 ]; then
  need_locale && make_locale
  echo "deps: all packages present"
  exit 0
fi
$SUDO apt-get update
if [ ${#missing[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
if [ ${#node_missing[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends nodejs npm ||
    echo "deps: nodejs and npm could not be installed: the ESC/POS check of the slips will skip"
fi
need_locale && make_locale
exit 0
