#!/usr/bin/env bash
# Draws the theme icons from the scalable one: assets/icons/<size>.png for each
# size the icon theme has a folder for. Rerun after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || scripts/deps.sh package
mkdir -p assets/icons
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" assets/org.moravel.Moravel.svg -o "assets/icons/$size.png"
done
