#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
ORVIK_WERROR=ON scripts/build.sh

# A private sound server for the sound tests: PulseAudio with a null sink in a runtime folder of
# its own (no system service, nothing of the user's session), stopped when the tests end. As
# root it warns that it is meant for users, and runs. Without it those tests skip.
pulse_dir=$(mktemp -d)
trap 'XDG_RUNTIME_DIR=$pulse_dir pulseaudio --kill 2>/dev/null || true; rm -rf "$pulse_dir"' EXIT
if command -v pulseaudio >/dev/null &&
  XDG_RUNTIME_DIR=$pulse_dir pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
    --load=module-null-sink --load="module-native-protocol-unix auth-anonymous=1" 2>/dev/null; then
  export XDG_RUNTIME_DIR=$pulse_dir
else
  echo "No sound server: the tests that play through one will skip." >&2
fi

cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600
