#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need; skips apt-get when all are present.
set -euo pipefail
packages=(build-essential cmake pkg-config libtinyxml2-dev libboost-thread-dev libboost-filesystem-dev
  libboost-system-dev libboost-random-dev libboost-date-time-dev libgtest-dev libbenchmark-dev
  libsfml-dev libx11-dev xvfb xauth clang libclang-rt-dev fonts-dejavu-core python3 python3-pil)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
