#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARON_BUILD_DIR:-$root/build}
source "$root/scripts/stage.sh"
started=$SECONDS
"$root/scripts/install-deps.sh" test
"$root/scripts/build.sh" -DTESSARON_WERROR=ON   # a warning fails the test run
export QT_QPA_PLATFORM=offscreen
stage "running the tests" ctest --test-dir "$build" --output-on-failure --timeout 600
# The unit and window tests again, under the address and undefined-behaviour sanitizers.
"$root/scripts/sanitize.sh"
# The parsers fuzzed briefly on the kept corpus (clang, libFuzzer and the sanitizers).
"$root/scripts/fuzz.sh" 15
echo "tessaron: every test passed, in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
