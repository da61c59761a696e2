#!/usr/bin/env bash
# Takes a screenshot of both mixers on a virtual card under Xvfb:
#   scripts/screenshot.sh [card file] [output png]
set -euo pipefail
cd "$(dirname "$0")/.."
card=${1:-cards/classic-codec.json}
out=${2:-docs/screenshot.png}
command -v import >/dev/null || { echo "needs ImageMagick's import" >&2; exit 1; }
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
shot=$(mktemp --suffix=.png)
xvfb-run -a -s "-screen 0 1024x600x24" bash -c "
  build/sonvane --virtual-cards '$card' 2>/dev/null &
  sleep 5
  import -window root '$shot'
  kill %1"
# Keep the part of the screen the mixers cover.
convert "$shot" -trim +repage "$out"
rm -f "$shot"
echo "$out"
