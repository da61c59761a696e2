#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as built and
# once more under the address and undefined-behaviour sanitizers.  Tests
# need no display: they draw off screen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

scripts/build.sh build
(cd build && ctest --output-on-failure -j"$(nproc)" --timeout 300)

if [ "${SONVANE_SKIP_SANITIZERS:-0}" != 1 ]; then
  scripts/build.sh build-sanitize -DSONVANE_SANITIZE=ON -DSONVANE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  (cd build-sanitize && ctest --output-on-failure -j"$(nproc)" --timeout 600)
fi
