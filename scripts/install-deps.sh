#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its content tools need.
# Only missing packages are installed, so running it again is cheap.
set -euo pipefail

packages=(
  # build tools
  build-essential cmake pkg-config ninja-build
  # window, input and OpenGL (Mesa's software driver serves machines without a GPU);
  # Xlib for the window's loss and the desktop benchmark's window watcher
  libsdl2-dev libx11-dev libepoxy-dev libgl1 libegl1 libgl1-mesa-dri libegl-mesa0 libgbm1
  # images, XML, archives, sound
  libstb-dev libpugixml-dev libminizip-dev zlib1g-dev libopenal-dev libopenal1 libvorbis-dev libogg-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # whole-game runs without a display
  xvfb xauth xdotool
  # content tools
  zip unzip fonts-dejavu-core sox libsox-fmt-all vorbis-tools python3
)

# One query for every package: what is installed comes back by name (a
# package dpkg has never heard of is simply absent from the answer).
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
  awk '$NF == "installed" && $(NF-1) == "ok" {print $1}' || true)
missing=()
for p in "${packages[@]}"; do
  grep -qxF "$p" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: run as root or install sudo to add: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
