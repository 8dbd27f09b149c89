#!/usr/bin/env bash
# Configures and builds everything into build/, laying out the demo installation in build/dist/.
# A compiler cache is used when one is installed (several work trees then share their objects).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# ORVIK_WERROR=ON (the test command sets it) turns every compiler warning into an error.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVIK_WERROR="${ORVIK_WERROR:-OFF}" "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)"
