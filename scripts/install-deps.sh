#!/bin/sh
# Installs the Debian packages the project builds and tests with, when missing.
set -e
PACKAGES="build-essential cmake libgtest-dev libsqlite3-dev qt6-base-dev libqt6opengl6-dev \
qt6-charts-dev libzint-dev zbar-tools fonts-liberation fonts-open-sans fonts-dejavu-core poppler-utils libbenchmark-dev"
MISSING=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    MISSING="$MISSING $p"
  fi
done
if [ -n "$MISSING" ]; then
  SUDO=""
  if [ "$(id -u)" != "0" ]; then SUDO="sudo"; fi
  echo "Installing:$MISSING"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $MISSING
fi
