#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test; does nothing when all
# of them are already there. Uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config python3
  liballegro4-dev libopenmpt-dev libxpm-dev libx11-dev
  sox
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
