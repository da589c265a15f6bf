#!/bin/sh
# Fails when a library uses anything of a widget library: lists the symbols
# that each checked library leaves undefined and that a widget library (Qt
# Widgets, our platform_widgets) defines.
# Usage: no-widget-symbols.sh <widget library>... -- <checked library>...
set -e
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
: > "$tmp/widgets"
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  [ -f "$1" ] || { echo "No widget library at $1"; exit 2; }
  # Dynamic symbols may carry a version (name@@Qt_6); undefined ones in an
  # archive do not.
  nm -D --defined-only --format=posix "$1" | cut -d' ' -f1 | sed 's/@.*//' >> "$tmp/widgets"
  shift
done
[ $# -gt 0 ] && shift
sort -u -o "$tmp/widgets" "$tmp/widgets"
[ -s "$tmp/widgets" ] || { echo "No widget symbols read"; exit 2; }
[ $# -gt 0 ] || { echo "No library to check"; exit 2; }
status=0
for lib in "$@"; do
  [ -f "$lib" ] || { echo "No library at $lib"; exit 2; }
  nm --undefined-only --format=posix "$lib" 2>/dev/null | cut -d' ' -f1 | sort -u > "$tmp/used"
  comm -12 "$tmp/widgets" "$tmp/used" > "$tmp/found"
  if [ -s "$tmp/found" ]; then
    echo "$(basename "$lib") uses widgets:"
    c++filt < "$tmp/found" | head -20
    status=1
  fi
done
exit $status
