#!/usr/bin/env bash
# Installs what is missing, builds the display and starts it. On a machine without a screen
# (no DISPLAY) it starts a virtual one with Xvfb and says so; ORVANE_HEADLESS=offscreen uses
# Qt's offscreen platform instead. Settings and pictures are read below ORVANE_DRIVE_C
# (default "/": c:\frente\config\Orvane.crv is /frente/config/Orvane.crv).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF
cmake --build build-release --target orvane pos-simulador

program=build-release/src/display/orvane
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
elif [ "${ORVANE_HEADLESS:-}" = "offscreen" ]; then
  echo "No screen: running on Qt's offscreen platform (nothing is drawn on a monitor)."
  QT_QPA_PLATFORM=offscreen exec "$program"
else
  echo "No screen: starting the display on a virtual X screen (Xvfb, 1920x1080)."
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$program"
fi
