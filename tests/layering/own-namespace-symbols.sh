#!/bin/sh
# Fails when a shared library exports a C++ symbol of its own outside
# namespace platform: a host program that links it beside a class of the
# same name would meet that symbol. Qt's and the standard library's own
# names, which a library instantiates from their headers, are allowed.
# Usage: own-namespace-symbols.sh [--allow Name]... <library>...
set -e
allowed="platform"
while [ "$1" = "--allow" ]; do
  allowed="$allowed $2"
  shift 2
done
[ $# -gt 0 ] || { echo "No library to check"; exit 2; }
status=0
for lib in "$@"; do
  [ -f "$lib" ] || { echo "No library at $lib"; exit 2; }
  # The first name of each mangled symbol: after _Z, the special-name
  # prefixes (vtable, typeinfo, thunks, guard variables), N for a nested
  # name and its cv-qualifiers, the length-prefixed identifier.
  found="$(nm -D --defined-only --format=posix "$lib" | cut -d' ' -f1 | sed 's/@.*//' |
    grep '^_Z' |
    sed -E 's/^_Z(T[VIST]|GV|Th[n]?[0-9]+_|Tv[n]?[0-9]+_[n]?[0-9]+_|TC)?N?[KVr]*//' |
    awk 'match($0, /^[0-9]+/) { print substr($0, RLENGTH + 1, substr($0, 1, RLENGTH)) }' |
    sort -u)"
  own=""
  for name in $found; do
    case "$name" in
      Q*|q*|__*|_GLOBAL_*) continue ;;
    esac
    known=0
    for a in $allowed; do [ "$name" = "$a" ] && known=1; done
    [ $known = 1 ] || own="$own $name"
  done
  if [ -n "$own" ]; then
    echo "$(basename "$lib") exports names outside namespace platform:$own"
    status=1
  fi
done
exit $status
