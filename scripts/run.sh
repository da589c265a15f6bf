#!/bin/sh
# Builds the ticket-entry program and the print-run program (optimised,
# without tests) and starts the ticket-entry program on the default working
# folder work/ at the repository root.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$ROOT/build" -DCMAKE_BUILD_TYPE=Release -DTICKETS_SANITIZE=OFF -DTICKETS_TESTS=OFF
cmake --build "$ROOT/build" -j"$(nproc)" --target VelmarTag_v2 brevox
# The programs keep their data in their current directory. The ticket-entry
# program starts the print-run program as "brevox" from that folder, which is
# also the print-run program's own folder (its logo pictures live there), so
# the program is copied rather than linked.
mkdir -p "$ROOT/work"
cp -f "$ROOT/build/printrun/manager/brevox" "$ROOT/work/brevox.new"
mv -f "$ROOT/work/brevox.new" "$ROOT/work/brevox"
cd "$ROOT/work"
exec "$ROOT/build/entry/window/VelmarTag_v2" "$@"
