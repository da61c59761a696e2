#!/usr/bin/env bash
# Takes a screenshot of Sonvane on a virtual card under Xvfb with a system
# tray: the two-window icon is clicked and both mixers are photographed
# with the tray.
#   scripts/screenshot.sh [card file] [output png]
set -euo pipefail
cd "$(dirname "$0")/.."
card=${1:-cards/classic-codec.json}
out=${2:-docs/screenshot.png}
for tool in Xvfb trayer xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "needs $tool (scripts/install-deps.sh)" >&2; exit 1; }
done
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
display=:97
Xvfb $display -screen 0 1000x600x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
unset QT_QPA_PLATFORM
sleep 1
# A dark panel with the tray at the top right, as on a desktop.
trayer --edge top --align right --widthtype request --height 24 --tint 0x303030 --transparent true \
  --alpha 0 --SetDockType false >/dev/null 2>&1 &
pids+=($!)
sleep 1
build/sonvane --virtual-cards "$card" >/dev/null 2>&1 &
pids+=($!)
sleep 4.5
first=$(for w in $(xdotool search --onlyvisible --class sonvane); do
          eval "$(xdotool getwindowgeometry --shell "$w")"
          if [ "$HEIGHT" -le 32 ]; then echo "$w $X $Y $WIDTH $HEIGHT"; fi
        done | sort -n | head -n 1)
read -r _ x y w h <<<"$first"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
sleep 1.5
# Activating the playback mixer docks the recording mixer under it.
play=$(xdotool search --onlyvisible --name "^Sonvane by Tarkel$" | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$play")"
xdotool mousemove $((X + 40)) $((Y + 5)) click 1
sleep 1
xdotool mousemove 5 590
sleep 0.5
import -window root "$out"
echo "$out"
