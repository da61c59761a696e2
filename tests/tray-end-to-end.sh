#!/usr/bin/env bash
# Starts Sonvane under Xvfb with a real system tray (trayer), clicks the
# two-window icon with xdotool and checks that both mixers appear.
#   tests/tray-end-to-end.sh path/to/sonvane cards/classic-codec.json
set -euo pipefail
bin=$1
card=$2
for tool in Xvfb trayer xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

# A free display.
for n in $(seq 90 120); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

trayer --edge top --align right --widthtype request --height 24 --SetDockType false --transparent false >/dev/null 2>&1 &
pids+=($!)
sleep 1

"$bin" --virtual-cards "$card" >"$work/out" 2>&1 &
pids+=($!)

# The icons come on three seconds after the start.
icons=""
for _ in $(seq 100); do
  sleep 0.1
  icons=$(for w in $(xdotool search --onlyvisible --class sonvane 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$w")"
            if [ "$HEIGHT" -le 32 ] && [ "$WIDTH" -le 32 ]; then echo "$w $X $Y $WIDTH $HEIGHT"; fi
          done | sort -n || true)
  [ "$(echo "$icons" | grep -c .)" -ge 4 ] && break
done
count=$(echo "$icons" | grep -c . || true)
if [ "$count" -lt 4 ]; then
  echo "FAIL: expected 4 tray icons, found $count"
  cat "$work/out"
  exit 1
fi
if xdotool search --onlyvisible --name "Sonvane by Tarkel" >/dev/null 2>&1; then
  echo "FAIL: the playback mixer shows before any click"
  exit 1
fi

# The first icon made is the two-window icon.
read -r _ x y w h <<<"$(echo "$icons" | head -n 1)"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1

for _ in $(seq 50); do
  sleep 0.1
  if xdotool search --onlyvisible --name "^Sonvane by Tarkel$" >/dev/null 2>&1 \
     && xdotool search --onlyvisible --name "^Capvane by Tarkel$" >/dev/null 2>&1; then
    echo "PASS: both mixers appeared"
    exit 0
  fi
done
echo "FAIL: the mixers did not appear"
cat "$work/out"
exit 1
