#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the fuzz target need (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  cmake make g++ pkg-config \
  qtbase5-dev \
  libgtest-dev libgmock-dev googletest libbenchmark-dev \
  libxml2-utils \
  clang libclang-rt-14-dev \
  libgsf-1-dev
