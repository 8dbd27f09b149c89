#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds, runs and tests with.
# clang and its runtime (libFuzzer, the sanitizers) are for fuzzing by hand (tests/fuzz/README.md).
# Only what is missing is installed; uses sudo when not run as root.
set -euo pipefail
pkgs=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libsndfile1-dev libsqlcipher-dev libxcb1-dev
  fonts-liberation fonts-noto-color-emoji espeak-ng
  libgtest-dev libbenchmark-dev xvfb xauth poppler-utils clang-format
  pulseaudio pulseaudio-utils
  dpkg-dev desktop-file-utils appstream groff-base xdotool openbox x11-utils imagemagick ccache
  clang libclang-rt-14-dev
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
