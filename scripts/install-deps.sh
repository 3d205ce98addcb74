#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the game need.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake pkg-config \
  qt6-base-dev qt6-multimedia-dev libqt6printsupport6 qt6-qpa-plugins \
  libsimpleini-dev libicu-dev libzip-dev \
  libgtest-dev googletest libbenchmark-dev \
  clang libclang-rt-14-dev \
  zip unzip fonts-dejavu-core locales \
  xvfb openbox xdotool >/dev/null
# The tests check that numbers keep their "." under a German desktop locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
