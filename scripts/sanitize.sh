#!/usr/bin/env bash
# Builds the unit and window tests with AddressSanitizer and UndefinedBehavior-
# Sanitizer into build-asan/ (or $TESSARON_ASAN_DIR) and runs them headless. Any
# finding ends the test that made it, so it fails. The tests that install, package
# or start other servers are left to the plain build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARON_ASAN_DIR:-$root/build-asan}
source "$root/scripts/stage.sh"
export TESSARON_LOG_DIR=$build/logs
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
stage "sanitizer build: configuring" cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARON_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
stage "sanitizer build" cmake --build "$build"
# Qt and fontconfig keep caches until the process ends: leaks are not looked for.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
stage "sanitizer tests" ctest --test-dir "$build" --output-on-failure --timeout 900 \
    -E '^(tst_install|tst_package|tst_wayland.*|tst_printing_cups|core_boundary_rejects_widgets|source_format)$'
