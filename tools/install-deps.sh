#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the fuzz target need (as root, through sudo
# when started by another user).
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  exec sudo bash "$0" "$@"
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  cmake make g++ pkg-config \
  qtbase5-dev \
  libgtest-dev libgmock-dev googletest libbenchmark-dev \
  libxml2-utils \
  clang libclang-rt-14-dev \
  libgsf-1-dev \
  libmimalloc-dev
