#!/bin/sh
# Builds the ticket-entry program (optimised, without tests) and starts it on
# the default working folder work/ at the repository root.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$ROOT/build" -DCMAKE_BUILD_TYPE=Release -DTICKETS_SANITIZE=OFF -DTICKETS_TESTS=OFF
cmake --build "$ROOT/build" -j"$(nproc)" --target VelmarTag_v2
# The programs keep their data in their current directory.
mkdir -p "$ROOT/work"
cd "$ROOT/work"
exec "$ROOT/build/entry/window/VelmarTag_v2" "$@"
