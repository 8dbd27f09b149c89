#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once in the normal build (build/) and
# once more with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/), where any
# finding (memory fault, leak, undefined behaviour) fails the test it happens in.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
ORVIK_WERROR=ON scripts/build.sh

# The sanitizers' settings: stop at the first finding with a stack trace and a failure status;
# leaks are reported except the ones the suppression file lists (inside system libraries only).
# They are set for the sanitizer build too: it runs its own programs (the dictionary builder,
# the test listing).
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=0
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

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

export QT_QPA_PLATFORM=offscreen
echo "== The tests in the normal build"
(cd build && ctest --output-on-failure -j"$(nproc)" --timeout 600)

# The sanitizer build: everything but the demo dictionary (only its check reads it, which the
# normal build runs) and the benchmarks,
# at -O1 with line tables only, which compiles far faster than the normal build's -O2 -g and
# still names every frame. Its warnings are the normal build's, checked there.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" -DORVIK_SANITIZE=ON -DORVIK_BUILD_DEMO=OFF \
  "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$(nproc)"

echo "== The tests under AddressSanitizer and UndefinedBehaviorSanitizer"
(cd build-asan && ctest --output-on-failure -j"$(nproc)" --timeout 900)
