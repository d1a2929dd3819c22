#!/usr/bin/env bash
# Installs the Debian 12 packages Pixmoor needs to build, run and test.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
  # building
  g++ make cmake ninja-build pkg-config
  qt6-base-dev qt6-image-formats-plugins libgl-dev
  libjpeg62-turbo-dev libpng-dev libtiff-dev libgif-dev libimagequant-dev libsane-dev
  libx11-dev libxcb1-dev libx11-xcb-dev
  # testing: X server, independent decoders and converters, fuzzing
  xvfb xauth fonts-dejavu-core openbox xdotool x11-apps x11-utils
  imagemagick libmagickcore-6.q16-6-extra libjpeg-turbo-progs libtiff-tools
  libwmf-bin emf2svg librsvg2-bin sane-utils binutils-mingw-w64-i686
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}; run this script as root to install them." >&2
  exit 1
fi
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
