#!/usr/bin/env bash
# CPU cost of live meters: runs Sonvane on the classic codec card with the
# over-peak window shown and the test signal moving, and reports the CPU
# time the process used per second of wall time over 10 seconds.
#   bench/cpu-meters.sh [seconds]
# Uses Xvfb when it is installed, else draws off screen.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/sonvane

measure() {
  "$bin" --virtual-cards cards/classic-codec.json --show vu 2>/dev/null &
  pid=$!
  sleep 4 # past the splash: the windows are up and the meters live
  ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
  start=$(ticks)
  sleep "$seconds"
  end=$(ticks)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  hz=$(getconf CLK_TCK)
  awk -v a="$start" -v b="$end" -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "CPU: %.2f %% of one core (%.3f s of CPU in %d s)\n", 100 * (b - a) / hz / s, (b - a) / hz, s }'
}
if [ "${1:-}" = --inside ]; then
  seconds=$2
  measure
  exit 0
fi

seconds=${1:-10}
[ -x "$bin" ] || scripts/build.sh build >/dev/null
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x800x24" "$0" --inside "$seconds"
else
  QT_QPA_PLATFORM=offscreen "$0" --inside "$seconds"
fi
