#!/usr/bin/env bash
# Installs the Debian 12 packages Pixmoor needs to build, run and test.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
  # building
  g++ make cmake ninja-build pkg-config
  qt6-base-dev qt6-image-formats-plugins libqt6svg6 libgl-dev
  libjpeg62-turbo-dev libpng-dev libtiff-dev libgif-dev libimagequant-dev libsane-dev
  libx11-dev libxcb1-dev libx11-xcb-dev
  # testing: X server, independent decoders and converters, fuzzing
  xvfb xauth fonts-dejavu-core openbox xdotool x11-apps x11-utils
  imagemagick libmagickcore-6.q16-6-extra graphicsmagick libjpeg-turbo-progs libtiff-tools
  libwmf-bin emf2svg librsvg2-bin poppler-utils sane-utils binutils-mingw-w64-i686
  desktop-file-utils clang libclang-rt-14-dev
)

# Every program a test or a script runs, and the package that brings it.
# Checked after installing, so a missing one stops the run here, by name,
# rather than as a puzzling test failure later.
commands=(
  convert:imagemagick identify:imagemagick import:imagemagick compare:imagemagick gm:graphicsmagick
  cjpeg:libjpeg-turbo-progs djpeg:libjpeg-turbo-progs
  tiffcp:libtiff-tools tiffinfo:libtiff-tools tiff2bw:libtiff-tools
  wmf2svg:libwmf-bin emf2svg-conv:emf2svg rsvg-convert:librsvg2-bin
  pdfinfo:poppler-utils pdftotext:poppler-utils pdftoppm:poppler-utils pdfimages:poppler-utils
  scanimage:sane-utils i686-w64-mingw32-windres:binutils-mingw-w64-i686
  Xvfb:xvfb xvfb-run:xvfb openbox:openbox xdotool:xdotool
  xwininfo:x11-utils xprop:x11-utils xlogo:x11-apps clang:clang ninja:ninja-build cmake:cmake
  desktop-file-validate:desktop-file-utils
)

# Qt plugins the program loads at run time, and the package that brings
# them: without these the SVG window and button icons draw as empty squares.
plugins=(
  imageformats/libqsvg.so:libqt6svg6 iconengines/libqsvgicon.so:libqt6svg6
)

check_installed() {
  local status=0 entry found
  for entry in "${commands[@]}"; do
    if ! command -v "${entry%%:*}" > /dev/null; then
      echo "Missing program ${entry%%:*}: install the Debian package ${entry#*:}." >&2
      status=1
    fi
  done
  for entry in "${plugins[@]}"; do
    found=$(compgen -G "/usr/lib/*/qt6/plugins/${entry%%:*}" || true)
    if [ -z "$found" ]; then
      echo "Missing Qt plugin ${entry%%:*}: install the Debian package ${entry#*:}." >&2
      status=1
    fi
  done
  return $status
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
  check_installed
  exit
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}; run this script as root to install them." >&2
  exit 1
fi
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
check_installed
