#!/usr/bin/env bash
# Installs what is missing, builds, lays out the demo in build/dist/ and starts the program there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display available: run it under a virtual X server, e.g. 'xvfb-run -s \"-screen 0 1024x768x24\" scripts/start.sh'." >&2
  exit 1
fi
cd build/dist
# The demo holds all four languages with their sounds: the first start installs them all.
if [ $# -eq 0 ] && [ ! -f Settings.orv ]; then
  set -- 0s 1s 5s 6s
fi
exec ./orvik "$@"
