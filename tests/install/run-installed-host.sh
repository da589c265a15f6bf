#!/bin/sh
# Installs the build into a temporary prefix, then builds the example host
# (host/) and the installed-headers check (headers/) against that prefix only,
# runs the host offscreen and reads back the form it printed to "PDF".
# Arguments: the build folder, the CMake program, the C++ compiler and its
# launcher (may be empty).
set -e
BUILD="$1"
CMAKE="$2"
CXX="$3"
LAUNCHER="$4"
HERE="$(cd "$(dirname "$0")" && pwd)"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
PREFIX="$TMP/prefix"

fail() {
  echo "FAIL: $*"
  exit 1
}

# The README shows the example host as it is: main.cpp whole, and the two
# CMake lines of its CMakeLists.txt.
README="$HERE/../../README.md"
awk 'FNR == NR { sub(/^    /, ""); readme[n++] = $0; next }
     { code[m++] = $0 }
     END {
       for (s = 0; s + m <= n; ++s) {
         for (i = 0; i < m && readme[s + i] == code[i]; ++i) ;
         if (i == m) exit 0
       }
       exit 1
     }' "$README" "$HERE/host/main.cpp" || fail "README.md does not show host/main.cpp as it is"
for line in "find_package(Zentrel6 REQUIRED)" "target_link_libraries(stocklist PRIVATE Zentrel6::Zentrel6)"; do
  grep -qxF "    $line" "$README" && grep -qxF "$line" "$HERE/host/CMakeLists.txt" ||
    fail "README.md and host/CMakeLists.txt do not both hold: $line"
done

# The package's target brings the C++ standard its headers need: neither
# project sets one of its own.
if grep -n 'CXX_STANDARD\|cxx_std_\|-std=' "$HERE/host/CMakeLists.txt" "$HERE/headers/CMakeLists.txt"; then
  fail "a project of the installed-package test sets a C++ standard of its own"
fi

"$CMAKE" --install "$BUILD" --prefix "$PREFIX" >"$TMP/install.log" || { cat "$TMP/install.log"; fail "install"; }
if grep -rlE '#include *[<"](zint|sqlite3)\.h' "$PREFIX/include"; then
  fail "an installed header needs zint.h or sqlite3.h"
fi

# Nothing but the prefix: no search path of the environment, no package
# registry.
unset CMAKE_PREFIX_PATH
configure() {
  "$CMAKE" -S "$HERE/$1" -B "$TMP/$1" -DCMAKE_PREFIX_PATH="$PREFIX" \
    -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_CXX_COMPILER="$CXX" \
    ${LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER="$LAUNCHER"} >"$TMP/$1.log" 2>&1 &&
    "$CMAKE" --build "$TMP/$1" -j2 >>"$TMP/$1.log" 2>&1 || { cat "$TMP/$1.log"; fail "building $1"; }
}
# Both at once: most of their time is CMake's look-ups.
configure host &
HOST_BUILT=$!
configure headers &
HEADERS_BUILT=$!
BUILT=yes
wait $HOST_BUILT || BUILT=no
wait $HEADERS_BUILT || BUILT=no
[ "$BUILT" = yes ] || exit 1

mkdir "$TMP/run"
cd "$TMP/run"
QT_QPA_PLATFORM=offscreen "$TMP/host/stocklist" || fail "the host ended with $?"
set -- printed/*.pdf
[ "$#" = 1 ] && [ -f "$1" ] || fail "the host printed $# documents"
TEXT="$(pdftotext -layout "$1" -)"
for expected in "Winter coats in stock" "High Street" "Size" "Colour" "Count" "Navy" "Grey"; do
  case "$TEXT" in
    *"$expected"*) ;;
    *) fail "\"$expected\" not in the printed form: $TEXT" ;;
  esac
done
echo "The installed package built a host that printed: $TEXT"
