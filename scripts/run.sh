#!/usr/bin/env bash
# Starts Tarvolo; without a display it says so and how to start it anyway.
set -u
exe=${1:-build/tarvolo}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Kein Bildschirm gefunden (DISPLAY/WAYLAND_DISPLAY leer): starten Sie mit 'xvfb-run $exe' oder 'QT_QPA_PLATFORM=offscreen $exe'." >&2
  exit 1
fi
exec "$exe"
