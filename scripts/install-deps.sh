#!/usr/bin/env bash
# Installs, from Debian's packages, everything Kosmira needs to build, test and run.
# Idempotent: packages already present are skipped.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ make pkg-config git
  # Qt 6 widgets, OpenGL, WebEngine
  qt6-base-dev libqt6opengl6-dev qt6-webengine-dev libgl-dev libglu1-mesa-dev
  qt6-translations-l10n
  libgl1-mesa-dri mesa-utils
  # catalogs
  zlib1g-dev
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the precise model (ERFA) and its accuracy reference
  liberfa-dev
  clang libclang-rt-14-dev python3
  # the scalable icon is compared with the drawn one
  qt6-svg-dev
  # headless display, screenshots
  xvfb xauth imagemagick
  # printing: Qt's print support comes with qt6-base-dev; the tests read the PDFs back
  poppler-utils
  # Debian package and desktop files: building (dpkg-shlibdeps, file) and checking
  dpkg-dev file xz-utils lintian desktop-file-utils appstream
  # time zones and their history (QTimeZone reads the system's tzdata)
  tzdata
  # fonts: Liberation stands in for Arial, Nanum for Gulim
  fonts-nanum fonts-liberation2 fontconfig
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages are installed"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
echo "install-deps: done"
