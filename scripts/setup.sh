#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, test and run.
# Idempotent: does nothing (and prints nothing) when all of them are there.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config
  # application
  qt6-base-dev qt6-image-formats-plugins fonts-dejavu-core
  # numeric library
  libopenblas-dev liblapacke-dev libfftw3-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  icc-profiles-free ffmpeg opencolorio-tools librsvg2-bin
  xvfb xauth xdotool imagemagick python3
  # a locale with a decimal comma, for the tests that numbers ignore the locale
  locales-all
  # benchmarks only: the chart peer measured beside ours
  qt6-charts-dev libqt6opengl6-dev
  # benchmarks only: the image-processing peer measured beside the preview map
  libvips-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "setup: run as root or install sudo" >&2; exit 1; }
  sudo=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "setup: done"
