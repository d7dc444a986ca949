#!/usr/bin/env bash
# Installs the Debian packages Lumenary needs to build, run and test; with --web, also those of
# the browser build and its tests (emscripten, stb_image, fontTools; Chromium, Firefox ESR and
# WebKitGTK's driver; npm).
# Safe to run again: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  cmake g++ make libx11-dev
  qt6-base-dev qt6-svg-dev libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-wine
  xvfb xdotool imagemagick
  dbus-daemon at-spi2-core python3-pyatspi
  desktop-file-utils appstream dpkg-dev file lintian
  gettext python3-polib
)
if [[ "${1:-}" == "--web" ]]; then
  packages+=(emscripten libstb-dev python3-fonttools chromium firefox-esr webkit2gtk-driver xauth ca-certificates)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
# npm, for the page's tests: Debian's, unless a Node.js from elsewhere brought its own.
if [[ "${1:-}" == "--web" ]] && ! command -v npm >/dev/null; then missing+=(npm); fi
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
