#!/usr/bin/env bash
# Installs what is missing, builds and starts Sonvane.  Options go to
# Sonvane, e.g. --virtual-cards cards/classic-codec.json for the demo card.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DSONVANE_TESTS=OFF -DSONVANE_BENCH=OFF
exec build/sonvane "$@"
