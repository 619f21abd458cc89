#!/usr/bin/env bash
# Renders the 48 px program icon from its SVG (needs rsvg-convert, package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../desktop"
rsvg-convert -w 48 -h 48 tarvolo.svg -o tarvolo-48.png
