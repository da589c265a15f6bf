#!/bin/sh
# Installs what is missing, builds the sanitizer test build and runs every test.
set -e
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$ROOT/build-test" -DCMAKE_BUILD_TYPE=Debug -DTICKETS_SANITIZE=ON -DTICKETS_TESTS=ON
cmake --build "$ROOT/build-test" -j8
cd "$ROOT/build-test"
ctest --output-on-failure -j8
