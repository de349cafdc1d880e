#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, run and test; does nothing for the
# ones already present. Needs root (or sudo) only when something is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql qt6-qpa-plugins
  zlib1g-dev libzip-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils x11-xserver-utils imagemagick openbox tint2 xdotool
  fonts-liberation fonts-dejavu-core
  binutils-mingw-w64-x86-64 zip unzip libimage-exiftool-perl curl
  postgresql python3-pyftpdlib python3-openssl openssl
  python3-num2words python3-stdnum
  python3-dateutil
  libqrencode-dev zbar-tools tesseract-ocr tesseract-ocr-por
  iputils-ping python3-dbusmock dbus-daemon desktop-file-utils systemd
  cron
  samba smbclient cups-daemon cups-client libcups2-dev libglib2.0-bin gvfs-backends gvfs-fuse
  abi-dumper abi-compliance-checker
  qt6-httpserver-dev qt6-websockets-dev chromium chromium-driver python3-selenium
)
# node and npm run the differential tests of document numbers; nodejs from elsewhere brings npm.
command -v npm >/dev/null || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm (with node) for the tests that compare with npm packages; a node that brings its own npm
# (as NodeSource's does) is kept.
command -v npm >/dev/null || missing+=(nodejs npm)
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
